#include "GamesCallPhrases.h"

#include "AroundTheClock.h"
#include "Bobs27.h"
#include "Checkout121.h"
#include "Cricket.h"
#include "GamesMatch.h"

#include <algorithm>

namespace {

// Three darts in one bed (the same number and ring) of a cricket number.
bool ThreeInTheBed(const std::vector<TDart>& darts)
{
    if (darts.size() != 3 ||
        std::none_of(CCricketGame::kNumbers.begin(), CCricketGame::kNumbers.end(),
                     [&](int32_t number) { return number == darts[0].Segment; })) {
        return false;
    }
    return std::all_of(darts.begin(), darts.end(), [&](const TDart& dart) {
        return dart.Segment == darts[0].Segment && dart.Multiplier == darts[0].Multiplier;
    });
}

std::string Counted(int32_t count, const std::string& word)
{
    return ScoreInWords(count) + ' ' + word + (count == 1 ? "" : "s");
}

std::string CricketCall(const CCricketGame& cricket, const TPlayedTurn& turn)
{
    const auto index = cricket.TurnCount() - 1;
    const int32_t marks = cricket.TurnMarks(index);
    if (marks == 0) {
        return "no score";
    }
    std::string call = ThreeInTheBed(turn.Darts) ? "three in the bed, " : "";
    call += marks == 1 ? std::string("one mark") : Counted(marks, "mark");
    if (const int32_t points = cricket.TurnPoints(index); points > 0) {
        call += ", " + Counted(points, "point");
    }
    return call;
}

std::string Target(int32_t number)
{
    return number == 25 ? std::string("the bull") : ScoreInWords(number);
}

std::string PracticeCall(const CDartsGame& leg, const TPlayedTurn& turn)
{
    const int32_t player = turn.Player;
    if (const auto* clock = dynamic_cast<const CAroundTheClock*>(&leg)) {
        const int32_t target = clock->Target(player);
        return target == 0 ? "finished in " + std::to_string(clock->DartsThrown(player)) + " darts"
                           : "going for " + Target(target);
    }
    if (const auto* bobs = dynamic_cast<const CBobs27*>(&leg)) {
        const int32_t score = bobs->Score(player);
        return score <= 0 ? std::string("game over") : ScoreInWords(score);
    }
    if (const auto* drill = dynamic_cast<const CCheckout121*>(&leg)) {
        const std::string next = "you require " + ScoreInWords(drill->Remainder(player));
        return turn.Ended ? "game shot. " + next : next;
    }
    return {};
}

} // namespace

std::string GamesCallPhrase(const CGamesMatch& match, TCallKind kind)
{
    const CDartsGame& leg = match.CurrentLeg();
    if (kind != TCallKind::Turn || leg.TurnCount() == 0) {
        return {};
    }
    const TPlayedTurn& turn = leg.Turns().back();
    const auto* cricket = dynamic_cast<const CCricketGame*>(&leg);
    if (cricket == nullptr) {
        return PracticeCall(leg, turn);
    }
    if (leg.Winner() != turn.Player) {
        return CricketCall(*cricket, turn);
    }
    const TGameParams& params = match.Params();
    if (match.MatchWinner() >= 0) {
        return "game shot, and the match";
    }
    // The tally has taken the leg: a set won leaves no legs in the set in play.
    return params.LegsToWin > 0 && params.SetsToWin > 0 && match.LegsInSet(turn.Player) == 0
               ? "game shot, and the set"
               : "game shot, and the leg";
}
