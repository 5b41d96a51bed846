#pragma once

#include <QDialog>
#include <array>
#include <functional>

class CGame;
class QLabel;
class QTreeWidget;
class TDigitEdit;

// "Correct Leg N" (LegCorrectionDialog), opened from the statistics page's leg table: each
// player's turns of that leg (ListLegTurns1, ListLegTurns2); a turn chosen (Enter, F2 or a
// double-click) is corrected in EditLegCorrection (Enter; Alt+1..3 a checkout with that many
// darts) with the same refusals as in the score lists, said in LabelLegRefusal.
class TLegCorrectionDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxSides = 8;

    // Makes a correction; returns why it cannot be made, empty when it was.
    using TCorrect = std::function<QString(int player, int row, int score, int claimedDarts)>;

    TLegCorrectionDialog(const CGame& game, int legIndex, TCorrect correct,
                         QWidget* parent = nullptr);

    // Opens the correction of `player`'s turn `row` (as the lists number them, from 1).
    bool StartCorrection(int player, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void Commit(int claimedDarts);

    const CGame& m_Game;
    int m_Leg = 0;
    TCorrect m_Correct;
    std::array<QTreeWidget*, kMaxSides> m_Lists{};
    QLabel* m_Turn = nullptr;
    TDigitEdit* m_Edit = nullptr;
    QLabel* m_Refusal = nullptr;
    int m_Player = -1;
    int m_Row = -1;
};
