// Cricket and the practice games played to the end as an operator plays them: the game chosen
// in New Game and every turn typed with real X11 keys (xdotool), one cricket leg tapped on the
// Dart Pad with the real mouse.

#include "games/Cricket.h"
#include "session/ComputerThrower.h"
#include "session/MatchSession.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/entry/DartPad.h"

#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

void Xdotool(const QStringList& arguments)
{
    if (const int status = QProcess::execute(QStringLiteral("xdotool"), arguments); status != 0) {
        qWarning("xdotool %s failed with %d", qPrintable(arguments.join(u' ')), status);
    }
}

void Press(const QString& keys)
{
    Xdotool({QStringLiteral("key"), keys});
}

// Clicks the real mouse at `point` of `widget`.
void Click(QWidget& widget, QPoint point)
{
    const QPoint global = widget.mapToGlobal(point);
    Xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

class TestGamesKeys : public QObject
{
    Q_OBJECT

private slots:
    void ACricketMatchByKeysAndThePad();
    void EachPracticeGameToTheEndByKeys_data();
    void EachPracticeGameToTheEndByKeys();
    void ACricketMatchAgainstTheComputerByKeys();

private:
    // Opens New Game by Ctrl+N, goes down the game list `down` times from "Standard 501", sets
    // one player (`alone`) and "first to `legs`" by keys, and starts (Player 1, and Player 2).
    // With `computer`, the second player is the computer (Alt+C).
    static void StartByKeys(TScoreboard& board, int down, bool alone, int legs,
                            bool computer = false);
    static const CGamesMatch& Match(TScoreboard& board)
    {
        return dynamic_cast<const CGamesMatch&>(board.Window.Session().Match());
    }
    // Types the darts of a turn (none: three misses), presses Enter and waits for the turn.
    static void Turn(TScoreboard& board, const QString& darts);
};

void TestGamesKeys::StartByKeys(TScoreboard& board, int down, bool alone, int legs, bool computer)
{
    QTimer poll;
    poll.setInterval(10);
    bool typed = false;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QApplication::activeModalWidget() != nullptr && !typed &&
            QApplication::activeModalWidget()->isActiveWindow()) {
            typed = true;
            Press(QStringLiteral("alt+g"));
            for (int step = 0; step < down; ++step) {
                Press(QStringLiteral("Down"));
            }
            if (alone) {
                Press(QStringLiteral("alt+l")); // Players: 1
                Press(QStringLiteral("ctrl+a"));
                Xdotool({QStringLiteral("type"), QStringLiteral("1")});
            }
            if (legs > 0) {
                Press(QStringLiteral("alt+t"));
                Xdotool({QStringLiteral("type"), QString::number(legs)});
            }
            if (computer) {
                Press(QStringLiteral("alt+c"));
            }
            Press(QStringLiteral("Return"));
        }
    });
    poll.start();
    Press(QStringLiteral("ctrl+n"));
    QTRY_VERIFY(typed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QTRY_VERIFY(dynamic_cast<const CGamesMatch*>(&board.Window.Session().Match()) != nullptr);
    QTRY_COMPARE(QApplication::focusWidget(),
                 Find<QLineEdit>(board.Window, QStringLiteral("EditGameDarts")));
}

void TestGamesKeys::Turn(TScoreboard& board, const QString& darts)
{
    const int turns = Match(board).CurrentLeg().TurnCount();
    if (!darts.isEmpty()) {
        Xdotool({QStringLiteral("type"), darts});
    }
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(Match(board).CurrentLeg().TurnCount(), turns + 1);
}

void TestGamesKeys::ACricketMatchByKeysAndThePad()
{
    TScoreboard board;
    StartByKeys(board, 4, false, 2); // Cricket, Anna v Ben, first to 2 legs
    QCOMPARE(board.Window.Session().Title(), QStringLiteral("Cricket"));
    auto* message = Find<QLabel>(board.Window, QStringLiteral("LabelGameMessage"));
    auto* title = Find<QLabel>(board.Window, QStringLiteral("PanelGameTitle"));
    QCOMPARE(title->text(), QStringLiteral("Cricket \u00B7 first to 2 legs \u00B7 Leg 1"));
    // Leg 1 by keys: side 1 closes every number; side 2's turn taken back by Ctrl+U; a fourth dart
    // and a dart no board has are refused with the reason.
    Turn(board, QStringLiteral("t20 t20 s19"));
    const auto& leg = [&board]() -> const CCricketGame& {
        return dynamic_cast<const CCricketGame&>(Match(board).CurrentLeg());
    };
    QCOMPARE(leg().Points(0), 60);
    QCOMPARE(message->text(), QStringLiteral("Player 1: T20 \u00B7 T20 \u00B7 19 (7 marks)"));
    Turn(board, QStringLiteral("t20"));
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(leg().TurnCount(), 1);
    QCOMPARE(leg().Marks(1, 20), 0);
    Xdotool({QStringLiteral("type"), QStringLiteral("t25")});
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(message->text().contains(QStringLiteral("is not a dart")));
    Press(QStringLiteral("ctrl+a"));
    Press(QStringLiteral("BackSpace"));
    Turn(board, QString()); // Ben: three misses
    for (const char* darts : {"t19 t18 t17", "", "t16 t15 bull", "", "25"}) {
        Turn(board, QString::fromLatin1(darts));
    }
    QCOMPARE(leg().Winner(), 0);
    QCOMPARE(leg().MarksPerRound(0), 3.0 * 25 / 10);
    // The winning turn taken back and typed again: the keyboard is back in the darts box.
    auto* edit = Find<QLineEdit>(board.Window, QStringLiteral("EditGameDarts"));
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(leg().Winner(), -1);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    Turn(board, QStringLiteral("25"));
    QCOMPARE(leg().Winner(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+Return"));
    QTRY_COMPARE(Match(board).LegCount(), 2);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(leg().PlayerToThrow(), 1); // Ben starts leg 2
    QCOMPARE(title->text(), QStringLiteral("Cricket \u00B7 first to 2 legs \u00B7 Leg 2"));

    // Leg 2 on the Dart Pad: each dart clicked, then its Enter.
    auto* pad = Find<TDartPad>(board.Window, QStringLiteral("DartPad"));
    QTRY_VERIFY(pad->isVisible());
    const auto tap = [&](std::initializer_list<TDart> darts) {
        const int turns = leg().TurnCount();
        for (const TDart& dart : darts) {
            Click(*pad, pad->PositionOf(dart).toPoint());
        }
        auto* enter = Find<QPushButton>(board.Window, QStringLiteral("ButtonPadEnter"));
        Click(*enter, enter->rect().center());
        QTRY_COMPARE(leg().TurnCount(), turns + 1);
    };
    tap({});                          // Ben
    tap({{20, 3}, {19, 3}, {18, 3}}); // Anna
    tap({{20, 1}});                   // Ben
    tap({{17, 3}, {16, 3}, {15, 3}}); // Anna
    QCOMPARE(leg().Marks(1, 20), 1);
    tap({});                 // Ben
    tap({{25, 2}, {25, 1}}); // Anna: the bull closed, the match won
    QCOMPARE(Match(board).MatchWinner(), 0);
    QCOMPARE(title->text(),
             QStringLiteral("Cricket \u00B7 first to 2 legs \u00B7 Player 1 wins the match"));
    QVERIFY(!board.Action("ActionNextLeg")->isEnabled());

    // F3: the match's cricket figures over both legs (46 marks in 18 darts), a row a leg.
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("F3"));
    QTreeWidget* figures = nullptr; // made when the page is first shown
    QTRY_VERIFY((figures = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"))) !=
                    nullptr &&
                figures->isVisible());
    const auto row = [figures](const QString& caption) {
        const QList<QTreeWidgetItem*> found = figures->findItems(caption, Qt::MatchExactly);
        return found.isEmpty() ? QString() : found.front()->text(1) + u'|' + found.front()->text(2);
    };
    QCOMPARE(row(QStringLiteral("Darts Thrown")), QStringLiteral("18|18"));
    QCOMPARE(row(QStringLiteral("Marks Per Round (MPR)")), QStringLiteral("7.67|0.17"));
    QCOMPARE(Find<QTreeWidget>(board.Window, QStringLiteral("ListViewLegs"))->topLevelItemCount(),
             2);

    // The board for the room shows how the match ended.
    QVERIFY(board.TriggerAction("ActionBoard"));
    const TBoardState& room = board.Window.BoardWindow()->State();
    QCOMPARE(room.Title, QStringLiteral("Player 1 wins the match"));
    QCOMPARE(room.Players[0].MatchScore, QStringLiteral("Legs 2"));
    QCOMPARE(room.Players[0].Darts, QStringLiteral("3 marks: Bull \u00B7 25"));
    QCOMPARE(room.Players[1].Darts, QStringLiteral("No score"));
    QCOMPARE(room.Players[1].Route, QStringLiteral("To close 20 19 18 17 16 15 Bull"));
}

void TestGamesKeys::EachPracticeGameToTheEndByKeys_data()
{
    QTest::addColumn<int>("down");
    QTest::addColumn<QStringList>("turns"); // "" three misses; repeated until the game ends
    QTest::addColumn<QString>("headline");  // the headline once over
    QTest::addColumn<int>("darts");
    QTest::newRow("Around the Clock")
        << 6
        << QStringList{"1 2 3", "4 5 6", "7 8 9", "10 11 12", "13 14 15", "16 17 18", "19 20 bull"}
        << QStringLiteral("Done") << 21;
    QTest::newRow("Around the Clock (fast)")
        << 7 << QStringList{"t1 t4 t7", "t10 t13 t16", "t19", "bull"} << QStringLiteral("Done")
        << 10;
    QTest::newRow("Bob's 27") << 8 << QStringList{"d1 d1"} << QStringLiteral("-9") << 18;
    QTest::newRow("121") << 9 << QStringList{"t20 t11 d14", "t20 t20 d1"} << QStringLiteral("Done")
                         << 6 + 8 * 9;
    QTest::newRow("Shanghai") << 10 << QStringList{"s1 d1 t1"} << QStringLiteral("6") << 3;
    QTest::newRow("Halve-It") << 12 << QStringList{"t15", "t16", "bull", "t17", "t18",
                                                   "t20", "t19", "t20",  "bull"}
                              << QStringLiteral("475") << 27;
}

void TestGamesKeys::EachPracticeGameToTheEndByKeys()
{
    QFETCH(int, down);
    QFETCH(QStringList, turns);
    QFETCH(QString, headline);
    QFETCH(int, darts);
    TScoreboard board;
    StartByKeys(board, down, true, 0);
    for (int turn = 0; !Match(board).CurrentLeg().Over(); ++turn) {
        QVERIFY(turn < 40);
        Turn(board, turn < turns.size() ? turns[turn] : QString());
    }
    QCOMPARE(Match(board).CurrentLeg().Winner(), 0);
    QCOMPARE(Match(board).CurrentLeg().DartsThrown(0), darts);
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelGameHeadline1"))->text(), headline);
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelGamePrompt"))->text(),
             QStringLiteral("Player 1: game over"));
    QVERIFY(!Find<QLineEdit>(board.Window, QStringLiteral("EditGameDarts"))->isEnabled());
}

// The computer throws its cricket turns by itself; Ctrl+P pauses it, and the panel says so.
void TestGamesKeys::ACricketMatchAgainstTheComputerByKeys()
{
    TScoreboard board;
    board.Window.Computer().SetPause(40);
    StartByKeys(board, 4, false, 1, true);
    QCOMPARE(Match(board).Params().ComputerAverages, (std::vector<int32_t>{0, 60}));
    auto* prompt = Find<QLabel>(board.Window, QStringLiteral("LabelGamePrompt"));
    Turn(board, QStringLiteral("t20 t20 t20"));
    QTRY_COMPARE(Match(board).CurrentLeg().TurnCount(), 2);
    QTRY_COMPARE(prompt->text(), QStringLiteral("Player 1 to throw"));
    Press(QStringLiteral("ctrl+p"));
    QTRY_VERIFY(board.Window.Computer().IsPaused());
    Turn(board, QStringLiteral("t19"));
    QTRY_COMPARE(prompt->text(), QStringLiteral("Computer (60): Paused: Ctrl+P lets it throw"));
    QCOMPARE(Match(board).CurrentLeg().TurnCount(), 3);
    Press(QStringLiteral("ctrl+p"));
    QTRY_COMPARE(Match(board).CurrentLeg().TurnCount(), 4);
    QTRY_COMPARE(prompt->text(), QStringLiteral("Player 1 to throw"));
}

QTEST_MAIN(TestGamesKeys)
#include "GamesKeysTest.moc"
