#include "bot/Computer.h"

#include "model/DartNotation.h"

CComputer::CComputer(double average, uint64_t seed) : m_Games(average, seed) {}

TComputerTurn CComputer::NextTurn(const CMatch& match, const CGame& sheets, int32_t side) const
{
    TComputerTurn turn;
    turn.Operation.Kind = TOperationKind::Turn;
    turn.Operation.Player = side;
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        turn.Operation.Thrown = m_Games.NextTurn(*games, side);
        turn.Operation.Darts = static_cast<int32_t>(turn.Operation.Thrown.size());
        for (size_t dart = 0; dart < turn.Operation.Thrown.size() && dart < 3; ++dart) {
            turn.Thrown[dart] = DartText(turn.Operation.Thrown[dart]);
        }
        return turn;
    }
    const TBotTurn thrown = m_Games.Thrower().NextTurn(sheets, side);
    turn.Operation.Score = thrown.Score;
    turn.Operation.Darts = thrown.Darts;
    turn.Thrown = thrown.Thrown;
    // Its darts go with the turn: its darts at a double count as a player's do.
    std::string called;
    for (const std::string& dart : thrown.Thrown) {
        called.append(dart).append(1, ' ');
    }
    ParseDarts(called, turn.Operation.Thrown);
    return turn;
}
