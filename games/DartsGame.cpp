#include "games/DartsGame.h"

#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/Cricket.h"
#include "games/HalveIt.h"
#include "games/Killer.h"
#include "games/Shanghai.h"

#include <algorithm>

const char* GameName(TGameKind kind)
{
    switch (kind) {
    case TGameKind::X01:
        return "X01";
    case TGameKind::Cricket:
        return "Cricket";
    case TGameKind::CutThroatCricket:
        return "Cut-Throat Cricket";
    case TGameKind::AroundTheClock:
        return "Around the Clock";
    case TGameKind::AroundTheClockFast:
        return "Around the Clock (fast)";
    case TGameKind::Bobs27:
        return "Bob's 27";
    case TGameKind::Checkout121:
        return "121 Checkout Practice";
    case TGameKind::Shanghai:
        return "Shanghai";
    case TGameKind::ShanghaiLong:
        return "Shanghai (1-20)";
    case TGameKind::HalveIt:
        return "Halve-It";
    case TGameKind::Killer:
        return "Killer";
    }
    return "";
}

TGameKind GameKindOf(std::string_view name)
{
    for (const TGameKind kind : kOtherGames) {
        if (name == GameName(kind)) {
            return kind;
        }
    }
    return TGameKind::X01;
}

bool IsCricket(TGameKind kind)
{
    return kind == TGameKind::Cricket || kind == TGameKind::CutThroatCricket;
}

CDartsGame::CDartsGame(int32_t players, int32_t firstPlayer)
    : m_Players(std::clamp(players, 1, 8)),
      m_FirstPlayer(InRange(firstPlayer, m_Players) ? firstPlayer : 0), m_ToThrow(m_FirstPlayer),
      m_Darts(static_cast<size_t>(m_Players), 0)
{}

TTurnRefusal CDartsGame::CheckTurn(const std::vector<TDart>& darts) const
{
    if (m_ToThrow < 0 || Over()) {
        return TTurnRefusal::GameOver;
    }
    if (darts.size() > 3) {
        return TTurnRefusal::TooManyDarts;
    }
    if (!std::all_of(darts.begin(), darts.end(), IsValidDart)) {
        return TTurnRefusal::NotADart;
    }
    const int32_t end = TurnEnd(m_ToThrow, darts);
    if (end >= 0 && static_cast<size_t>(end) + 1 < darts.size()) {
        return TTurnRefusal::DartAfterEnd;
    }
    return TTurnRefusal::None;
}

bool CDartsGame::AddTurn(const std::vector<TDart>& darts)
{
    if (CheckTurn(darts) != TTurnRefusal::None) {
        return false;
    }
    const int32_t player = m_ToThrow;
    const bool stopped = Play(player, darts);
    m_Darts[static_cast<size_t>(player)] += stopped ? static_cast<int32_t>(darts.size()) : 3;
    m_Turns.push_back({player, darts, stopped});
    PassTurn();
    return true;
}

bool CDartsGame::UndoTurn()
{
    if (m_Turns.empty()) {
        return false;
    }
    std::vector<TPlayedTurn> turns = std::move(m_Turns);
    turns.pop_back();
    m_Turns.clear();
    std::fill(m_Darts.begin(), m_Darts.end(), 0);
    m_ToThrow = m_FirstPlayer;
    Reset();
    for (const TPlayedTurn& turn : turns) {
        m_ToThrow = turn.Player;
        const bool stopped = Play(turn.Player, turn.Darts);
        m_Darts[static_cast<size_t>(turn.Player)] +=
            stopped ? static_cast<int32_t>(turn.Darts.size()) : 3;
        m_Turns.push_back({turn.Player, turn.Darts, stopped});
        PassTurn();
    }
    return true;
}

int32_t CDartsGame::TurnsOf(int32_t player) const
{
    return static_cast<int32_t>(
        std::count_if(m_Turns.begin(), m_Turns.end(),
                      [player](const TPlayedTurn& turn) { return turn.Player == player; }));
}

int32_t CDartsGame::DartsThrown(int32_t player) const
{
    return InRange(player, m_Players) ? m_Darts[static_cast<size_t>(player)] : 0;
}

bool CDartsGame::PlayerDone(int32_t /*player*/) const
{
    return false;
}

void CDartsGame::PassTurn()
{
    if (Over()) {
        m_ToThrow = -1;
        return;
    }
    for (int32_t step = 1; step <= m_Players; ++step) {
        const int32_t next = (m_ToThrow + step) % m_Players;
        if (!PlayerDone(next)) {
            m_ToThrow = next;
            return;
        }
    }
    m_ToThrow = -1;
}

int32_t SoleLeader(const std::vector<int32_t>& scores)
{
    int32_t best = -1;
    bool shared = false;
    for (size_t side = 0; side < scores.size(); ++side) {
        if (best < 0 || scores[side] > scores[static_cast<size_t>(best)]) {
            best = static_cast<int32_t>(side);
            shared = false;
        } else if (scores[side] == scores[static_cast<size_t>(best)]) {
            shared = true;
        }
    }
    return shared ? -1 : best;
}

int32_t FewestSides(TGameKind kind)
{
    return kind == TGameKind::Killer ? CKiller::kFewestPlayers : 1;
}

bool DrawsAtStart(TGameKind kind)
{
    return kind == TGameKind::Killer;
}

std::unique_ptr<CDartsGame> MakeGame(TGameKind kind, int32_t players, int32_t firstPlayer,
                                     uint64_t seed)
{
    switch (kind) {
    case TGameKind::X01:
        return nullptr;
    case TGameKind::Cricket:
    case TGameKind::CutThroatCricket:
        return std::make_unique<CCricketGame>(players, kind == TGameKind::CutThroatCricket,
                                              firstPlayer);
    case TGameKind::AroundTheClock:
    case TGameKind::AroundTheClockFast:
        return std::make_unique<CAroundTheClock>(players, kind == TGameKind::AroundTheClockFast,
                                                 firstPlayer);
    case TGameKind::Bobs27:
        return std::make_unique<CBobs27>(players, firstPlayer);
    case TGameKind::Checkout121:
        return std::make_unique<CCheckout121>(players, firstPlayer);
    case TGameKind::Shanghai:
    case TGameKind::ShanghaiLong:
        return std::make_unique<CShanghai>(
            players,
            kind == TGameKind::ShanghaiLong ? CShanghai::kLongRounds : CShanghai::kShortRounds,
            firstPlayer);
    case TGameKind::HalveIt:
        return std::make_unique<CHalveIt>(players, firstPlayer);
    case TGameKind::Killer:
        return std::make_unique<CKiller>(players, seed, firstPlayer);
    }
    return nullptr;
}
