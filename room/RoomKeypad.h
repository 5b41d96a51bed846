#pragma once

// The room's keypad pages as a source of operations, and the state every page is sent: a
// keypad's request becomes an operation of the match session, like a typed turn, taken only
// against the state it was typed on; the state is the board's, with the keypad's part (the
// side to throw, whether the leg or the match is over, what the keypad may send). JSON keys
// and values the pages read are protocol: never translated.

#include "room/RoomService.h"
#include "session/MatchSession.h"
#include "words/BoardState.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <functional>

class TRoomKeypad final : public QObject
{
    Q_OBJECT

public:
    // `board`: the board's state as it stands (with the computer's darts as they land);
    // `ready`: whether the window can take a match's operations yet.
    TRoomKeypad(TMatchSession& session, std::function<TBoardState()> board,
                std::function<bool()> ready);

    // A keypad's message, applied to the match in play when it may be.
    TRoomReply Submit(const QByteArray& message);
    // The match as the pages show it, as JSON (`request`: the keypad request that made this
    // change, -1 for any other).
    QByteArray StateJson(int64_t request) const;
    // The competition played here, sent with every state as "competition" for the standings
    // page (empty: none; nothing is sent).
    void SetCompetition(const QJsonObject& competition) { m_Competition = competition; }
    // The keypad request being applied now; -1 for none.
    int64_t Request() const { return m_Request; }

private:
    TMatchSession& m_Session;
    std::function<TBoardState()> m_Board;
    std::function<bool()> m_Ready;
    int64_t m_Request = -1;
    QJsonObject m_Competition;
    // One more with every operation applied and every match started or resumed: the state's
    // "version", which a keypad's request must name ("for").
    int64_t m_Version = 0;
};
