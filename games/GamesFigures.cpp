#include "games/GamesFigures.h"

#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "games/GamesTexts.h"
#include "games/HalveIt.h"
#include "games/Killer.h"
#include "games/Shanghai.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

std::string Decimal2(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// `numerator` / `denominator` x `scale`, 0 without a denominator.
double Ratio(int64_t numerator, int64_t denominator, double scale = 1.0)
{
    return denominator > 0
               ? scale * static_cast<double>(numerator) / static_cast<double>(denominator)
               : 0.0;
}

// Per side: a figure summed (or taken at its best) over the legs of the match, each leg seen as
// its own game type.
template <typename TGame>
std::vector<int64_t> OverLegs(const CGamesMatch& match,
                              const std::function<int64_t(const TGame&, int32_t)>& figure,
                              bool best = false)
{
    // A best starts below any figure (Bob's 27 scores go below zero).
    std::vector<int64_t> values(static_cast<size_t>(match.Players()),
                                best ? std::numeric_limits<int64_t>::min() : 0);
    for (int32_t index = 0; index < match.LegCount(); ++index) {
        const auto* leg = dynamic_cast<const TGame*>(match.Leg(index));
        if (leg == nullptr) {
            continue;
        }
        for (int32_t player = 0; player < match.Players(); ++player) {
            int64_t& value = values[static_cast<size_t>(player)];
            const int64_t figureOfLeg = figure(*leg, player);
            value = best ? std::max(value, figureOfLeg) : value + figureOfLeg;
        }
    }
    for (int64_t& value : values) {
        value = value == std::numeric_limits<int64_t>::min() ? 0 : value;
    }
    return values;
}

std::vector<std::string> Texts(const std::vector<int64_t>& values)
{
    std::vector<std::string> texts;
    for (const int64_t value : values) {
        texts.push_back(std::to_string(value));
    }
    return texts;
}

// Per side: numerator / denominator x scale, with two decimals.
std::vector<std::string> Rates(const std::vector<int64_t>& numerators,
                               const std::vector<int64_t>& denominators, double scale,
                               const char* suffix = "")
{
    std::vector<std::string> texts;
    for (size_t side = 0; side < numerators.size(); ++side) {
        texts.push_back(Decimal2(Ratio(numerators[side], denominators[side], scale)) + suffix);
    }
    return texts;
}

// The cricket turns of `player`: each counted turn's marks and points.
void CricketRows(const CGamesMatch& match, const std::vector<int64_t>& darts,
                 std::vector<TFigureRow>& rows)
{
    const auto sides = static_cast<size_t>(match.Players());
    std::vector<int64_t> marks(sides, 0);
    std::vector<int64_t> points(sides, 0);
    std::vector<int64_t> most(sides, 0);
    std::vector<int64_t> fivePlus(sides, 0);
    for (int32_t index = 0; index < match.LegCount(); ++index) {
        const auto* leg = dynamic_cast<const CCricketGame*>(match.Leg(index));
        for (int32_t turn = 0; leg != nullptr && turn < leg->TurnCount(); ++turn) {
            const auto side = static_cast<size_t>(leg->Turns()[static_cast<size_t>(turn)].Player);
            const int32_t turnMarks = leg->TurnMarks(turn);
            marks[side] += turnMarks;
            points[side] += leg->TurnPoints(turn);
            most[side] = std::max<int64_t>(most[side], turnMarks);
            fivePlus[side] += turnMarks >= 5 ? 1 : 0;
        }
    }
    const bool cutThroat = match.Kind() == TGameKind::CutThroatCricket;
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Marks"), Texts(marks)});
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Marks Per Round (MPR)"), Rates(marks, darts, 3.0)});
    rows.push_back({cutThroat ? QT_TRANSLATE_NOOP("Games", "Points Given")
                              : QT_TRANSLATE_NOOP("Games", "Points Scored"),
                    Texts(points)});
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Most Marks in a Turn"), Texts(most)});
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Turns of 5+ Marks"), Texts(fivePlus)});
}

} // namespace

std::vector<TFigureRow> GamesFigures(const CGamesMatch& match)
{
    const TGameParams& params = match.Params();
    std::vector<TFigureRow> rows;
    std::vector<int64_t> legs;
    std::vector<int64_t> sets;
    for (int32_t player = 0; player < match.Players(); ++player) {
        legs.push_back(match.LegsWon(player));
        sets.push_back(match.SetsWon(player));
    }
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Legs Won"), Texts(legs)});
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Sets Won"), Texts(sets)});
    }
    const std::vector<int64_t> darts = OverLegs<CDartsGame>(
        match, [](const CDartsGame& leg, int32_t player) { return leg.DartsThrown(player); });
    rows.push_back({QT_TRANSLATE_NOOP("Games", "Darts Thrown"), Texts(darts)});
    switch (match.Kind()) {
    case TGameKind::Cricket:
    case TGameKind::CutThroatCricket:
        CricketRows(match, darts, rows);
        break;
    case TGameKind::AroundTheClock:
    case TGameKind::AroundTheClockFast: {
        const auto reached = OverLegs<CAroundTheClock>(
            match, [](const CAroundTheClock& leg, int32_t player) { return leg.Progress(player); });
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Targets Reached"), Texts(reached)});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Darts Per Target"), Rates(darts, reached, 1.0)});
        break;
    }
    case TGameKind::Bobs27: {
        const auto hits = OverLegs<CBobs27>(
            match, [](const CBobs27& leg, int32_t player) { return leg.Hits(player); });
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Doubles Hit"), Texts(hits)});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Doubles Hit %"), Rates(hits, darts, 100.0, "%")});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Best Score"),
             Texts(OverLegs<CBobs27>(
                 match, [](const CBobs27& leg, int32_t player) { return leg.Score(player); },
                 true))});
        break;
    }
    case TGameKind::Checkout121: {
        const auto played = OverLegs<CCheckout121>(
            match, [](const CCheckout121& leg, int32_t player) { return leg.Attempts(player); });
        const auto checkouts = OverLegs<CCheckout121>(
            match, [](const CCheckout121& leg, int32_t player) { return leg.Checkouts(player); });
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Targets Played"), Texts(played)});
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Checkouts"), Texts(checkouts)});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Checkout Rate"), Rates(checkouts, played, 100.0, "%")});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Best Target"),
             Texts(OverLegs<CCheckout121>(
                 match,
                 [](const CCheckout121& leg, int32_t player) { return leg.BestTarget(player); },
                 true))});
        break;
    }
    case TGameKind::Shanghai:
    case TGameKind::ShanghaiLong:
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Hits"),
                        Texts(OverLegs<CShanghai>(match, [](const CShanghai& leg, int32_t player) {
                            return leg.Hits(player);
                        }))});
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Shanghais"),
                        Texts(OverLegs<CShanghai>(match, [](const CShanghai& leg, int32_t player) {
                            return leg.ShanghaiBy() == player ? 1 : 0;
                        }))});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Best Score"),
             Texts(OverLegs<CShanghai>(
                 match, [](const CShanghai& leg, int32_t player) { return leg.Score(player); },
                 true))});
        break;
    case TGameKind::HalveIt:
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Turns Halved"),
                        Texts(OverLegs<CHalveIt>(match, [](const CHalveIt& leg, int32_t player) {
                            return leg.Halved(player);
                        }))});
        rows.push_back(
            {QT_TRANSLATE_NOOP("Games", "Best Score"),
             Texts(OverLegs<CHalveIt>(
                 match, [](const CHalveIt& leg, int32_t player) { return leg.Score(player); },
                 true))});
        break;
    case TGameKind::Killer:
        rows.push_back({QT_TRANSLATE_NOOP("Games", "Lives Taken"),
                        Texts(OverLegs<CKiller>(match, [](const CKiller& leg, int32_t player) {
                            return leg.LivesTaken(player);
                        }))});
        break;
    case TGameKind::X01:
        break;
    }
    return rows;
}

std::vector<TGamesLegRow> GamesLegRows(const CGamesMatch& match)
{
    std::vector<TGamesLegRow> rows;
    for (int32_t index = 0; index < match.LegCount(); ++index) {
        const CDartsGame& leg = *match.Leg(index);
        TGamesLegRow row;
        row.Starter = leg.TurnCount() > 0 ? leg.Turns().front().Player : leg.PlayerToThrow();
        row.Over = leg.Over();
        row.Winner = leg.Winner();
        row.WinnerDarts = row.Winner >= 0 ? leg.DartsThrown(row.Winner) : 0;
        row.Headlines = leg.Table().Headlines;
        rows.push_back(std::move(row));
    }
    return rows;
}
