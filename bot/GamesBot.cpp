#include "bot/GamesBot.h"

#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/Cricket.h"
#include "games/HalveIt.h"
#include "games/Killer.h"
#include "games/Shanghai.h"

#include <algorithm>

namespace {

TBed Scoring(int32_t number)
{
    return number == 25 ? TBed{TRing::Bull, 25} : TBed{TRing::Treble, number};
}

TBed CricketAim(const CCricketGame& game, int32_t me)
{
    const auto closed = [&](int32_t player, int32_t number) {
        return game.Marks(player, number) >= 3;
    };
    // The leader among the others: the most points, in cut-throat the fewest.
    int32_t leader = -1;
    for (int32_t other = 0; other < game.Players(); ++other) {
        if (other != me &&
            (leader < 0 || (game.CutThroat() ? game.Points(other) < game.Points(leader)
                                             : game.Points(other) > game.Points(leader)))) {
            leader = other;
        }
    }
    const bool ahead = leader < 0 || (game.CutThroat() ? game.Points(me) < game.Points(leader)
                                                       : game.Points(me) > game.Points(leader));
    if (!ahead) {
        for (const int32_t number : CCricketGame::kNumbers) {
            bool threat = false;
            for (int32_t other = 0; other < game.Players(); ++other) {
                threat = threat || (other != me && closed(other, number));
            }
            if (threat && !closed(me, number)) {
                return Scoring(number); // close what an opponent scores on
            }
        }
        for (const int32_t number : CCricketGame::kNumbers) {
            bool open = false;
            for (int32_t other = 0; other < game.Players(); ++other) {
                const bool counts = game.CutThroat() ? other == leader : other != me;
                open = open || (counts && !closed(other, number));
            }
            if (closed(me, number) && open) {
                return Scoring(number); // score where the others (the leader) are open
            }
        }
    }
    for (const int32_t number : CCricketGame::kNumbers) {
        if (!closed(me, number)) {
            return Scoring(number); // open the highest number still open
        }
    }
    return Scoring(20);
}

} // namespace

CGamesBot::CGamesBot(double average, uint64_t seed) : m_Bot(average, seed) {}

TBed CGamesBot::Aim(const CDartsGame& game, int32_t player, const std::vector<TDart>& thrown,
                    bool& careful) const
{
    careful = false;
    // A good thrower takes the treble where a hit anywhere on the number counts.
    const bool steady = m_Bot.Spread().Horizontal <= 9.0;
    // The games aimed by their round's target read the game as it stood before the turn.
    if (const auto* bobs = dynamic_cast<const CBobs27*>(&game)) {
        careful = true;
        const TDart target = bobs->Target(player);
        return target.Segment == 25 ? TBed{TRing::Bull, 25} : TBed{TRing::Double, target.Segment};
    }
    if (const auto* shanghai = dynamic_cast<const CShanghai*>(&game)) {
        const int32_t number = std::max(shanghai->Target(player), 1);
        bool rings[4] = {false, false, false, false};
        for (const TDart& dart : thrown) {
            rings[dart.Segment == number ? dart.Multiplier : 0] = true;
        }
        // Two of the three beds in: the third makes a Shanghai.
        if (rings[1] + rings[2] + rings[3] == 2) {
            careful = !rings[2];
            return {!rings[1] ? TRing::Single : !rings[2] ? TRing::Double : TRing::Treble, number};
        }
        return {TRing::Treble, number};
    }
    if (const auto* halve = dynamic_cast<const CHalveIt*>(&game)) {
        const int32_t target = halve->Target(player);
        const bool hit = std::any_of(thrown.begin(), thrown.end(), [target](const TDart& dart) {
            return CHalveIt::OnTarget(target, dart);
        });
        if (target == CHalveIt::kAnyDouble) {
            careful = true;
            return {TRing::Double, 20};
        }
        if (target == CHalveIt::kAnyTreble) {
            return {TRing::Treble, 20};
        }
        if (target == 25) {
            return {TRing::Bull, 25};
        }
        return {hit || steady ? TRing::Treble : TRing::Single, target};
    }
    // The others read it as it stands after this turn's darts so far.
    std::unique_ptr<CDartsGame> after = game.Copy();
    if (!thrown.empty()) {
        after->AddTurn(thrown);
    }
    if (const auto* cricket = dynamic_cast<const CCricketGame*>(after.get())) {
        return CricketAim(*cricket, player);
    }
    if (const auto* clock = dynamic_cast<const CAroundTheClock*>(after.get())) {
        const int32_t target = std::max(clock->Target(player), 1);
        return target == 25              ? TBed{TRing::Bull, 25}
               : clock->Fast() && steady ? TBed{TRing::Treble, target}
                                         : TBed{TRing::Single, target};
    }
    if (const auto* drill = dynamic_cast<const CCheckout121*>(after.get())) {
        const int32_t remainder = drill->Remainder(player);
        const TBed aim = m_Bot.Aim(remainder, 3 - static_cast<int32_t>(thrown.size()), true);
        careful = aim.Finishes() && aim.Points() == remainder;
        return aim;
    }
    if (const auto* killer = dynamic_cast<const CKiller*>(after.get())) {
        careful = true;
        if (!killer->IsKiller(player)) {
            return {TRing::Double, killer->Number(player)};
        }
        int32_t victim = -1;
        for (int32_t other = 0; other < killer->Players(); ++other) {
            if (other != player && killer->Lives(other) > 0 &&
                (victim < 0 || killer->Lives(other) < killer->Lives(victim))) {
                victim = other;
            }
        }
        return {TRing::Double, killer->Number(victim < 0 ? player : victim)};
    }
    return m_Bot.ScoringAim();
}

std::vector<TDart> CGamesBot::Throw(const CDartsGame& game, int32_t player, uint64_t turnKey) const
{
    std::vector<TDart> darts;
    for (int32_t dart = 0; dart < 3; ++dart) {
        bool careful = false;
        const TBed aim = Aim(game, player, darts, careful);
        darts.push_back(DartOf(m_Bot.ThrowAt(aim, careful, turnKey, dart)));
        // A dart that ended the turn (a win, a target done, the thrower out): none follows.
        std::vector<TDart> more = darts;
        more.push_back({0, 1});
        if (dart < 2 && game.CheckTurn(more) == TTurnRefusal::DartAfterEnd) {
            break;
        }
    }
    return darts;
}

std::vector<TDart> CGamesBot::NextTurn(const CGamesMatch& match, int32_t player) const
{
    const CDartsGame& leg = match.CurrentLeg();
    // The turn's stream: the leg, the side and the turn, nothing of the past.
    const uint64_t key = (static_cast<uint64_t>(match.LegCount()) << 40U) ^
                         (static_cast<uint64_t>(player) << 32U) ^
                         static_cast<uint64_t>(leg.TurnCount());
    return Throw(leg, player, key);
}

double SimulateGamesFigure(double average, TGameKind kind, int32_t games, uint64_t seed)
{
    const CGamesBot first(average, seed);
    const CGamesBot second(average, seed ^ 0xA5A5A5A5A5A5A5A5ULL);
    double sum = 0.0;
    for (int32_t game = 0; game < games; ++game) {
        const bool cricket = IsCricket(kind);
        const std::unique_ptr<CDartsGame> played = MakeGame(kind, cricket ? 2 : 1, game % 2);
        for (uint64_t turn = 0; !played->Over() && turn < 400; ++turn) {
            const int32_t player = played->PlayerToThrow();
            const CGamesBot& bot = player == 0 ? first : second;
            const uint64_t key = (static_cast<uint64_t>(game) << 32U) ^ turn;
            if (!played->AddTurn(bot.Throw(*played, player, key))) {
                break;
            }
        }
        if (const auto* board = dynamic_cast<const CCricketGame*>(played.get())) {
            sum += (board->MarksPerRound(0) + board->MarksPerRound(1)) / 2.0;
        } else if (const auto* bobs = dynamic_cast<const CBobs27*>(played.get())) {
            sum += std::max(bobs->Score(0), 0); // out (at or below zero) counts as 0
        }
    }
    return games > 0 ? sum / games : 0.0;
}
