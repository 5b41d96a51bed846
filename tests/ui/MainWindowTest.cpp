#include "UiTestSupport.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>

namespace {

const char* const kThrowActions[] = {
    "ActionThrow0",   "ActionThrow10",  "ActionThrow20",  "ActionThrow30",  "ActionThrow40",
    "ActionThrow50",  "ActionThrow60",  "ActionThrow70",  "ActionThrow80",  "ActionThrow90",
    "ActionThrow100", "ActionThrow110", "ActionThrow120", "ActionThrow130", "ActionThrow140",
    "ActionThrow150", "ActionThrow160", "ActionThrow170", "ActionThrow180"};
const char* const kOutShotActions[] = {"ActionOutShot1", "ActionOutShot2", "ActionOutShot3"};

// The tags (scores or darts) of the enabled actions among `names`.
template <size_t N>
QList<int> EnabledTags(const TScoreboard& board, const char* const (&names)[N])
{
    QList<int> enabled;
    for (const char* name : names) {
        if (board.Action(name)->isEnabled()) {
            enabled << board.Action(name)->data().toInt();
        }
    }
    return enabled;
}

QList<int> EnabledThrows(const TScoreboard& board)
{
    return EnabledTags(board, kThrowActions);
}

QList<int> EnabledOutShots(const TScoreboard& board)
{
    return EnabledTags(board, kOutShotActions);
}

QList<int> ScoresUpTo(int highest)
{
    QList<int> scores;
    for (int score = 0; score <= highest; score += 10) {
        scores << score;
    }
    return scores;
}

QString Cell(const QTreeView& view, int row, int column)
{
    return view.model()->index(row, column).data().toString();
}

QStringList RowTexts(const QTreeWidget& list, int row)
{
    QStringList texts;
    const QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; column < list.columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

void WaitForBanner(TScoreboard& board)
{
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void NoGameOffersOnlyNewHintsAboutAndExit();
    void ThrowAndOutshotStates_data();
    void ThrowAndOutshotStates();
    void FinishedLegOffersOnlyUndoAndNextLeg();
    void StatsPageLocksTurnEntry();
    void ContinuousPointsEnablesEveryScoreAndNoOutshot();
    void TypedEntryTakesDigitsOnly();
    void EnterSubmitsOnlyTheFocusedBox();
    void RefusedTurnKeepsItsText();
    void ScoreListsShowTheSheetsMirrored();
    void StatisticsLabelsFollowTurnsAndLegs();
    void BannerHoldsInputForASecond();
    void UndoAndNextLegByShortcuts();
    void OnePlayerUsesOnlyTheLeftPanel();
    void StatsPageRowsAndRefresh();
    void StatsPageForOnePlayer();
    void HintsActionHidesAndShowsTheHintLists();
    void NamesAreShownAsPlainText();
    void ThrowMenuHasTwoColumnsAndTheOutshots();
    void ThrowMenuItemsShowTheirShortcutAndNoToolTip();
    void StatisticsColumnStaysReadableAtEverySize();
    void ToolBarAndHintsMenuInOrder();
    void AboutNamesTheProgramAndVersion();
    void ExitClosesTheWindow();
};

void TestMainWindow::NoGameOffersOnlyNewHintsAboutAndExit()
{
    TScoreboard board;
    for (const char* name : {"ActionNew", "ActionHints", "ActionAbout", "ActionExit"}) {
        QVERIFY2(board.Action(name)->isEnabled(), name);
    }
    for (const char* name :
         {"ActionThrow", "ActionUndoThrow", "ActionNextLeg", "ActionStats", "ActionToggleFocus"}) {
        QVERIFY2(!board.Action(name)->isEnabled(), name);
    }
    QCOMPARE(EnabledThrows(board), QList<int>{});
    QCOMPARE(EnabledOutShots(board), QList<int>{});
    QVERIFY(!board.Thrown(0)->isEnabled());
    QVERIFY(!board.Thrown(1)->isEnabled());
    QCOMPARE(board.Label("Turns", 0), QStringLiteral("0"));
    QCOMPARE(board.Label("GDartAvg", 1), QStringLiteral("0"));
    QVERIFY(board.Action("ActionHints")->isChecked());
}

void TestMainWindow::ThrowAndOutshotStates_data()
{
    QTest::addColumn<QList<int>>("turns");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QList<int>>("throws");
    QTest::addColumn<QList<int>>("outshots");
    QTest::newRow("170") << QList<int>{180, 151} << 170 << ScoresUpTo(160) << QList<int>{3};
    QTest::newRow("100") << QList<int>{180, 180, 41} << 100 << ScoresUpTo(90) << QList<int>{2, 3};
    QTest::newRow("2") << QList<int>{180, 180, 139} << 2 << QList<int>{0} << QList<int>{1, 2, 3};
    QTest::newRow("159") << QList<int>{180, 162} << 159 << ScoresUpTo(150) << QList<int>{};
    QTest::newRow("501") << QList<int>{} << 501 << ScoresUpTo(180) << QList<int>{};
}

void TestMainWindow::ThrowAndOutshotStates()
{
    QFETCH(QList<int>, turns);
    QFETCH(int, remainder);
    QFETCH(QList<int>, throws);
    QFETCH(QList<int>, outshots);
    TScoreboard board;
    QVERIFY(board.StartGame({1, false}));
    for (int score : turns) {
        board.Type(QString::number(score));
    }
    QCOMPARE(board.Remainder(0), remainder);
    QCOMPARE(EnabledThrows(board), throws);
    QCOMPARE(EnabledOutShots(board), outshots);
    QVERIFY(board.Action("ActionThrow")->isEnabled());
    QCOMPARE(board.Action("ActionUndoThrow")->isEnabled(), !turns.isEmpty());
    QVERIFY(!board.Action("ActionNextLeg")->isEnabled());
    QVERIFY(board.Action("ActionStats")->isEnabled());
}

void TestMainWindow::FinishedLegOffersOnlyUndoAndNextLeg()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({180, 60, 180, 60, 101}); // Anna left with 40
    QVERIFY(board.TriggerAction("ActionThrow0"));
    QVERIFY(board.TriggerAction("ActionOutShot1"));
    QVERIFY(board.Leg().Finished());
    QCOMPARE(board.Label("Darts", 0), QStringLiteral("10"));
    QCOMPARE(EnabledThrows(board), QList<int>{});
    QCOMPARE(EnabledOutShots(board), QList<int>{});
    QVERIFY(!board.Action("ActionThrow")->isEnabled());
    QVERIFY(board.Action("ActionUndoThrow")->isEnabled());
    QVERIFY(board.Action("ActionNextLeg")->isEnabled());
    QVERIFY(!board.Thrown(0)->isEnabled());
    QVERIFY(!board.Thrown(1)->isEnabled());
    WaitForBanner(board);
}

void TestMainWindow::StatsPageLocksTurnEntry()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({60});
    QVERIFY(board.TriggerAction("ActionStats"));
    auto* notebook = Find<QStackedWidget>(board.Window, QStringLiteral("Notebook"));
    QCOMPARE(notebook->currentIndex(), 1);
    QVERIFY(board.Action("ActionStats")->isChecked());
    QCOMPARE(EnabledThrows(board), QList<int>{});
    QCOMPARE(EnabledOutShots(board), QList<int>{});
    QVERIFY(!board.Action("ActionUndoThrow")->isEnabled());
    QVERIFY(!board.Action("ActionThrow")->isEnabled());
    QVERIFY(board.TriggerAction("ActionStats"));
    QCOMPARE(notebook->currentIndex(), 0);
    QVERIFY(!board.Action("ActionStats")->isChecked());
    QCOMPARE(QApplication::focusWidget(), board.Thrown(1)); // Ben is to throw
    QVERIFY(board.Action("ActionUndoThrow")->isEnabled());
}

void TestMainWindow::ContinuousPointsEnablesEveryScoreAndNoOutshot()
{
    TScoreboard board;
    QVERIFY(board.StartGame({4}));
    QCOMPARE(board.Remainder(0), 0);
    board.TypeTurns({40, 40});
    QCOMPARE(EnabledThrows(board), ScoresUpTo(180));
    QCOMPARE(EnabledOutShots(board), QList<int>{});
    QVERIFY(board.TriggerAction("ActionThrow180"));
    QCOMPARE(board.Remainder(0), 220);
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("PanelGameTitle"))->text(),
             QStringLiteral("Continous Points"));
}

void TestMainWindow::TypedEntryTakesDigitsOnly()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    QLineEdit* edit = board.Thrown(0);
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, QStringLiteral("a1 -+.2x"));
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QTest::keyClicks(edit, QStringLiteral("34"));
    QCOMPARE(edit->text(), QStringLiteral("123")); // three characters at most
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QList<QWidget*> focusPath;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QApplication::focusChanged,
                         [&focusPath](QWidget*, QWidget* now) { focusPath.append(now); });
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter
    QCOMPARE(board.Remainder(0), 489);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), board.Thrown(1));
    QTest::keyClicks(board.Thrown(1), QStringLiteral("45"));
    QTest::keyClick(board.Thrown(1), Qt::Key_Return);
    QObject::disconnect(watch);
    // Straight from box to box: a score list or tool button in between would repaint for nothing.
    QCOMPARE(focusPath, (QList<QWidget*>{board.Thrown(1), board.Thrown(0)}));
}

void TestMainWindow::EnterSubmitsOnlyTheFocusedBox()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.Thrown(0)->setText(QStringLiteral("60"));
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(board.Leg().GetSheet(0)->EntryCount(), 1);
    board.Thrown(0)->setFocus();
    board.Thrown(0)->clear();
    QTest::keyClick(board.Thrown(0), Qt::Key_Return); // empty box: nothing
    QCOMPARE(board.Leg().GetSheet(0)->EntryCount(), 1);
    QCOMPARE(board.Leg().PlayerToThrow(), 0);
}

void TestMainWindow::RefusedTurnKeepsItsText()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.Type(QStringLiteral("181"));
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("181"));
    QCOMPARE(board.Leg().GetSheet(0)->EntryCount(), 1);
    QCOMPARE(QApplication::focusWidget(), board.Thrown(0));
    board.Thrown(0)->clear();
    board.Type(QStringLiteral("163")); // no three darts make it
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("163"));
}

void TestMainWindow::ScoreListsShowTheSheetsMirrored()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    board.TypeTurns({100, 45, 140});
    auto* left = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    auto* right = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores2"));
    QCOMPARE(left->model()->rowCount(), 3);
    QCOMPARE(right->model()->rowCount(), 2);
    QCOMPARE(left->model()->columnCount(), 3);
    QCOMPARE(left->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Score"));
    QCOMPARE(left->model()->headerData(1, Qt::Horizontal).toString(), QString());
    QCOMPARE(right->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
    QCOMPARE(right->model()->headerData(2, Qt::Horizontal).toString(), QString());
    // Row 0 shows only the starting total.
    QCOMPARE(Cell(*left, 0, 1), QString());
    QCOMPARE(Cell(*left, 0, 2), QStringLiteral("501"));
    QCOMPARE(Cell(*right, 0, 1), QStringLiteral("501"));
    QCOMPARE(Cell(*right, 0, 2), QString());
    QCOMPARE(Cell(*left, 2, 1), QStringLiteral("140"));
    QCOMPARE(Cell(*left, 2, 2), QStringLiteral("261"));
    QCOMPARE(Cell(*right, 1, 1), QStringLiteral("456"));
    QCOMPARE(Cell(*right, 1, 2), QStringLiteral("45"));
    QCOMPARE(Cell(*left, 0, 0), QString());
    QCOMPARE(left->selectionModel()->selectedRows().value(0).row(), 2);
    QCOMPARE(right->selectionModel()->selectedRows().value(0).row(), 1);
    QVERIFY(!left->header()->sectionsClickable());
    QCOMPARE(left->columnWidth(0), 25);
    QCOMPARE(left->columnWidth(1), 75);
    QCOMPARE(right->columnWidth(1), 95);

    // Undo removes the row; leaving a list with no selection marks its last row again.
    QVERIFY(board.TriggerAction("ActionUndoThrow"));
    QCOMPARE(left->model()->rowCount(), 2);
    left->setFocus();
    left->selectionModel()->clearSelection();
    board.Thrown(0)->setFocus();
    QCOMPARE(left->selectionModel()->selectedRows().value(0).row(), 1);
}

void TestMainWindow::StatisticsLabelsFollowTurnsAndLegs()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0}));
    board.TypeTurns({161, 60, 40, 45}); // Anna 100 left, Ben 196
    QCOMPARE(board.Label("Turns", 0), QStringLiteral("2"));
    QCOMPARE(board.Label("Darts", 0), QStringLiteral("6"));
    QCOMPARE(board.Label("Scored", 0), QStringLiteral("201"));
    QCOMPARE(board.Label("TurnAvg", 0), QStringLiteral("100.50"));
    QCOMPARE(board.Label("DartAvg", 0), QStringLiteral("33.50"));
    QCOMPARE(board.Label("Legs", 0), QStringLiteral("0"));
    QCOMPARE(board.Label("GTurnAvg", 0), QStringLiteral("100.50"));
    QCOMPARE(board.Label("GDartAvg", 0), QStringLiteral("33.50"));
    QCOMPARE(board.Label("Turns", 1), QStringLiteral("2"));
    QCOMPARE(board.Label("Darts", 1), QStringLiteral("6"));
    QCOMPARE(board.Label("Scored", 1), QStringLiteral("105"));
    QCOMPARE(board.Label("TurnAvg", 1), QStringLiteral("52.50"));
    QCOMPARE(board.Label("DartAvg", 1), QStringLiteral("17.50"));
    QVERIFY(board.TriggerAction("ActionOutShot2")); // 100 on two darts
    QCOMPARE(board.Label("Darts", 0), QStringLiteral("8"));
    QCOMPARE(board.Label("DartAvg", 0), QStringLiteral("37.63")); // 301 / 8, half away from 0
    QCOMPARE(board.Label("Legs", 0), QStringLiteral("1"));
    WaitForBanner(board);

    QVERIFY(board.TriggerAction("ActionNextLeg"));
    QCOMPARE(board.Leg().PlayerToThrow(), 1); // Ben starts leg 2
    QCOMPARE(board.Label("Turns", 0), QStringLiteral("0"));
    QCOMPARE(board.Label("TurnAvg", 0), QStringLiteral("0.00"));
    QCOMPARE(board.Label("Legs", 0), QStringLiteral("1"));
    QCOMPARE(board.Label("GTurnAvg", 0), QStringLiteral("100.33")); // 301 / 3 over the match
    QCOMPARE(board.Label("GDartAvg", 0), QStringLiteral("37.63"));
    board.TypeTurns({180});
    QCOMPARE(board.Label("TurnAvg", 1), QStringLiteral("180.00"));
    QCOMPARE(board.Label("GTurnAvg", 1), QStringLiteral("95.00")); // 285 / 3
    QCOMPARE(board.Label("GDartAvg", 1), QStringLiteral("31.67"));
    QCOMPARE(board.Label("Legs", 1), QStringLiteral("0"));
}

void TestMainWindow::BannerHoldsInputForASecond()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0, true, true, QStringLiteral("Anna"), QStringLiteral("Ben")}));
    board.TypeTurns({180, 60, 81, 60});
    QElapsedTimer clock;
    clock.start();
    board.Type(QStringLiteral("40"));
    QVERIFY(board.Leg().Finished());
    auto* banner = Find<QLabel>(board.Window, QStringLiteral("PanelWinner"));
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->text(), QStringLiteral("Anna wins"));
    QCOMPARE(banner->size(), QSize(300, 41));
    const QPoint centre = banner->geometry().center();
    const QPoint pageCentre = banner->parentWidget()->rect().center();
    QVERIFY((centre - pageCentre).manhattanLength() <= 2);
    QVERIFY(board.Window.InputBlocked());
    // Keys are held back: Ctrl+Enter would start the next leg, F3 would show the stats.
    QTest::keyClick(&board.Window, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&board.Window, Qt::Key_F3);
    QCOMPARE(board.Window.Game().LegCount(), 1);
    QCOMPARE(Find<QStackedWidget>(board.Window, QStringLiteral("Notebook"))->currentIndex(), 0);
    WaitForBanner(board);
    QVERIFY(clock.elapsed() >= TFormVTX::kBannerMilliseconds);
    QVERIFY(!banner->isVisible());
    QVERIFY(!board.Thrown(0)->isEnabled());
    QVERIFY(!board.Thrown(1)->isEnabled());
    QTest::keyClick(&board.Window, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(board.Window.Game().LegCount(), 2);
}

void TestMainWindow::UndoAndNextLegByShortcuts()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1}));
    board.TypeTurns({180, 60, 180}); // Anna 141, Ben 441
    const auto press = [](int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QCOMPARE(QApplication::focusWidget(), board.Thrown(1));
    press(Qt::Key_4, ctrlShift); // Ben 140
    QCOMPARE(board.Remainder(1), 301);
    press(Qt::Key_4, ctrlShift); // Anna: 140 would leave 1
    press(Qt::Key_8, ctrlShift); // 180 would bust
    QCOMPARE(board.Remainder(0), 141);
    press(Qt::Key_3, ctrlShift);
    QCOMPARE(board.Remainder(0), 11);
    press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(board.Remainder(0), 141);
    QCOMPARE(QApplication::focusWidget(), board.Thrown(0));
    press(Qt::Key_2, Qt::AltModifier); // 141 needs three darts
    QVERIFY(!board.Leg().Finished());
    press(Qt::Key_3, Qt::AltModifier);
    QVERIFY(board.Leg().Finished());
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 9);
    WaitForBanner(board);
    // After the win the keyboard rests where typing a turn opens no correction.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("60"));
    press(Qt::Key_Return, Qt::NoModifier);
    QCOMPARE(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")), nullptr);
    QCOMPARE(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection2")), nullptr);
    press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(board.Window.Game().LegCount(), 2);
    QCOMPARE(board.Leg().PlayerToThrow(), 1);
    QCOMPARE(QApplication::focusWidget(), board.Thrown(1));
    // In a leg with no turn, Ctrl+U takes the Next Leg back: the leg before is back, won as
    // it was, and the next Ctrl+U undoes its winning turn.
    press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(board.Window.Game().LegCount(), 1);
    QVERIFY(board.Leg().Finished() && board.Leg().GetSheet(0)->Won());
    QCOMPARE(board.Remainder(0), 0);
    QVERIFY(board.Action("ActionNextLeg")->isEnabled());
    press(Qt::Key_U, Qt::ControlModifier);
    QVERIFY(!board.Leg().Finished());
    QCOMPARE(board.Remainder(0), 141);
    QCOMPARE(QApplication::focusWidget(), board.Thrown(0));
    press(Qt::Key_U, Qt::ControlModifier); // and on, turn by turn
    QCOMPARE(board.Remainder(1), 441);
}

void TestMainWindow::OnePlayerUsesOnlyTheLeftPanel()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1, false}));
    QVERIFY(!Find<QWidget>(board.Window, QStringLiteral("PanelRight"))->isVisible());
    for (int turn = 0; turn < 3; ++turn) {
        QVERIFY(board.Thrown(0)->isEnabled());
        QVERIFY(!board.Thrown(1)->isEnabled());
        board.TypeTurns({100});
    }
    QCOMPARE(board.Remainder(0), 201);
    QCOMPARE(board.Leg().SheetCount(), 1);
    // A later two-player game shows the right panel again.
    QVERIFY(board.StartGame());
    QVERIFY(Find<QWidget>(board.Window, QStringLiteral("PanelRight"))->isVisible());
}

void TestMainWindow::StatsPageRowsAndRefresh()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0}));
    QVERIFY(board.TriggerAction("ActionStats"));
    auto* list = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    QCOMPARE(list->columnCount(), 3);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Stat"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Anna"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Ben"));
    QCOMPARE(list->columnWidth(0), 250);
    QCOMPARE(list->columnWidth(1), 150);
    QCOMPARE(list->topLevelItemCount(), 19 + 4); // then a gap and the first-9 and leg rows
    // No turn yet: zeros, and the lowest turn shows 0 rather than its start value.
    QCOMPARE(RowTexts(*list, 7), (QStringList{QStringLiteral("Lowest Throw (3-Darts)"),
                                              QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(RowTexts(*list, 15).value(1), QStringLiteral("0.00%"));
    QVERIFY(board.TriggerAction("ActionStats"));

    board.TypeTurns({161, 60, 40, 45}); // Anna: checkout chances at 140 and 100
    QVERIFY(board.TriggerAction("ActionOutShot2"));
    WaitForBanner(board);
    QVERIFY(board.TriggerAction("ActionStats"));
    const QStringList expected[] = {
        {"Legs Won", "1", "0"},
        {"Darts Thrown", "8", "6"},
        {"Darts Per Leg Average", "8.00", "6.00"},
        {"", "", ""},
        {"Points Scored", "301", "105"},
        {"1-Dart Average", "37.63", "17.50"},
        {"3-Dart Average", "112.88", "52.50"}, // 301 in 8 darts, not 301 in 3 turns
        {"Lowest Throw (3-Darts)", "40", "45"},
        {"Highest Throw (3-Darts)", "161", "60"},
        {"Throws of 60+", "0", "1"},
        {"Throws of 100+", "1", "0"},
        {"Throws of 140+", "1", "0"},
        {"Throws of 180", "0", "0"},
        {"", "", ""},
        {"Possible Outshots", "2", "0"},
        {"Effective Outshots", "50.00%", "0.00%"},
        {"Highest Outshot", "100", "0"},
        {"Points Scored On Outshots", "100", "0"},
        {"Outshot Value Average", "50.00", "0.00"},
    };
    for (int row = 0; row < 19; ++row) {
        QCOMPARE(RowTexts(*list, row), expected[row]);
    }
    // The page shows the figures as of its opening: a new leg does not change it.
    QVERIFY(board.Window.Session().Apply({TOperationKind::NextLeg}));
    QCOMPARE(RowTexts(*list, 2).value(1), QStringLiteral("8.00"));
    QVERIFY(board.TriggerAction("ActionStats"));
    QVERIFY(board.TriggerAction("ActionStats"));
    QCOMPARE(RowTexts(*list, 2).value(1), QStringLiteral("4.00"));
}

void TestMainWindow::StatsPageForOnePlayer()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1, false, true, QStringLiteral("Solo")}));
    QVERIFY(board.TriggerAction("ActionStats"));
    auto* list = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    QCOMPARE(list->columnCount(), 2);
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Solo"));
    QCOMPARE(RowTexts(*list, 0), (QStringList{QStringLiteral("Legs Won"), QStringLiteral("0")}));
}

void TestMainWindow::HintsActionHidesAndShowsTheHintLists()
{
    TScoreboard board;
    const QStringList names{QStringLiteral("ListBoxHints1"), QStringLiteral("LabelHints1"),
                            QStringLiteral("ListBoxHints2"), QStringLiteral("LabelHints2")};
    for (const QString& name : names) {
        QVERIFY(Find<QWidget>(board.Window, name)->isVisible());
    }
    QTest::keyClick(&board.Window, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!board.Action("ActionHints")->isChecked());
    for (const QString& name : names) {
        QVERIFY(!Find<QWidget>(board.Window, name)->isVisible());
    }
    QVERIFY(board.TriggerAction("ActionHints"));
    for (const QString& name : names) {
        QVERIFY(Find<QWidget>(board.Window, name)->isVisible());
    }
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelHints1"))->text(),
             QStringLiteral("Shot Hint:"));
}

void TestMainWindow::NamesAreShownAsPlainText()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1, true, true, QStringLiteral("<b>Bold</b>"), QStringLiteral("Zoë")}));
    auto* name = Find<QLabel>(board.Window, QStringLiteral("PanelPlayerName1"));
    QCOMPARE(name->text(), QStringLiteral("<b>Bold</b>"));
    QCOMPARE(name->textFormat(), Qt::PlainText);
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("PanelPlayerName2"))->text(),
             QStringLiteral("Zoë"));
    // Names come in clean and at most 64 characters long; a long one is elided, whole in the
    // tool tip, and the window does not grow for it.
    const int width = board.Window.width();
    QVERIFY(board.StartGame(
        {1, true, true, QStringLiteral("A\u202EB\r\nC\u2066"), QStringLiteral("Zoë")}));
    QCOMPARE(board.Window.Game().Params().Player1Name, std::string("AB  C"));
    QVERIFY(
        board.StartGame({1, true, true, QStringLiteral("W").repeated(80), QStringLiteral("Zoë")}));
    const QString kept = QStringLiteral("W").repeated(64);
    QCOMPARE(board.Window.Game().Params().Player1Name, kept.toStdString());
    QCOMPARE(name->toolTip(), kept);
    QVERIFY2(name->text().endsWith(QStringLiteral("\u2026")), qPrintable(name->text()));
    QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->contentsRect().width());
    QCOMPARE(board.Window.width(), width);
}

void TestMainWindow::ThrowMenuHasTwoColumnsAndTheOutshots()
{
    TScoreboard board;
    auto* menu = Find<QMenu>(board.Window, QStringLiteral("PopupMenuThrow"));
    QCOMPARE(board.Action("ActionThrow")->menu(), menu);
    auto* columns = Find<QWidget>(*menu, QStringLiteral("PopupMenuThrowColumns"));
    auto* grid = qobject_cast<QGridLayout*>(columns->layout());
    QVERIFY(grid != nullptr);
    for (int index = 0; index < 19; ++index) {
        auto* button = qobject_cast<QToolButton*>(
            grid->itemAtPosition(index % 10, index < 10 ? 0 : 2)->widget());
        QVERIFY(button != nullptr);
        QCOMPARE(button->defaultAction(), board.Action(kThrowActions[index]));
    }
    auto* outshot = Find<QMenu>(*menu, QStringLiteral("PopupMenuOutshot"));
    QCOMPARE(outshot->title(), QStringLiteral("Outshot"));
    QCOMPARE(outshot->actions().size(), 3);
    QCOMPARE(outshot->actions().at(0)->text(), QStringLiteral("1-Dart Outshot"));
    QCOMPARE(board.Action("ActionThrow100")->shortcut(),
             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_0));
    QCOMPARE(board.Action("ActionThrow90")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_9));
}

void TestMainWindow::ThrowMenuItemsShowTheirShortcutAndNoToolTip()
{
    TScoreboard board;
    auto* columns = Find<QWidget>(board.Window, QStringLiteral("PopupMenuThrowColumns"));
    const QList<QToolButton*> buttons = columns->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 19);
    for (QToolButton* button : buttons) {
        const QAction* action = button->defaultAction();
        const QFontMetrics metrics(button->font());
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        QVERIFY(button->sizeHint().width() >=
                metrics.horizontalAdvance(action->text()) + metrics.horizontalAdvance(keys));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QVERIFY2(QCoreApplication::sendEvent(button, &help), qPrintable(action->text()));
        QVERIFY(!QToolTip::isVisible());
    }
}

// The figures never squeeze into each other: at the smallest window the column scrolls, and
// without the hint list they keep their spacing at the top.
void TestMainWindow::StatisticsColumnStaysReadableAtEverySize()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    const auto captionGap = [&] {
        return Find<QWidget>(board.Window, QStringLiteral("LabelCaptionDarts1"))->y() -
               Find<QWidget>(board.Window, QStringLiteral("LabelCaptionTurns1"))->y();
    };
    const int gap = captionGap();
    for (const QSize size : {QSize(669, 300), QSize(669, 570), QSize(1600, 1200)}) {
        for (const bool hints : {true, false}) {
            board.Window.resize(size);
            board.Window.SetHintsShown(hints);
            QCoreApplication::processEvents();
            const QString where =
                QStringLiteral("%1x%2 hints %3").arg(size.width()).arg(size.height()).arg(hints);
            QCOMPARE(captionGap(), gap);
            for (auto* label : Find<QWidget>(board.Window, QStringLiteral("PanelStats1"))
                                   ->findChildren<QLabel*>()) {
                QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(where));
            }
            auto* list = Find<QWidget>(board.Window, QStringLiteral("ListBoxHints1"));
            QVERIFY2(!hints || list->height() >= list->minimumHeight(), qPrintable(where));
        }
    }
}

void TestMainWindow::ToolBarAndHintsMenuInOrder()
{
    TScoreboard board;
    auto* toolBar = Find<QToolBar>(board.Window, QStringLiteral("ToolBar"));
    QStringList order;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            order << QStringLiteral("|");
        } else if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action))) {
            order << (action->objectName().isEmpty() ? button->objectName() : action->objectName());
        }
    }
    QCOMPARE(order,
             (QStringList{"ActionNew", "ActionNextLeg", "|", "ActionThrow", "ActionUndoThrow", "|",
                          "ToolButtonHints", "ActionStats", "ToolButtonHistory", "ToolButtonRoom",
                          "|", "ToolButtonAbout", "ActionExit"}));
    QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    // About keeps its place and width; held down, it offers the Language menu.
    auto* about = Find<QToolButton>(board.Window, QStringLiteral("ToolButtonAbout"));
    QCOMPARE(about->popupMode(), QToolButton::DelayedPopup);
    QCOMPARE(about->menu()->actions().last()->menu()->actions().size(), 6);
    QCOMPARE(board.Action("ActionThrow")->toolTip(), QStringLiteral("Add New Throw"));
    QCOMPARE(board.Action("ActionUndoThrow")->toolTip(), QStringLiteral("Undo Last Throw"));
    QCOMPARE(board.Action("ActionNew")->toolTip(), QStringLiteral("Start New Game"));
    QVERIFY(!board.Action("ActionNew")->icon().isNull());

    auto* hints = Find<QToolButton>(board.Window, QStringLiteral("ToolButtonHints"));
    QCOMPARE(hints->text(), QStringLiteral("&Hints"));
    QCOMPARE(hints->toolTip(), QStringLiteral("Toggle Hints"));
    const QList<QAction*> items = hints->menu()->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0], board.Action("ActionHints"));
    QCOMPARE(items[1], board.Action("ActionQuickShotHints"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3], board.Action("ActionToggleFocus"));
}

void TestMainWindow::AboutNamesTheProgramAndVersion()
{
    TScoreboard board;
    QString text;
    QTimer::singleShot(20, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    QVERIFY(board.TriggerAction("ActionAbout"));
    QVERIFY(text.contains(QStringLiteral("Vantorix")));
    QVERIFY(text.contains(QStringLiteral("1.06")));
}

void TestMainWindow::ExitClosesTheWindow()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    QTest::keyClick(board.Thrown(0), Qt::Key_X, Qt::AltModifier);
    QVERIFY(!board.Window.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "MainWindowTest.moc"
