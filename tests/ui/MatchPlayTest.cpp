// A match as people play it in the window: its length and sets, a corrected turn, and the
// reason a refused turn is given.

#include "UiTestSupport.h"
#include "ui/board/BoardWindow.h"

#include <QTreeWidget>

namespace {

QString Text(const TScoreboard& board, const char* name)
{
    return Find<QLabel>(board.Window, QString::fromLatin1(name))->text();
}

// A 301 leg that `winner` takes in two turns (180, 121) while the other scores nothing.
void WinLeg(TScoreboard& board, int winner)
{
    if (board.Leg().PlayerToThrow() != winner) {
        board.Type(QStringLiteral("0"));
    }
    board.TypeTurns({180, 0, 121});
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
}

} // namespace

class TestMatchPlay : public QObject
{
    Q_OBJECT

private slots:
    void TheDialogKeepsTheMatchLength();
    void SetsAndTheMatchAreWonAndShown();
    void APastTurnIsCorrectedInTheList();
    void ACheckoutsDartsAreCorrected();
    void AnEarlierLegIsCorrectedFromTheStatisticsPage();
    void RefusalsSayWhyUntilTheNextKey_data();
    void RefusalsSayWhyUntilTheNextKey();
};

void TestMatchPlay::TheDialogKeepsTheMatchLength()
{
    TNewGameDialog dialog;
    auto* legs = Find<QSpinBox>(dialog, QStringLiteral("SpinBoxLegsToWin"));
    auto* sets = Find<QSpinBox>(dialog, QStringLiteral("SpinBoxSetsToWin"));
    QCOMPARE(legs->value(), 0); // open, as before
    QVERIFY(!sets->isEnabled());
    QCOMPARE(dialog.GameParams().LegsToWin, 0);
    TNewGameChoices choices = dialog.Choices();
    choices.LegsToWin = 3;
    choices.SetsToWin = 2;
    dialog.SetChoices(choices);
    QVERIFY(sets->isEnabled());
    QCOMPARE(dialog.GameParams().LegsToWin, 3);
    QCOMPARE(dialog.GameParams().SetsToWin, 2);
    QCOMPARE(dialog.Choices().SetsToWin, 2);
    legs->setValue(0); // sets need legs
    QCOMPARE(dialog.GameParams().SetsToWin, 0);
}

void TestMatchPlay::SetsAndTheMatchAreWonAndShown()
{
    TScoreboard board;
    TGameChoice choice;
    choice.Game = 0;
    choice.LegsToWin = 1;
    choice.SetsToWin = 2;
    QVERIFY(board.StartGame(choice));
    const QString dot = QStringLiteral(" \u00B7 ");
    QCOMPARE(Text(board, "PanelGameTitle"),
             QStringLiteral("Standard 301") + dot + QStringLiteral("first to 2 sets of 1 leg") +
                 dot + QStringLiteral("Set 1") + dot + QStringLiteral("Leg 1"));
    WinLeg(board, 0);
    QCOMPARE(Text(board, "LabelMatch1"), QStringLiteral("Legs 0") + dot + QStringLiteral("Sets 1"));
    QCOMPARE(board.Window.BoardState().Title, QStringLiteral("Anna wins the set"));
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    QVERIFY(board.Window.BoardState().Title.startsWith(QStringLiteral("Standard 301")));
    QCOMPARE(board.Leg().PlayerToThrow(), 1); // the second set goes to the other starter
    WinLeg(board, 0);
    QCOMPARE(Text(board, "PanelWinner"), QStringLiteral("Anna wins the match"));
    QCOMPARE(Text(board, "LabelMatch1"), QStringLiteral("Sets 2")); // no legs of a set not played
    QCOMPARE(board.Window.BoardState().Title, QStringLiteral("Anna wins the match"));
    QVERIFY(Text(board, "PanelGameTitle").endsWith(QStringLiteral("Anna wins the match")));
    QVERIFY(!board.Action("ActionNextLeg")->isEnabled());
    QVERIFY(!board.Action("ActionThrow")->isEnabled());
    QVERIFY(board.Action("ActionNew")->isEnabled());
    QVERIFY(board.TriggerAction("ActionStats"));
    auto* stats = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    QCOMPARE(stats->topLevelItem(1)->text(0), QStringLiteral("Sets Won"));
    QCOMPARE(stats->topLevelItem(1)->text(1), QStringLiteral("2"));
    QCOMPARE(stats->topLevelItem(2)->text(0), QStringLiteral("Darts Thrown"));
}

void TestMatchPlay::APastTurnIsCorrectedInTheList()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({100, 60, 140, 45});
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = Find<QLineEdit>(board.Window, QStringLiteral("EditCorrection1"));
    QVERIFY(editor != nullptr && editor->hasFocus());
    QCOMPARE(editor->text(), QStringLiteral("100"));
    // 180 would leave 181 after the later 140: allowed; 400 is no score, refused and said.
    QTest::keyClicks(editor, QStringLiteral("400"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Text(board, "LabelRefusal1"), QStringLiteral("400 cannot be scored with three darts"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("180"));
    QVERIFY(Text(board, "LabelRefusal1").isEmpty());
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(board.Remainder(0), 181);
    // Every later total follows.
    QCOMPARE(list->model()->index(2, 2).data().toString(), QStringLiteral("181"));
    QCOMPARE(board.Label("Scored", 0), QStringLiteral("320"));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    // The opening entry is no turn; Escape leaves a correction unmade.
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_F2);
    QVERIFY(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")) == nullptr ||
            !board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1"))->isVisible());
}

void TestMatchPlay::ACheckoutsDartsAreCorrected()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 0}));
    board.TypeTurns({180, 0, 81, 0, 40}); // Anna checks out 40, typed: three darts
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 9);
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    const auto correct = [&](int row, Qt::Key key, const QString& said) {
        list->setFocus();
        list->setCurrentIndex(list->model()->index(row, 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the last box
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = Find<QLineEdit>(board.Window, QStringLiteral("EditCorrection1"));
        QVERIFY(editor != nullptr && editor->hasFocus());
        QTest::keyClick(editor, key, Qt::AltModifier);
        QCOMPARE(Text(board, "LabelRefusal1"), said);
        if (!said.isEmpty()) {
            QTest::keyClick(editor, Qt::Key_Escape);
        }
    };
    correct(2, Qt::Key_1, QStringLiteral("81 does not finish the 121 left"));
    correct(3, Qt::Key_1, QString()); // the 40 on one dart
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 7);
    QVERIFY(board.Leg().Finished());
}

void TestMatchPlay::AnEarlierLegIsCorrectedFromTheStatisticsPage()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 0}));
    WinLeg(board, 0); // Anna 180, Ben 0, Anna 121
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    board.Type(QStringLiteral("60")); // Ben starts leg 2
    QVERIFY(board.TriggerAction("ActionStats"));
    QStringList said;
    AnswerNextDialog(
        [&said](QDialog& dialog) {
            const auto correct = [&](const char* list, int row, const char* score) {
                auto* turns = Find<QTreeWidget>(dialog, QString::fromLatin1(list));
                turns->setFocus();
                turns->setCurrentItem(turns->topLevelItem(row));
                QTest::keyClick(turns, Qt::Key_F2);
                auto* edit = Find<QLineEdit>(dialog, QStringLiteral("EditLegCorrection"));
                QTest::keyClicks(edit, QString::fromLatin1(score));
                QTest::keyClick(edit, Qt::Key_Return);
                said << Find<QLabel>(dialog, QStringLiteral("LabelLegRefusal"))->text();
            };
            correct("ListLegTurns2", 0, "45");  // Ben's 0 was 45
            correct("ListLegTurns1", 1, "100"); // Anna's winning 121: no
            correct("ListLegTurns1", 0, "179");
        },
        QStringLiteral("ButtonClose"));
    auto* legs = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewLegs"));
    legs->setFocus();
    legs->setCurrentItem(legs->topLevelItem(0));
    QTest::keyClick(legs, Qt::Key_Return);
    QCOMPARE(said, (QStringList{QString(), QStringLiteral("That would change how the leg was won"),
                                QStringLiteral("179 cannot be scored with three darts")}));
    QCOMPARE(board.Window.Game().GetLeg(0)->GetSheet(1)->LastEntry()->Remainder, 256);
    QVERIFY(board.Window.Game().GetLeg(0)->GetSheet(0)->Won());
    QCOMPARE(board.Remainder(1), 241); // the panels still show the leg in play
    QCOMPARE(board.Window.Game().GetPlayerStats(1).PointsScored, 105);
}

void TestMatchPlay::RefusalsSayWhyUntilTheNextKey_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("checkout"); // Alt+1..3 pressed instead of typing
    const QList<int> to81 = {180, 0, 180, 0, 60, 0};
    QTest::newRow("bust") << to81 << "82"
                          << "Bust: 82 is more than the 81 left" << 0;
    QTest::newRow("no score") << QList<int>{} << "179"
                              << "179 cannot be scored with three darts" << 0;
    QTest::newRow("one left") << to81 << "80"
                              << "That would leave 1" << 0;
    QTest::newRow("no double") << QList<int>{180, 0, 162, 0} << "159"
                               << "159 cannot be finished on a double" << 0;
    QTest::newRow("checkout short of darts") << QList<int>{180, 0, 180, 0, 40, 0} << ""
                                             << "101 needs at least 2 darts" << 1;
}

void TestMatchPlay::RefusalsSayWhyUntilTheNextKey()
{
    QFETCH(QList<int>, before);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QFETCH(int, checkout);
    TScoreboard board;
    QVERIFY(board.StartGame());
    for (int score : before) {
        board.Type(QString::number(score));
    }
    if (checkout > 0) {
        QTest::keyClick(board.Thrown(0), static_cast<Qt::Key>(Qt::Key_0 + checkout),
                        Qt::AltModifier);
    } else {
        board.Type(typed);
    }
    QCOMPARE(Text(board, "LabelRefusal1"), said);
    QCOMPARE(board.Thrown(0)->text(), typed); // kept to be read, selected
    QTest::keyClick(board.Thrown(0), Qt::Key_6);
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("6")); // the next digit starts anew
    QVERIFY(Text(board, "LabelRefusal1").isEmpty());
}

QTEST_MAIN(TestMatchPlay)
#include "MatchPlayTest.moc"
