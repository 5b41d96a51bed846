// Every shortcut of the scoreboard pressed as a real X11 key (xdotool, through the keyboard
// layout) while a Thrown box has the focus, each with its effect checked on the match.

#include "caller/Caller.h"
#include "session/ComputerThrower.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeWidget>

namespace {

// Presses keys as a person would: xdotool sends them through the X server.
void Press(const QString& keys)
{
    const int status = QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
    if (status != 0) {
        qWarning("xdotool key %s failed with %d", qPrintable(keys), status);
    }
}

void TypeText(const QString& text)
{
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), text});
}

// Types a turn for the player to throw, presses Enter and waits until the sheet has it.
void TypeTurn(TScoreboard& board, const char* score)
{
    const int player = board.Leg().PlayerToThrow();
    const int entries = board.Leg().GetSheet(player)->EntryCount();
    TypeText(QString::fromLatin1(score));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Leg().GetSheet(player)->EntryCount(), entries + 1);
}

int LastScore(TScoreboard& board, int player)
{
    return board.Leg().GetSheet(player)->LastEntry()->Score;
}

} // namespace

class TestRealKeys : public QObject
{
    Q_OBJECT

private slots:
    void ThrowShortcutsFromTheThrownBox();
    void EnterOutshotUndoAndNextLeg();
    void QuickHintWindowByKeys();
    void PageHintsNewGameAndExit();
    void ChordsNeverTypeAndTheKeyboardComesBack();
    void TabFromTwoPlayersReachesTheNames();
    void AMatchToTwoLegsAndACorrectionByKeys();
    void HistoryAndExportByKeys();
    void BoardFullScreenAndCallerByKeys();
    void AnEarlierLegCorrectedByKeys();
    void FourPairsSetUpAndCorrectedByKeys();
    void AMatchAgainstTheComputerByKeys();
    void ALegEnteredDartByDartByKeys();
    void WhatIsLeftTypedByKeys();
};

void TestRealKeys::ThrowShortcutsFromTheThrownBox()
{
    TScoreboard board;
    QVERIFY(board.StartGame({4, false})); // Continous Points: every score is open
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    // Ctrl+digit scores the tens 0..90, Shift+Ctrl+digit 100..180.
    for (int score = 0; score <= 180; score += 10) {
        const int digit = (score / 10) % 10;
        const QString keys = score < 100 ? QStringLiteral("ctrl+%1").arg(digit)
                                         : QStringLiteral("ctrl+shift+%1").arg(digit);
        const int entries = board.Leg().GetSheet(0)->EntryCount();
        Press(keys);
        QTRY_COMPARE_WITH_TIMEOUT(board.Leg().GetSheet(0)->EntryCount(), entries + 1, 3000);
        QCOMPARE(LastScore(board, 0), score);
        QCOMPARE(QApplication::focusWidget(), board.Thrown(0));
    }
    QCOMPARE(board.Remainder(0), 1710);
}

void TestRealKeys::EnterOutshotUndoAndNextLeg()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0})); // 301, Anna starts
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    // Typed digits, letters dropped, Enter and the keypad's Enter submit.
    TypeText(QStringLiteral("1x80"));
    QTRY_COMPARE(board.Thrown(0)->text(), QStringLiteral("180"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 121);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(1));
    TypeText(QStringLiteral("60"));
    Press(QStringLiteral("KP_Enter"));
    QTRY_COMPARE(board.Remainder(1), 241);
    // Ctrl+U takes Ben's turn back although a line edit has the focus.
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(1));
    Press(QStringLiteral("ctrl+shift+1")); // Ben 110
    QTRY_COMPARE(board.Remainder(1), 191);
    TypeText(QStringLiteral("81"));
    Press(QStringLiteral("Return")); // Anna 40
    QTRY_COMPARE(board.Remainder(0), 40);
    Press(QStringLiteral("ctrl+shift+3")); // Ben 130
    QTRY_COMPARE(board.Remainder(1), 61);
    Press(QStringLiteral("alt+1")); // D20
    QTRY_VERIFY(board.Leg().Finished());
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 7);
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+Return"));
    QTRY_COMPARE(board.Window.Game().LegCount(), 2);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(1)); // Ben starts leg 2
    // Leg 2: Anna's outshot on 100, which needs two darts.
    for (const char* turn : {"101", "121", "100", "80"}) {
        const int entries = board.Leg().CurrentSheet()->EntryCount();
        const CPlayerScores* sheet = board.Leg().CurrentSheet();
        TypeText(QString::fromLatin1(turn));
        Press(QStringLiteral("KP_Enter"));
        QTRY_COMPARE(sheet->EntryCount(), entries + 1);
    }
    QCOMPARE(board.Remainder(0), 100);
    Press(QStringLiteral("ctrl+0")); // Ben
    QTRY_COMPARE(board.Leg().PlayerToThrow(), 0);
    Press(QStringLiteral("alt+1")); // disabled: 100 needs two darts, and says so
    QTRY_COMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelRefusal1"))->text(),
                 QStringLiteral("100 needs at least 2 darts"));
    Press(QStringLiteral("alt+3"));
    QTRY_VERIFY(board.Leg().Finished());
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 9);
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+u")); // reopens the leg
    QTRY_VERIFY(!board.Leg().Finished());
    Press(QStringLiteral("alt+2"));
    QTRY_VERIFY(board.Leg().Finished());
    QCOMPARE(board.Leg().GetSheet(0)->DartCount(), 8);
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    // A turn typed after the win opens no correction.
    TypeText(QStringLiteral("60"));
    Press(QStringLiteral("Return"));
    QTest::qWait(100); // nothing should happen: give a wrong reaction its chance
    QCOMPARE(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")), nullptr);
    Press(QStringLiteral("ctrl+KP_Enter"));
    QTRY_COMPARE(board.Window.Game().LegCount(), 3);
    // Ctrl+U in the new leg takes the Next Leg back.
    QTRY_VERIFY(board.Thrown(0)->hasFocus() || board.Thrown(1)->hasFocus());
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(board.Window.Game().LegCount(), 2);
    QVERIFY(board.Leg().Finished());
}

void TestRealKeys::QuickHintWindowByKeys()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(QStringLiteral(VTX_SHIPPED_TABLE)));
    QVERIFY(board.StartGame({1}));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    Press(QStringLiteral("ctrl+h"));
    QTRY_VERIFY(board.HintWindow->isVisible());
    QVERIFY(board.Action("ActionQuickShotHints")->isChecked());
    // Ctrl+H opens it to be typed into.
    QTRY_VERIFY(board.HintWindow->isActiveWindow());
    // From the scoreboard, F4 goes to the hint window; typing replaces the shown total.
    board.Window.activateWindow();
    QTRY_VERIFY(board.Window.isActiveWindow());
    Press(QStringLiteral("F4"));
    QTRY_VERIFY(board.HintWindow->isActiveWindow());
    auto* shot = Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditShot"));
    QTRY_COMPARE(QApplication::focusWidget(), shot);
    TypeText(QStringLiteral("1x21"));
    QTRY_COMPARE(shot->text(), QStringLiteral("121"));
    QCOMPARE(Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditOutshot"))->text(),
             QStringLiteral("3-Dart Outshot"));
    // F4 again: back to the scoreboard, where the Thrown box takes the keys.
    Press(QStringLiteral("F4"));
    QTRY_VERIFY(board.Window.isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeText(QStringLiteral("60"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 441);
    // Ctrl+H closes it again.
    Press(QStringLiteral("ctrl+h"));
    QTRY_VERIFY(!board.HintWindow->isVisible());
    QVERIFY(!board.Action("ActionToggleFocus")->isEnabled());
}

void TestRealKeys::PageHintsNewGameAndExit()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1}));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    auto* notebook = Find<QStackedWidget>(board.Window, QStringLiteral("Notebook"));
    Press(QStringLiteral("F3"));
    QTRY_COMPARE(notebook->currentIndex(), 1);
    Press(QStringLiteral("F3"));
    QTRY_COMPARE(notebook->currentIndex(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));

    Press(QStringLiteral("ctrl+shift+h"));
    QTRY_VERIFY(!board.Action("ActionHints")->isChecked());
    QVERIFY(!Find<QWidget>(board.Window, QStringLiteral("ListBoxHints1"))->isVisible());
    Press(QStringLiteral("ctrl+shift+h"));
    QTRY_VERIFY(board.Action("ActionHints")->isChecked());

    // Alt+T puts the focus back into the Thrown box from the score list.
    Find<QWidget>(board.Window, QStringLiteral("ListViewScores1"))->setFocus();
    QTRY_VERIFY(QApplication::focusWidget() != board.Thrown(0));
    Press(QStringLiteral("alt+t"));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));

    // Ctrl+N opens the New Game dialog; Escape cancels it and the game goes on.
    TypeText(QStringLiteral("60"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 441);
    // The dialog runs its own loop; a timer inside it answers with a real Escape once the
    // dialog has the keyboard, and again every half second while it stays open (on a loaded
    // machine a key can arrive before the window manager has made the dialog active).
    bool dialogSeen = false;
    int ticks = 0;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &poll, [&] {
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isActiveWindow() && ticks++ % 50 == 0) {
            dialogSeen = true;
            Press(QStringLiteral("Escape"));
        }
    });
    poll.start();
    Press(QStringLiteral("ctrl+n"));
    QTRY_VERIFY(dialogSeen);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(board.Remainder(0), 441);

    Press(QStringLiteral("alt+x"));
    QTRY_VERIFY(!board.Window.isVisible());
}

void TestRealKeys::ChordsNeverTypeAndTheKeyboardComesBack()
{
    TScoreboard board;
    QVERIFY(board.StartGame({1})); // 501: no one-dart finish, Alt+1 is disabled
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    Press(QStringLiteral("alt+1"));
    Press(QStringLiteral("alt+5")); // no action at all
    TypeText(QStringLiteral("40"));
    QTRY_COMPARE(board.Thrown(0)->text(), QStringLiteral("40"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 461);

    // Whichever way the hint window goes, Enter and the shortcuts work again at once.
    for (const char* closing : {"Escape", "ctrl+h"}) {
        Press(QStringLiteral("ctrl+h"));
        QTRY_VERIFY(board.HintWindow->isActiveWindow());
        Press(QString::fromLatin1(closing));
        QTRY_VERIFY(!board.HintWindow->isVisible());
        QTRY_VERIFY(board.Window.isActiveWindow());
        TypeTurn(board, "20");
    }
    // The About box, closed with Enter: the keyboard is back in the Thrown box.
    QTimer::singleShot(300, &board.Window, [] { Press(QStringLiteral("Return")); });
    board.Action("ActionAbout")->trigger();
    QTRY_VERIFY(board.Window.isActiveWindow());
    TypeTurn(board, "26");
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 2);
}

// With saved choices where the second player starts, Tab from "2 Players" reaches the name
// boxes in row order, so the names typed land in them.
void TestRealKeys::TabFromTwoPlayersReachesTheNames()
{
    TScoreboard board;
    TNewGameChoices choices = board.Dialog->Choices();
    choices.Player1Starts = false;
    choices.Player1Name = choices.Player2Name = QString();
    board.Dialog->SetChoices(choices);
    QTimer poll;
    poll.setInterval(10);
    bool typed = false;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QApplication::activeModalWidget() != nullptr && !typed &&
            QApplication::activeModalWidget()->isActiveWindow()) {
            typed = true;
            Press(QStringLiteral("Tab")); // the game, then "2 Players"
            Press(QStringLiteral("Tab")); // the checked starter
            Press(QStringLiteral("Tab"));
            TypeText(QStringLiteral("Zoe"));
            Press(QStringLiteral("Tab"));
            TypeText(QStringLiteral("Yan"));
            Press(QStringLiteral("Return"));
        }
    });
    poll.start();
    board.Action("ActionNew")->trigger();
    QTRY_VERIFY(typed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(QString::fromStdString(board.Window.Game().GetParams().Player1Name),
             QStringLiteral("Zoe"));
    QCOMPARE(QString::fromStdString(board.Window.Game().GetParams().Player2Name),
             QStringLiteral("Yan"));
    QCOMPARE(board.Leg().PlayerToThrow(), 1);
}

void TestRealKeys::AMatchToTwoLegsAndACorrectionByKeys()
{
    TScoreboard board;
    TGameChoice choice;
    choice.Game = 0; // 301, first to 2 legs
    choice.LegsToWin = 2;
    QVERIFY(board.StartGame(choice));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    // Leg 1: Anna 100, Ben 60, Anna 100, Ben 60; Anna's first 100 was really 140, corrected
    // from her list: Shift+Tab into it, Up to the turn, Enter, the score, Enter.
    TypeTurn(board, "100");
    TypeTurn(board, "60");
    TypeTurn(board, "100");
    TypeTurn(board, "60");
    Press(QStringLiteral("shift+Tab"));
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    Press(QStringLiteral("Up"));
    QTRY_COMPARE(list->currentIndex().row(), 1);
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")) != nullptr);
    TypeText(QStringLiteral("140"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 61);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeTurn(board, "61"); // Anna checks out
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+Return"));
    QTRY_COMPARE(board.Window.Game().LegCount(), 2);
    // Leg 2, Ben starts: Ben 0, Anna 180, Ben 0, Anna 121 wins the match.
    for (const char* score : {"0", "180", "0", "121"}) {
        TypeTurn(board, score);
    }
    QTRY_COMPARE(Find<QLabel>(board.Window, QStringLiteral("PanelWinner"))->text(),
                 QStringLiteral("Anna wins the match"));
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+Return")); // no further leg
    QTest::qWait(200);
    QCOMPARE(board.Window.Game().LegCount(), 2);
    QCOMPARE(board.Window.Game().MatchWinner(), 0);
}

void TestRealKeys::HistoryAndExportByKeys()
{
    TScoreboard board;
    QVERIFY(board.StartGame());
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    int history = 0;
    int exports = 0;
    connect(&board.Window, &TFormVTX::HistoryRequested, this, [&] { ++history; });
    connect(&board.Window, &TFormVTX::ExportRequested, this, [&] { ++exports; });
    Press(QStringLiteral("F6"));
    QTRY_COMPARE(history, 1);
    Press(QStringLiteral("ctrl+e"));
    QTRY_COMPARE(exports, 1);
    // Escape leaves a correction unmade and gives the keyboard back.
    TypeText(QStringLiteral("60"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Leg().PlayerToThrow(), 1);
    Find<QWidget>(board.Window, QStringLiteral("ListViewScores1"))->setFocus();
    Press(QStringLiteral("F2"));
    QTRY_VERIFY(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")) != nullptr);
    TypeText(QStringLiteral("1"));
    Press(QStringLiteral("Escape"));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(1));
    QCOMPARE(board.Remainder(0), 441);
}

// Ctrl+B shows the board and leaves the keyboard in the Thrown box; F11 in the board makes it
// full screen and back; Ctrl+B there hides it; Ctrl+Shift+C switches the caller.
void TestRealKeys::BoardFullScreenAndCallerByKeys()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0}));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    Press(QStringLiteral("ctrl+b"));
    QTRY_VERIFY(board.Window.BoardWindow() != nullptr && board.Window.BoardWindow()->isVisible());
    TFormBoard& shown = *board.Window.BoardWindow();
    QVERIFY(board.Action("ActionBoard")->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeTurn(board, "60");
    QTRY_COMPARE(shown.State().Players[0].Remainder, QStringLiteral("241"));

    shown.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    Press(QStringLiteral("F11"));
    QTRY_VERIFY(shown.isFullScreen());
    Press(QStringLiteral("F11"));
    QTRY_VERIFY(!shown.isFullScreen());
    // Typed at the board, a turn and the scoreboard's shortcuts reach the match.
    TypeText(QStringLiteral("45"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(shown.State().Players[1].Remainder, QStringLiteral("256"));
    Press(QStringLiteral("ctrl+shift+1")); // Anna 110
    QTRY_COMPARE(shown.State().Players[0].Remainder, QStringLiteral("131"));
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(shown.State().Players[0].Remainder, QStringLiteral("241"));
    Press(QStringLiteral("ctrl+0")); // Anna 0: Ben throws next, as below
    QTRY_COMPARE(board.Leg().PlayerToThrow(), 1);
    Press(QStringLiteral("ctrl+b"));
    QTRY_VERIFY(!shown.isVisible());
    QVERIFY(!board.Action("ActionBoard")->isChecked());

    board.Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board.Window));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(1));
    Press(QStringLiteral("ctrl+shift+c"));
    QTRY_VERIFY(board.Window.CallerOn());
    QVERIFY(board.Window.Caller().Enabled());
    QVERIFY(board.Thrown(1)->text().isEmpty()); // no stray letter typed
    Press(QStringLiteral("ctrl+shift+c"));
    QTRY_VERIFY(!board.Window.CallerOn());
}

// On the statistics page, Enter in the leg table opens the leg's corrections; F2 on a turn,
// the score and Enter correct it; Escape closes the dialog.
void TestRealKeys::AnEarlierLegCorrectedByKeys()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0}));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    for (const char* score : {"180", "0", "121"}) {
        TypeTurn(board, score);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("ctrl+Return"));
    QTRY_COMPARE(board.Window.Game().LegCount(), 2);
    Press(QStringLiteral("F3"));
    QTreeWidget* legs = nullptr;
    QTRY_VERIFY((legs = board.Window.findChild<QTreeWidget*>(QStringLiteral("ListViewLegs"))) !=
                    nullptr &&
                legs->isVisible()); // the page is made when it is first shown
    legs->setFocus();
    legs->setCurrentItem(legs->topLevelItem(0));
    QTRY_COMPARE(QApplication::focusWidget(), legs);
    bool typed = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (typed || dialog == nullptr || !dialog->isActiveWindow() ||
            dialog->objectName() != u"LegCorrectionDialog") {
            return;
        }
        typed = true;
        auto* turns = Find<QTreeWidget>(*dialog, QStringLiteral("ListLegTurns2"));
        turns->setFocus();
        turns->setCurrentItem(turns->topLevelItem(0));
        Press(QStringLiteral("F2"));
        TypeText(QStringLiteral("45"));
        Press(QStringLiteral("Return"));
        Press(QStringLiteral("Escape"));
    });
    poll.start();
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(typed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(board.Window.Game().GetLeg(0)->GetSheet(1)->LastEntry()->Remainder, 256);
}

// Four pairs by keys alone: the Players box, Pairs, every thrower's name by Tab; then another
// side's turn corrected from its list, reached by Ctrl+PgDown.
void TestRealKeys::FourPairsSetUpAndCorrectedByKeys()
{
    TScoreboard board;
    TNewGameChoices choices = board.Dialog->Choices();
    choices.Player1Name = choices.Player2Name = QString();
    choices.GameType = 0;
    board.Dialog->SetChoices(choices);
    QTimer poll;
    poll.setInterval(10);
    bool typed = false;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QApplication::activeModalWidget() != nullptr && !typed &&
            QApplication::activeModalWidget()->isActiveWindow()) {
            typed = true;
            // The game, "2 Players", the starter, two names, the match length: then Players.
            for (int step = 0; step < 6; ++step) {
                Press(QStringLiteral("Tab"));
            }
            Press(QStringLiteral("Up"));
            Press(QStringLiteral("Up"));
            Press(QStringLiteral("Tab"));
            Press(QStringLiteral("space")); // Pairs
            // Round past Handicap, Start, Cancel, Exit, the game, "2 Players", the starter.
            for (int step = 0; step < 8; ++step) {
                Press(QStringLiteral("Tab"));
            }
            for (const char* pair : {"Anna Ben", "Cleo Dan", "Eve Finn", "Gus Hal"}) {
                const QStringList names = QString::fromLatin1(pair).split(u' ');
                Press(QStringLiteral("Tab")); // the pair's own name stays empty
                TypeText(names[0]);
                Press(QStringLiteral("Tab"));
                TypeText(names[1]);
                Press(QStringLiteral("Tab"));
            }
            Press(QStringLiteral("Return"));
        }
    });
    poll.start();
    board.Action("ActionNew")->trigger();
    QTRY_VERIFY(typed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    const TGameParams params = board.Window.Game().GetParams();
    QCOMPARE(params.PlayerCount, 4);
    QCOMPARE(params.PlayerNames,
             (std::vector<std::string>{"Anna & Ben", "Cleo & Dan", "Eve & Finn", "Gus & Hal"}));
    QCOMPARE(params.ThrowerNames.back(), std::string("Hal"));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    for (const char* score : {"60", "100", "45", "140"}) {
        TypeTurn(board, score);
    }
    // Cleo's 100 was 120: her side's list is one Ctrl+PgDown away.
    Press(QStringLiteral("ctrl+Next"));
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), 1); // her one turn, the last row
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection2")) != nullptr);
    TypeText(QStringLiteral("120"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->LastEntry()->Remainder, 181);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0)); // back with Anna & Ben
    Press(QStringLiteral("ctrl+Prior"));
    QTRY_COMPARE(QApplication::focusWidget(), list); // the last side's list, backwards
    QCOMPARE(board.Label("Scored", 0), QStringLiteral("140"));
}

QTEST_MAIN(TestRealKeys)
// r141 or =141 in the Thrown box and the correction box: the turn that leaves that much, refused
// in words that say what it stood for; r0 checks out.
void TestRealKeys::WhatIsLeftTypedByKeys()
{
    TScoreboard board;
    QVERIFY(board.StartGame({0})); // 301, Anna starts
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeTurn(board, "r141");
    QCOMPARE(LastScore(board, 0), 160);
    auto* refusal = Find<QLabel>(board.Window, QStringLiteral("LabelRefusal2"));
    TypeText(QStringLiteral("r100"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(
        refusal->text(),
        QStringLiteral("From 301, 100 left means 201: 201 cannot be scored with three darts"));
    TypeTurn(board, "=241"); // the refused entry stays selected: typing replaces it
    QCOMPARE(LastScore(board, 1), 60);
    // Anna's 160 was a 161: corrected from her list to what it left, 140.
    Press(QStringLiteral("shift+Tab"));
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QTRY_COMPARE(list->currentIndex().row(), 1);
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(board.Window.findChild<QLineEdit*>(QStringLiteral("EditCorrection1")) != nullptr);
    TypeText(QStringLiteral("R140"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 140);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeText(QStringLiteral("r0"));
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(board.Leg().Finished());
    QCOMPARE(LastScore(board, 0), 140);
}

#include "RealKeysTest.moc"

// A person against the computer of average 60, first to 3 legs, set up and played by keys: an
// undo of the computer's turn holds it back, Ctrl+P pauses it, and it throws the same darts
// again for the same match.
void TestRealKeys::AMatchAgainstTheComputerByKeys()
{
    TScoreboard board;
    TComputerThrower& computer = board.Window.Computer();
    computer.SetPause(40);
    QSignalSpy darts(&computer, &TComputerThrower::DartsShown);
    QTimer poll;
    poll.setInterval(10);
    bool typed = false;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QApplication::activeModalWidget() != nullptr && !typed &&
            QApplication::activeModalWidget()->isActiveWindow()) {
            typed = true;
            Press(QStringLiteral("alt+t")); // first to 3 legs
            TypeText(QStringLiteral("3"));
            Press(QStringLiteral("alt+c")); // the second player is the computer
            Press(QStringLiteral("Return"));
        }
    });
    poll.start();
    board.Action("ActionNew")->trigger();
    QTRY_VERIFY(typed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    const TGameParams& params = board.Window.Game().GetParams();
    QCOMPARE(params.ComputerAverages, (std::vector<int32_t>{0, 60}));
    QCOMPARE(params.LegsToWin, 3);
    QCOMPARE(params.Player2Name, std::string("Computer (60)"));
    QVERIFY(board.Action("ActionPauseBot")->isEnabled());
    auto* computerLine = Find<QLabel>(board.Window, QStringLiteral("LabelTurnDarts2"));

    // The first turns: the computer's turn taken back waits; the person's taken back and typed
    // again brings the same darts.
    TypeTurn(board, "60");
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 2);
    const int thrown = LastScore(board, 1);
    QVERIFY(!darts.isEmpty() && !darts.front().at(1).toString().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 1);
    QVERIFY(computer.IsWaiting());
    QTRY_VERIFY(computerLine->text().startsWith(QStringLiteral("Waits after the undo")));
    Press(QStringLiteral("ctrl+u"));
    QTRY_COMPARE(board.Leg().GetSheet(0)->EntryCount(), 1);
    TypeTurn(board, "60");
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 2);
    QCOMPARE(LastScore(board, 1), thrown);
    // Ctrl+P pauses it from the person's Thrown box; Ctrl+P again lets it throw.
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    Press(QStringLiteral("ctrl+p"));
    QTRY_VERIFY(board.Action("ActionPauseBot")->isChecked());
    TypeTurn(board, "60");
    QTRY_COMPARE(computerLine->text(), QStringLiteral("Paused: Ctrl+P lets it throw"));
    QCOMPARE(computer.Throwing(), -1);
    QCOMPARE(board.Leg().GetSheet(1)->EntryCount(), 2);
    Press(QStringLiteral("ctrl+p"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 3);
    QVERIFY(!board.Action("ActionPauseBot")->isChecked());

    // In the computer's pause a turn typed is refused with the reason, never recorded for it.
    computer.SetPause(TComputerThrower::kMaxPauseMilliseconds);
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeTurn(board, "45");
    QTRY_COMPARE(computer.Throwing(), 1);
    TypeText(QStringLiteral("100"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelRefusal2"))->text(),
                 QStringLiteral("Computer (60) throws its own turns: Ctrl+P pauses it so you "
                                "can type one"));
    QCOMPARE(board.Leg().GetSheet(1)->EntryCount(), 3);
    // A correction typed while its turn comes holds the turn until the correction is done.
    Press(QStringLiteral("shift+Tab"));
    QTRY_VERIFY(qobject_cast<QTreeView*>(QApplication::focusWidget()) != nullptr);
    Press(QStringLiteral("F2"));
    QLineEdit* correction = nullptr;
    QTRY_VERIFY((correction = qobject_cast<QLineEdit*>(QApplication::focusWidget())) != nullptr &&
                correction->objectName().startsWith(u"EditCorrection"));
    const int corrected = correction->objectName().back().digitValue() - 1;
    TypeText(QStringLiteral("41"));
    computer.SetPause(40);
    board.Action("ActionPauseBot")->trigger(); // paused and going on again: its pause is short
    board.Action("ActionPauseBot")->trigger();
    QTRY_VERIFY(computer.IsHeld());
    QCOMPARE(board.Leg().GetSheet(1)->EntryCount(), 3);
    QCOMPARE(correction->text(), QStringLiteral("41"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Leg().GetSheet(1)->EntryCount(), 4);
    // The correction went to the last turn of the list it was typed in.
    QCOMPARE(board.Leg().GetSheet(corrected)->GetEntry(corrected == 0 ? 3 : 2)->Score, 41);

    // The rest of the match: the person scores 60 a turn and checks out with three darts.
    while (board.Window.Game().MatchWinner() < 0) {
        if (board.Leg().Finished()) {
            QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
            const int legs = board.Window.Game().LegCount();
            Press(QStringLiteral("ctrl+Return"));
            QTRY_COMPARE(board.Window.Game().LegCount(), legs + 1);
            continue;
        }
        QTRY_VERIFY_WITH_TIMEOUT(board.Leg().Finished() || board.Leg().PlayerToThrow() == 0, 10000);
        if (board.Leg().Finished()) {
            continue;
        }
        QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
        const int left = board.Remainder(0);
        if (CGame::CheckOutDarts(left) > 0) {
            Press(QStringLiteral("alt+3"));
            QTRY_VERIFY(board.Leg().Finished());
        } else {
            TypeTurn(board, std::to_string(std::min(60, left - 2)).c_str());
        }
    }
    const CGame& game = board.Window.Game();
    const int32_t won0 = game.GetPlayerStats(0).LegsWon;
    const int32_t won1 = game.GetPlayerStats(1).LegsWon;
    QCOMPARE(won0 + won1, game.LegCount());
    QCOMPARE(std::max(won0, won1), 3);
    QVERIFY(game.GetPlayerStats(1).DartsThrown > 0);
}

// 501 dart by dart: T20 T20 T20 twice, T20 T19 and a miss at D12, then D12. Two darts at a
// double, one hit: 50 %. A word that is no dart is refused with the reason, and a total is
// still taken.
void TestRealKeys::ALegEnteredDartByDartByKeys()
{
    TScoreboard board;
    TGameChoice choice;
    choice.TwoPlayers = false;
    choice.EnterDarts = true;
    QVERIFY(board.StartGame(choice));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    auto* line = Find<QLabel>(board.Window, QStringLiteral("LabelTurnDarts1"));
    TypeText(QStringLiteral("t20 T20 t2"));
    QTRY_COMPARE(line->text(), QStringLiteral("T20 \u00B7 T20 \u00B7 T2 = 126"));
    Press(QStringLiteral("BackSpace"));
    TypeText(QStringLiteral("25"));
    QTRY_COMPARE(line->text(), QStringLiteral("\"t25\" is not a dart"));
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(Find<QLabel>(board.Window, QStringLiteral("LabelRefusal1"))
                    ->text()
                    .contains(QStringLiteral("\"t25\" is not a dart")));
    QCOMPARE(board.Leg().GetSheet(0)->EntryCount(), 1);
    Press(QStringLiteral("ctrl+a"));
    TypeText(QStringLiteral("t20 t20 t20"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(board.Remainder(0), 321);
    QCOMPARE(line->text(), QStringLiteral("T20 \u00B7 T20 \u00B7 T20 = 180"));
    // A dart turn's correction box shows its darts whole.
    Press(QStringLiteral("shift+Tab"));
    QTRY_VERIFY(qobject_cast<QTreeView*>(QApplication::focusWidget()) != nullptr);
    Press(QStringLiteral("F2"));
    QLineEdit* correction = nullptr;
    QTRY_VERIFY((correction = board.Window.findChild<QLineEdit*>(
                     QStringLiteral("EditCorrection1"))) != nullptr);
    QCOMPARE(correction->text(), QStringLiteral("T20 T20 T20"));
    QVERIFY(correction->fontMetrics().horizontalAdvance(correction->text()) <
            correction->contentsRect().width());
    Press(QStringLiteral("Escape"));
    QTRY_COMPARE(QApplication::focusWidget(), board.Thrown(0));
    TypeTurn(board, "180"); // a total still
    TypeTurn(board, "t20 t19 m");
    QTRY_COMPARE(board.Remainder(0), 24);
    // A dart typed after the bust is refused at Enter; the line still says the turn bust.
    TypeText(QStringLiteral("20 t20 5"));
    QTRY_COMPARE(line->text(), QStringLiteral("20 \u00B7 T20 \u00B7 5 = 85 \u00B7 bust"));
    Press(QStringLiteral("Return"));
    QTRY_COMPARE(Find<QLabel>(board.Window, QStringLiteral("LabelRefusal1"))->text(),
                 QStringLiteral("No dart can follow the one that finished or bust the turn"));
    QCOMPARE(board.Remainder(0), 24);
    Press(QStringLiteral("ctrl+a"));
    TypeText(QStringLiteral("d12"));
    QTRY_VERIFY(line->text().endsWith(QStringLiteral("checkout")));
    Press(QStringLiteral("Return"));
    QTRY_VERIFY(board.Leg().Finished());
    const TPlayerStats stats = board.Window.Game().GetPlayerStats(0);
    QCOMPARE(stats.DartsAtDouble, 2);
    QCOMPARE(stats.DoublesHit, 1);
    QCOMPARE(stats.DartsThrown, 10);
    QCOMPARE(board.Window.Game().DoubleAttempts(0)[11], std::make_pair(1, 2));
    // The statistics page says so.
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    Press(QStringLiteral("F3"));
    QTRY_VERIFY(board.Window.findChild<QTreeWidget*>(QStringLiteral("ListViewStats")) != nullptr);
    auto* list = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    QTRY_VERIFY(!list->findItems(QStringLiteral("Checkout % (darts)"), Qt::MatchExactly).isEmpty());
    QCOMPARE(
        list->findItems(QStringLiteral("Checkout % (darts)"), Qt::MatchExactly).front()->text(1),
        QStringLiteral("50.00% (1/2)"));
    QCOMPARE(list->findItems(QStringLiteral("D12"), Qt::MatchContains).front()->text(1),
             QStringLiteral("1 / 2"));
}
