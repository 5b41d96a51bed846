#pragma once

// What the scoreboard does for the room: the board on a screen that faces the players, and the
// caller's voice. Both follow the match session directly, whoever changed the match (the
// operator, later the computer or a keypad); neither is made before it is wanted.

#include "caller/CallerWords.h"
#include "model/MatchOperation.h"
#include "ui/board/BoardWindow.h"

#include <QObject>
#include <QPointer>

class CCheckoutTable;
class QWidget;
class TCaller;
class TMatchSession;

class TRoomFollower final : public QObject
{
    Q_OBJECT

public:
    // `operatorWindow` lends its screen (the board goes to another one) and its actions (their
    // shortcuts work at the board too).
    TRoomFollower(const TMatchSession& session, QWidget& operatorWindow);
    ~TRoomFollower() override;

    TCaller& Caller() const { return *m_Caller; }
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
    // `operation` was applied (none: a match was started or put back).
    void Follow(const TMatchOperation* operation);

    const TMatchSession& m_Session;
    QWidget& m_OperatorWindow;
    const CCheckoutTable* m_CheckoutTable = nullptr;
    TCaller* m_Caller = nullptr;
    TCallLanguage m_CallLanguage = TCallLanguage::English;
    QPointer<TFormBoard> m_Board;
    int m_DartsPlayer = -1;
    QString m_Darts;
};
