#pragma once

// The match's events for the room's events stream (lights, home automation, stream tools):
// one JSON object per event, its name in "event" and its figures beside it, the same shape
// for every kind of match:
//   {"event":"match","game":"Standard 501","sides":[{"name":"Anna","throwers":["Anna"]},...],
//    "legsToWin":3,"setsToWin":0}
//   {"event":"dart","side":0,"name":"Anna","thrower":"Anna","dart":"T20","darts":["T20","T20"]}
//   {"event":"turn","side":0,"name":"Anna","thrower":"Anna","darts":["T20","T20","T20"],
//    "score":180,"remainder":321,"bust":false}        (cricket: "score" its points, "marks";
//                                                       the other games: "figure")
//   {"event":"checkout","side":0,"name":"Anna","score":121,"darts":["T20","11","D25"]}
//   {"event":"leg","side":0,"name":"Anna","legs":[1,0],"sets":[0,0]}
//   {"event":"set","side":0,"name":"Anna","sets":[1,0]}
//   {"event":"match-won","side":0,"name":"Anna"}
//   {"event":"undo","side":1,"name":"Ben"}
//   {"event":"to-throw","side":1,"name":"Ben","thrower":"Ben"}
// Keys and values are protocol: never translated.

#include "model/Dart.h"
#include "session/MatchSession.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <functional>
#include <vector>

class TRoomEvents final : public QObject
{
    Q_OBJECT

public:
    // `send` gets each event; `greeting`: it is the match in play, for streams that open later.
    TRoomEvents(TMatchSession& session, std::function<void(const QByteArray&, bool greeting)> send);

    // Darts as they land (a scoring board's visit, the computer's): the newest is the event.
    void Darts(int side, const std::vector<TDart>& darts);
    // The match in play and who throws, as a stream that opens now is told.
    void Greet();

private:
    void OnApplied(const TMatchOperation& operation);
    void Send(QJsonObject event, bool greeting = false);
    void SendToThrow();
    QJsonObject SideEvent(const char* name, int side) const;
    // Remembers the tally, so that the next operation's legs, sets and winner show as events.
    void Tally();

    TMatchSession& m_Session;
    std::function<void(const QByteArray&, bool)> m_Send;
    std::vector<int32_t> m_Legs;
    std::vector<int32_t> m_Sets;
    int32_t m_Winner = -1;
    // Each side's thrower to come, named when its turn arrives (a pair's alternate).
    std::vector<QString> m_Throwers;
};
