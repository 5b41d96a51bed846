#pragma once

#include "model/UnitVTXGameLogic.h"

#include <QFrame>
#include <QPointer>
#include <vector>

class CCheckoutTable;
class CGame;
class CPlayerScores;
class QLabel;
class QListWidget;
class QTreeView;
class TDigitEdit;
class TScoreListModel;
struct TPlayerStats;
struct TThrowCheck;

// One player's side of the "Default" page (PanelLeft for player 0, PanelRight for player 1,
// mirrored): the name bar, the statistics column with the shot hints, the score list of the
// current leg and the Thrown box. It shows what the window tells it; the match is changed
// only by the window. A past turn can be corrected in place: StartCorrection opens a box over
// its score, and the window commits it.
class TPlayerPanel final : public QFrame
{
    Q_OBJECT

public:
    TPlayerPanel(const CGame& game, int player, QWidget* parent = nullptr);

    TDigitEdit* Thrown() const { return m_Thrown; }
    QTreeView* Scores() const { return m_Scores; }
    QListWidget* Hints() const { return m_Hints; }

    void SetName(const QString& name);
    // The side whose sheet the panel shows; with more than two sides one panel shows the side
    // chosen (the side to throw, or another for a correction).
    int Player() const { return m_Player; }
    void SetPlayer(int player);
    // The sheet's figures, its rows with the last one selected, and the match figures.
    void ShowSheet(const CPlayerScores& sheet, const TPlayerStats& match);
    // "Legs 2 · Sets 1" under the name; an empty text hides the line.
    void ShowMatchScore(const QString& text);
    // Empties the score and hint lists before a new game.
    void Clear();
    void FillHints(const CCheckoutTable* table, int score);
    void SetHintsShown(bool shown);
    // The player to throw: Thrown box and its label enabled, the name in the text colour.
    void SetActive(bool active);

    // The line under the Thrown box: the darts of the side's last turn, of the computer's
    // turn as they land ("T20 · T20"), or what the computer waits for; an empty text hides
    // it. While darts are typed the line shows them and their running score instead.
    void ShowDarts(const QString& text);
    QString Darts() const;
    // Turns typed dart by dart into the Thrown box (a total is still taken).
    void SetDartsMode(bool on);
    // A dart tapped on the pad goes after those typed; Back takes the last word away.
    void AppendDart(const QString& dart);
    void RemoveLastDart();
    // The darts a scoring board has read so far, in place of what the box holds.
    void SetTypedDarts(const QString& darts);
    // The darts typed, as the line shows them; the reason when a word is no dart.
    QString TypedDarts(std::vector<TDart>* darts = nullptr) const;

    // Why the last turn or correction was refused; it goes at the next key press.
    void ShowRefusal(const QString& text);
    void HideRefusal();
    QString Refusal() const;

    // Opens the correction box over the score of row `row` (a turn, not the opening entry).
    bool StartCorrection(int row);
    void EndCorrection();
    // Whether a correction box is open, with the keyboard or not.
    bool CorrectionOpen() const;
    // The open correction box while it has the keyboard, else none.
    TDigitEdit* ActiveCorrection() const;
    int CorrectionRow() const { return m_CorrectionRow; }
    // The row selected in the score list while the list has the keyboard, else -1.
    int FocusedRow() const;

signals:
    // The correction box was closed with Escape: the keyboard goes back to the player to throw.
    void CorrectionClosed();
    // Alt+1..3 in the Thrown or correction box that no enabled command took.
    void CheckoutAsked(int darts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectLastRow();
    // The name, elided to the name bar's width.
    void ShowName();

    int m_Player = 0;
    QLabel* m_Name = nullptr;
    QString m_FullName;
    QLabel* m_MatchScore = nullptr;
    TDigitEdit* m_Thrown = nullptr;
    QLabel* m_ThrownLabel = nullptr;
    QLabel* m_RefusalLabel = nullptr;
    QLabel* m_DartsLabel = nullptr;
    QString m_DartsLine;
    const CGame& m_Game;
    QTreeView* m_Scores = nullptr;
    TScoreListModel* m_Model = nullptr;
    QLabel* m_Turns = nullptr;
    QLabel* m_Darts = nullptr;
    QLabel* m_Scored = nullptr;
    QLabel* m_TurnAvg = nullptr;
    QLabel* m_DartAvg = nullptr;
    QLabel* m_Legs = nullptr;
    QLabel* m_GTurnAvg = nullptr;
    QLabel* m_GDartAvg = nullptr;
    QLabel* m_HintsLabel = nullptr;
    QListWidget* m_Hints = nullptr;
    QPointer<TDigitEdit> m_Correction;
    int m_CorrectionRow = -1;
};
