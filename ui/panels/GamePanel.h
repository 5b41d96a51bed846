#pragma once

// The panel of a match of cricket or a practice game, in place of the X01 players' panels:
// every side's column (name, legs, headline figure, the game's rows: the cricket marks grid
// with points and marks per round, or a practice game's figures), the side to throw marked,
// the darts box where the operator types the turn ("T20 S19 miss", Enter), and a line for the
// last turn, a refusal or the winner. It follows the match session and hands it the turns.

#include "games/GamesMatch.h"

#include <QString>
#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class TMatchSession;

class TGamePanel final : public QWidget
{
    Q_OBJECT

public:
    // Whether `match` is drawn on this panel (cricket and the practice games, turn by turn in
    // darts) rather than on the X01 player panels: the one place the window tells them apart.
    static bool Draws(const CMatch& match);

    TGamePanel(TMatchSession& session, QWidget* parent);

    // Shows the match in play as it stands (the grid made again for a new match).
    void ShowMatch();
    // The darts box (EditGameDarts).
    QLineEdit* DartsEdit() const { return m_Edit; }
    // Applies the darts typed as the turn of the side to throw, or says why it cannot be.
    void Submit();
    // A dart from the Dart Pad, and its Back.
    void AppendDart(const TDart& dart);
    void RemoveLastDart();
    // The darts a scoring board has read so far, in place of what the box holds.
    void SetTypedDarts(const QString& darts);
    // The computer's darts of side `side`'s turn as it throws them, in the prompt's place; with
    // none, `held` (why it does not throw: paused, waiting after an undo) when the side to throw
    // is the computer's; with neither, the prompt again.
    void ShowComputerDarts(int side, const QString& darts, const QString& held = QString());
    // "Cricket · first to 3 legs · Leg 2", "… · Anna wins the match".
    QString Title() const;

signals:
    // A leg was won ("Anna wins", "… wins the match"), or a practice game ended.
    void LegWon(const QString& line);
    void TitleChanged(const QString& title);

private:
    // The match in play when this panel draws it; none otherwise.
    const CGamesMatch* Played() const;
    void Rebuild(const CGamesMatch& match);
    void Refresh();
    QLabel* Cell(const QString& name, int row, int column, int pointSize, bool bold,
                 bool mark = false);

    TMatchSession& m_Session;
    QWidget* m_Table = nullptr;
    QGridLayout* m_Grid = nullptr;
    QLineEdit* m_Edit = nullptr;
    QLabel* m_Prompt = nullptr;
    // The prompt shows the computer's darts; why the computer does not throw (paused, waiting
    // after an undo), shown in the prompt on its turn.
    bool m_ComputerShown = false;
    QString m_Held;
    QLabel* m_Message = nullptr;
    std::vector<QLabel*> m_Names;
    std::vector<QLabel*> m_Headlines;
    std::vector<std::vector<QLabel*>> m_Cells; // [row][side]
    std::vector<QLabel*> m_RowLabels;
    int m_Players = 0;
    TGameKind m_Kind = TGameKind::X01;
    int m_Legs = 0;
};
