#pragma once

// The operator's typing as a source of operations: a score typed into the Thrown box, a
// scoring or checkout shortcut, a correction typed over a past turn (in the leg in play, or in
// an earlier one from the statistics page). Each becomes an operation handed to the match
// session; what the session refuses is said in the panel where it was typed.

#include "model/Dart.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class CPlayerScores;
class QWidget;
class TEntryPlaces;
class TMatchSession;
class TGamePanel;
class TPlayerPanel;

class TTypedEntry final
{
public:
    // `window` is the parent of the dialogs the entry opens.
    TTypedEntry(TMatchSession& session, TEntryPlaces& pages, QWidget& window);

    // The sheet of the player to throw when turns can be entered now, else none.
    CPlayerScores* ThrowingSheet() const;
    // Enter: applies what the focused box holds (`atBoard`: typed at the board, into the
    // thrower's box), opens the correction of the selected turn, or, on the statistics page,
    // the corrections of the selected leg.
    void Submit(bool atBoard);
    // A scoring shortcut, and a checkout with `darts` darts (in the correction box: the
    // corrected turn is that checkout).
    void Throw(int score);
    void OutShot(int darts);
    // Alt+1..3 that no enabled checkout action took, in `player`'s Thrown or correction box.
    void CheckoutAsked(int player, int darts);
    // Corrects turn `row` of `player` in leg `legIndex` (counted from 0) to `score`, with
    // `claimedDarts` a checkout with that many darts; the reason when it cannot be made.
    QString Correct(int legIndex, int player, int row, int score, int claimedDarts);
    // The leg table's row `legIndex` was chosen on the statistics page: its turns can be
    // corrected.
    void CorrectLeg(int legIndex);
    // A digit or Backspace typed at the board goes to the Thrown box of the player to throw.
    void TypeFromBoard(int key, const QString& text);
    void FocusThrownBox();
    // Whether the operator is in the middle of something a computer's turn must not cut off: a
    // correction open (in the leg in play or an earlier one), or a turn typed but not entered.
    bool OperatorBusy() const;
    // Whether the computer throws the turns of `player` now (not paused, not waiting after an
    // undo): a turn typed or keyed for it is then refused.
    std::function<bool(int player)> ComputerThrows;
    // Called before the keyboard goes back to the Thrown box: with more than two sides the one
    // panel is brought back to the side to throw.
    std::function<void()> BeforeFocus;

    // A scoring board's visit in `side`'s box (the games' box in the other games): `now` in
    // place of `before`, what the board showed last; where the operator has edited the box
    // since, only the darts added to `before` are appended. X01 boxes take darts from then on.
    void ShowBoardDarts(int side, const std::vector<TDart>& before, const std::vector<TDart>& now);
    // Enters what `side`'s box holds, as Enter at the board does; nothing when it is empty.
    void SubmitBoardDarts(int side);

    // The dartboard pad's window ("Dart Pad"), made when first shown; it never takes the
    // keyboard, and its darts go into the Thrown box of the side to throw.
    void ShowPad(bool shown);
    QWidget* PadWindow() const { return m_PadWindow; }
    // The panel of cricket and the practice games: while such a match is in play, Enter, the
    // pad's darts and the keyboard's place are its own.
    void SetGamePanel(TGamePanel* panel) { m_GamePanel = panel; }

private:
    // Applies the open correction of `player`'s score list, or says why it cannot be made;
    // with `claimedDarts`, as a checkout with that many darts.
    void CommitCorrection(int player, int claimedDarts = 0);
    // Says in `player`'s panel why a turn keyed for the computer is refused; false when the
    // computer does not throw for `player` now.
    bool RefuseForComputer(int player);
    // Enters what `typed`'s Thrown box holds: its darts or its total.
    void SubmitPanel(TPlayerPanel& typed);

    TMatchSession& m_Session;
    TEntryPlaces& m_Pages;
    QWidget& m_Window;
    TGamePanel* GamePanel() const;

    QPointer<QWidget> m_PadWindow;
    TGamePanel* m_GamePanel = nullptr;
    bool m_LegCorrectionOpen = false;
};
