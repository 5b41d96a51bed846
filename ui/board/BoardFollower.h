#pragma once

// The board on a screen that faces the players, as a follower of the match session: whoever
// changed the match (the operator, the computer, a keypad), the board shows it as it stands.
// The board's window is not made before it is wanted.

#include "model/MatchOperation.h"
#include "ui/board/BoardWindow.h"

#include <QObject>
#include <QPointer>

class CCheckoutTable;
class QWidget;
class TMatchSession;

class TBoardFollower final : public QObject
{
    Q_OBJECT

public:
    explicit TBoardFollower(const TMatchSession& session);
    ~TBoardFollower() override;

    // The operator's window lends the board its screen (the board goes to another one) and its
    // actions (their shortcuts work at the board too); null when that window goes, and the
    // board window goes with it.
    void LendOperatorWindow(QWidget* window);

    // The routes the board shows under a finishable remainder; none without a table.
    void SetCheckoutTable(const CCheckoutTable* table) { m_CheckoutTable = table; }

    // The board, made the first time it is asked for; none before.
    TFormBoard* BoardWindow() const { return m_Board; }
    TFormBoard& Board();
    void ShowBoard(bool shown);
    // What the board shows of the match as it stands.
    TBoardState BoardState() const;
    // The computer's darts of side `player` as they land; an empty text takes them off.
    void ShowDarts(int player, const QString& darts);

signals:
    // A digit or Backspace typed at the board, for the Thrown box of the side to throw.
    void ScoreKey(int key, const QString& text);
    void BoardVisibilityChanged(bool visible);

private:
    // The match changed (an operation, a new match, one put back).
    void OnMatchChanged();

    const TMatchSession& m_Session;
    QWidget* m_OperatorWindow = nullptr;
    const CCheckoutTable* m_CheckoutTable = nullptr;
    QPointer<TFormBoard> m_Board;
    int m_DartsPlayer = -1;
    QString m_Darts;
};
