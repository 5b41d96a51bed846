#include "UiTestSupport.h"

#include <QScreen>
#include <QStackedWidget>

class TestNewGameDialog : public QObject
{
    Q_OBJECT

private slots:
    void FirstShowingPreselects501AndFocusesTheGame();
    void UncheckingTwoPlayersMovesTheStartToPlayerOne();
    void BlankNamesDefaultAndPaddedNamesStayAsTyped();
    void EveryGameGivesItsRules_data();
    void EveryGameGivesItsRules();
    void CancelKeepsTheGameAndItsScores();
    void EscapeIsCancel();
    void ExitClosesTheMainWindow();
    void SecondPlayerStartsWhenChosen();
    void ChoicesAreKeptBetweenShowings();
    void CentredOnTheScreenNotOnTheWindow();
    void SidesPairsAndHandicapsByTheKeyboard();
    void AnySideCanBeTheComputer();
};

void TestNewGameDialog::FirstShowingPreselects501AndFocusesTheGame()
{
    TScoreboard board;
    int shownIndex = -2;
    bool comboFocused = false;
    AnswerNextDialog(
        [&](QDialog& dialog) {
            auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxGame"));
            shownIndex = combo->currentIndex();
            comboFocused = dialog.focusWidget() == combo;
        },
        QStringLiteral("ButtonStart"));
    QVERIFY(board.TriggerAction("ActionNew"));
    QCOMPARE(shownIndex, 1);
    QVERIFY(comboFocused);
    QCOMPARE(board.Remainder(0), 501);
    QCOMPARE(board.Dialog->windowTitle(), QStringLiteral("New Game"));
    QCOMPARE(board.Dialog->font().pixelSize(), 13);
}

void TestNewGameDialog::UncheckingTwoPlayersMovesTheStartToPlayerOne()
{
    TNewGameDialog dialog;
    auto* two = dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox2Players"));
    auto* first = dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonPlayer1"));
    auto* second = dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonPlayer2"));
    auto* secondName = dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name"));
    QVERIFY(two->isChecked());
    QVERIFY(first->isChecked());
    second->setChecked(true);
    QTest::mouseClick(two, Qt::LeftButton); // a real click on the box
    QVERIFY(!two->isChecked());
    QVERIFY(first->isChecked());
    QVERIFY(!second->isEnabled());
    QVERIFY(!secondName->isEnabled());
    QCOMPARE(dialog.GameParams().PlayerCount, 1);
    QCOMPARE(dialog.GameParams().FirstPlayer, 0);
    two->setChecked(true);
    QVERIFY(second->isEnabled());
    QVERIFY(secondName->isEnabled());
    QVERIFY(first->isChecked()); // the start stays with player 1
    // "2 Players" is ticked for two only; ticked with four, it means two.
    auto* players = dialog.findChild<QSpinBox*>(QStringLiteral("SpinPlayers"));
    players->setValue(4);
    QVERIFY(!two->isChecked());
    QTest::mouseClick(two, Qt::LeftButton);
    QCOMPARE(players->value(), 2);
    QVERIFY(two->isChecked());
}

void TestNewGameDialog::BlankNamesDefaultAndPaddedNamesStayAsTyped()
{
    TNewGameDialog dialog;
    dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer1Name"))->setText(QStringLiteral("   "));
    dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name"))
        ->setText(QStringLiteral(" Ben  "));
    TGameParams params = dialog.GameParams();
    QCOMPARE(params.Player1Name, std::string("Player 1"));
    QCOMPARE(params.Player2Name, std::string(" Ben  "));
    dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name"))->clear();
    QCOMPARE(dialog.GameParams().Player2Name, std::string("Player 2"));
}

void TestNewGameDialog::EveryGameGivesItsRules_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("countUp");
    QTest::addColumn<bool>("checkOut");
    QTest::newRow("301") << 0 << "Standard 301" << 301 << 0 << false << true;
    QTest::newRow("501") << 1 << "Standard 501" << 501 << 0 << false << true;
    QTest::newRow("701") << 2 << "Standard 701" << 701 << 0 << false << true;
    QTest::newRow("1001") << 3 << "Standard 1001" << 1001 << 0 << false << true;
    QTest::newRow("points") << 4 << "Continous Points" << 0 << -1 << true << false;
}

void TestNewGameDialog::EveryGameGivesItsRules()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(int, start);
    QFETCH(int, target);
    QFETCH(bool, countUp);
    QFETCH(bool, checkOut);
    TScoreboard board;
    // A match length: the points game, whose legs never end, takes none.
    QVERIFY(board.StartGame({.Game = index, .LegsToWin = 2, .SetsToWin = 2}));
    const TGameParams params = board.Window.Game().GetParams();
    QCOMPARE(params.LegsToWin, countUp ? 0 : 2);
    QCOMPARE(params.SetsToWin, countUp ? 0 : 2);
    QCOMPARE(Find<QSpinBox>(*board.Dialog, QStringLiteral("SpinBoxLegsToWin"))->isEnabled(),
             !countUp);
    QCOMPARE(params.StartScore, start);
    QCOMPARE(params.TargetScore, target);
    QCOMPARE(params.CountUp, countUp);
    QCOMPARE(params.CheckOutRule, checkOut);
    QVERIFY(Find<QLabel>(board.Window, QStringLiteral("PanelGameTitle"))->text().startsWith(title));
}

void TestNewGameDialog::CancelKeepsTheGameAndItsScores()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({100, 60});
    QVERIFY(board.TriggerAction("ActionStats"));
    AnswerNextDialog(
        [](QDialog& dialog) {
            FillDialog(dialog, {3, false});
        },
        QStringLiteral("ButtonCancel"));
    QVERIFY(board.TriggerAction("ActionNew"));
    QCOMPARE(board.Remainder(0), 401);
    QCOMPARE(board.Remainder(1), 441);
    QCOMPARE(Find<QStackedWidget>(board.Window, QStringLiteral("Notebook"))->currentIndex(), 0);
    QCOMPARE(Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"))->model()->rowCount(),
             2);
    QVERIFY(board.Window.isVisible());
}

void TestNewGameDialog::EscapeIsCancel()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({100});
    int result = 0;
    QTimer::singleShot(20, [&result] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    QObject::connect(board.Dialog, &QDialog::finished, [&result](int code) { result = code; });
    QVERIFY(board.TriggerAction("ActionNew"));
    QCOMPARE(result, int(TNewGameDialog::kResultCancel));
    QCOMPARE(board.Remainder(0), 401);
}

void TestNewGameDialog::ExitClosesTheMainWindow()
{
    TScoreboard board;
    AnswerNextDialog({}, QStringLiteral("ButtonExit"));
    QVERIFY(board.TriggerAction("ActionNew"));
    QVERIFY(!board.Window.isVisible());
    QCOMPARE(board.Window.Game().CurrentLeg(), nullptr);
}

void TestNewGameDialog::SecondPlayerStartsWhenChosen()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0, true, false}));
    QCOMPARE(board.Leg().PlayerToThrow(), 1);
    QCOMPARE(QApplication::focusWidget(), board.Thrown(1));
    QVERIFY(!board.Thrown(0)->isEnabled());
}

void TestNewGameDialog::ChoicesAreKeptBetweenShowings()
{
    TScoreboard board;
    QVERIFY(board.StartGame({2, true, false, QStringLiteral("Cy"), QStringLiteral("Di")}));
    QString name;
    int game = -1;
    AnswerNextDialog(
        [&](QDialog& dialog) {
            name = dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer1Name"))->text();
            game = dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxGame"))->currentIndex();
        },
        QStringLiteral("ButtonStart"));
    QVERIFY(board.TriggerAction("ActionNew"));
    QCOMPARE(name, QStringLiteral("Cy"));
    QCOMPARE(game, 2);
    QCOMPARE(board.Leg().PlayerToThrow(), 1);
}

void TestNewGameDialog::CentredOnTheScreenNotOnTheWindow()
{
    TScoreboard board;
    board.Window.move(0, 0);
    QPoint centre;
    AnswerNextDialog([&](QDialog& dialog) { centre = dialog.geometry().center(); },
                     QStringLiteral("ButtonCancel"));
    QVERIFY(board.TriggerAction("ActionNew"));
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((centre - screen).manhattanLength() <= 6,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

// Four pairs with a handicap, set up by keys alone: Tab reaches every name in order.
void TestNewGameDialog::SidesPairsAndHandicapsByTheKeyboard()
{
    TNewGameDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* players = dialog.findChild<QSpinBox*>(QStringLiteral("SpinPlayers"));
    players->setFocus();
    QTest::keyClick(players, Qt::Key_Up);
    QTest::keyClick(players, Qt::Key_Up);
    QCOMPARE(players->value(), 4);
    QTest::keyClick(players, Qt::Key_Tab);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space); // Pairs
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space); // Handicap
    // From "2 Players" Tab goes to the starter, then every side's name, throwers and start,
    // then the computer's boxes.
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox2Players"))->setFocus();
    QStringList order;
    for (int step = 0; step < 22; ++step) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        order << dialog.focusWidget()->objectName();
    }
    QStringList expected{QStringLiteral("RadioButtonPlayer1")};
    for (int side = 1; side <= 4; ++side) {
        expected << QStringLiteral("EditPlayer%1Name").arg(side)
                 << QStringLiteral("EditThrower%1Name").arg(side * 2 - 1)
                 << QStringLiteral("EditThrower%1Name").arg(side * 2)
                 << QStringLiteral("SpinStartScore%1").arg(side);
    }
    // The computer's boxes after every name: a person's average is no stop.
    for (int side = 1; side <= 4; ++side) {
        expected << QStringLiteral("CheckBoxComputer%1").arg(side);
    }
    expected << QStringLiteral("SpinBoxLegsToWin");
    QCOMPARE(order, expected);
    // Typed throwers name their pair; a typed side name stands; a start score per side.
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EditThrower1Name")), "Anna");
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EditThrower2Name")), "Ben");
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name")), "Reds");
    dialog.findChild<QSpinBox*>(QStringLiteral("SpinStartScore3"))->setValue(301);
    dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonPlayer3"))->setChecked(true);
    const TGameParams params = dialog.GameParams();
    QCOMPARE(params.PlayerCount, 4);
    QCOMPARE(params.TeamSize, 2);
    QCOMPARE(params.FirstPlayer, 2);
    QCOMPARE(params.PlayerNames,
             (std::vector<std::string>{"Anna & Ben", "Reds", "Player 5 & Player 6",
                                       "Player 7 & Player 8"}));
    QCOMPARE(params.ThrowerNames[1], std::string("Ben"));
    QCOMPARE(params.StartScores, (std::vector<int32_t>{501, 501, 301, 501}));
    // Back to two players: the dialog gives a match as it always did.
    players->setValue(2);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxPairs"))->setChecked(false);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxHandicap"))->setChecked(false);
    const TGameParams two = dialog.GameParams();
    QVERIFY(two.PlayerNames.empty() && two.StartScores.empty() && two.TeamSize == 1);
    QCOMPARE(two.FirstPlayer, 0); // the third side that was to start is gone
}

QTEST_MAIN(TestNewGameDialog)
#include "NewGameDialogTest.moc"

void TestNewGameDialog::AnySideCanBeTheComputer()
{
    TNewGameDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* name1 = dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer1Name"));
    auto* name2 = dialog.findChild<QLineEdit*>(QStringLiteral("EditPlayer2Name"));
    auto* average2 = dialog.findChild<QSpinBox*>(QStringLiteral("SpinComputerAverage2"));
    QVERIFY(!average2->isEnabled());
    QVERIFY(dialog.GameParams().ComputerAverages.empty());
    // Alt+C: the second player is the computer, named by its average unless named.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    // A button's mnemonic clicks it as the eye sees it: pressed, then released a moment later.
    QTRY_VERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxComputer2"))->isChecked());
    TGameParams params = dialog.GameParams();
    QCOMPARE(params.ComputerAverages, (std::vector<int32_t>{0, 60}));
    QCOMPARE(params.Player2Name, std::string("Computer (60)"));
    average2->setValue(85);
    QCOMPARE(dialog.GameParams().Player2Name, std::string("Computer (85)"));
    QVERIFY(dialog.GameParams().ComputerSeed != dialog.GameParams().ComputerSeed);
    // Tab still goes from one name to the next, then to the computer's average.
    name1->setFocus();
    QTest::keyClick(name1, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), name2);
    QTest::keyClick(name2, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), average2);
    name2->setText(QStringLiteral("Bot"));
    QCOMPARE(dialog.GameParams().Player2Name, std::string("Bot"));
    // Kept between showings: the third of four sides the computer's, the second a person.
    TNewGameChoices choices = dialog.Choices();
    choices.Players = 4;
    choices.ComputerAverages = {0, 0, 40};
    dialog.SetChoices(choices);
    QCOMPARE(dialog.Choices().ComputerAverages, (QList<int>{0, 0, 40}));
    params = dialog.GameParams();
    QCOMPARE(params.ComputerAverages, (std::vector<int32_t>{0, 0, 40}));
    QCOMPARE(params.PlayerNames[2], std::string("Computer (40)"));
    QCOMPARE(params.Player2Name, std::string("Bot"));
    // In the other games too; Killer takes three sides at least and a seed for its draw.
    auto* game = dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxGame"));
    auto* players = dialog.findChild<QSpinBox*>(QStringLiteral("SpinPlayers"));
    game->setCurrentIndex(game->findText(QStringLiteral("Cricket")));
    QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxComputer3"))->isEnabled());
    QCOMPARE(dialog.GameParams().ComputerAverages, (std::vector<int32_t>{0, 0, 40}));
    players->setValue(2);
    game->setCurrentIndex(game->findText(QStringLiteral("Killer")));
    QCOMPARE(players->value(), 3);
    QCOMPARE(dialog.GameParams().PlayerCount, 3);
    QVERIFY(dialog.GameParams().ComputerSeed != 0);
    game->setCurrentIndex(game->findText(QStringLiteral("Shanghai")));
    players->setValue(1);
    QCOMPARE(players->value(), 1);
}
