#include "UnitVTXGameLogic.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int32_t kMaxTurnScore = 180;

constexpr int32_t ClassifyScore(int32_t score)
{
    // Three darts cannot make these (the best beds are 60, 57, 54, 51, 50): not a turn score.
    // 163, 166 and 169 are among them; no mix of singles, doubles, trebles and bulls gives them.
    switch (score) {
    case 163:
    case 166:
    case 169:
    case 172:
    case 173:
    case 175:
    case 176:
    case 178:
    case 179:
        return -1;
    default:
        break;
    }
    if (score < 0 || score > kMaxTurnScore) {
        return -1;
    }
    if (score <= 1) {
        return 0;
    }
    if ((score <= 40 && score % 2 == 0) || score == 50) {
        return 1;
    }
    if (score <= 110 && score != 99 && score != 102 && score != 103 && score != 105 &&
        score != 106 && score != 108 && score != 109) {
        return 2;
    }
    if (score <= 170 && score != 159 && score != 162 && score != 165 && score != 168) {
        return 3;
    }
    return 0;
}

constexpr std::array<int8_t, kMaxTurnScore + 1> kCheckOutClasses = [] {
    std::array<int8_t, kMaxTurnScore + 1> classes{};
    for (int32_t score = 0; score <= kMaxTurnScore; ++score) {
        classes[static_cast<size_t>(score)] = static_cast<int8_t>(ClassifyScore(score));
    }
    return classes;
}();

// Sums and extremes of the match fit 64 bits; the record's integer fields are 32-bit, so a
// sum beyond them is held at the largest value rather than wrapping round.
int32_t Saturated(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// One turn of `score` with `darts` claimed on a total of `previous`: the rules of a turn that
// do not depend on the state of the leg.
TThrowCheck CheckStep(const TGameParams& params, int32_t previous, int32_t score, int32_t darts)
{
    TThrowCheck check{TRefusal::None, score, darts, previous, 0};
    const int32_t checkOutClass = CGame::CheckOutDarts(score);
    if (checkOutClass == -1) {
        check.Refusal = TRefusal::NotAScore;
    } else if (params.CountUp) {
        // Totals only grow; one that would pass the largest integer is refused, not wrapped.
        if (previous > std::numeric_limits<int32_t>::max() - score) {
            check.Refusal = TRefusal::TotalTooLarge;
        }
    } else if (params.CheckOutRule && darts != 0 && checkOutClass > darts) {
        check.Refusal = TRefusal::TooFewDarts;
    } else if (score > previous) {
        check.Refusal = TRefusal::Bust;
    } else if (previous - score == 1) {
        // A total of 1 can never be finished on a double, so a turn that leaves it is refused.
        check.Refusal = TRefusal::LeavesOne;
    } else if (params.CheckOutRule && previous - score == params.TargetScore &&
               checkOutClass == 0) {
        // The target is reached only by a real checkout: a score no double can finish
        // (159, 162, 180, ...) cannot be the winning turn.
        check.Refusal = TRefusal::NoDoubleFinish;
    }
    return check;
}

int32_t TotalAfter(const TGameParams& params, int32_t previous, int32_t score)
{
    return params.CountUp ? previous + score : previous - score;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// CGame

CGame::CGame() = default;

// Legs are freed before the handlers: a handler never sees a half-destroyed match.
CGame::~CGame()
{
    ClearLegs();
}

int32_t CGame::CheckOutDarts(int32_t score)
{
    if (score < 0 || score > kMaxTurnScore) {
        return -1;
    }
    return kCheckOutClasses[static_cast<size_t>(score)];
}

void CGame::NewGame(const TGameParams& params)
{
    TGameParams copy = params;
    // A match has at least one player, and the first thrower is one of them.
    copy.PlayerCount = std::max(copy.PlayerCount, 1);
    copy.FirstPlayer =
        ((copy.FirstPlayer % copy.PlayerCount) + copy.PlayerCount) % copy.PlayerCount;
    copy.LegsToWin = std::max(copy.LegsToWin, 0);
    copy.SetsToWin = std::max(copy.SetsToWin, 0);
    ClearLegs();
    m_Params = std::move(copy);
    m_Tally.LegsInSet.assign(static_cast<size_t>(m_Params.PlayerCount), 0);
    m_Tally.SetsWon.assign(static_cast<size_t>(m_Params.PlayerCount), 0);
    NextLeg();
}

void CGame::NextLeg()
{
    if (MatchWinner() >= 0) {
        return;
    }
    if (const CLeg* current = CurrentLeg()) {
        FoldLeg(m_Tally, *current);
    }
    // The new leg's first thrower depends on the legs played before it, so it is created
    // before it joins the list.
    auto leg = std::make_unique<CLeg>(*this);
    CLeg& added = *leg;
    m_Legs.push_back(std::move(leg));
    added.Start();
}

void CGame::ClearLegs()
{
    m_Legs.clear();
    m_EarlierSums.clear(); // a new match: no legs before the one in play
    m_EarlierLegs = 0;
    m_Tally = TTally{};
    m_Tally.LegsInSet.assign(static_cast<size_t>(std::max(m_Params.PlayerCount, 0)), 0);
    m_Tally.SetsWon = m_Tally.LegsInSet;
}

// A set is won by the first to LegsToWin legs, and the leg count starts again in the next one;
// without sets the legs won count toward the match.
void CGame::FoldLeg(TTally& tally, const CLeg& leg) const
{
    ++tally.LegInSet;
    int32_t winner = -1;
    for (int32_t index = 0; index < leg.SheetCount(); ++index) {
        if (leg.GetSheet(index)->Won()) {
            winner = index;
        }
    }
    if (winner < 0 || static_cast<size_t>(winner) >= tally.LegsInSet.size()) {
        return;
    }
    const auto player = static_cast<size_t>(winner);
    ++tally.LegsInSet[player];
    if (m_Params.LegsToWin <= 0 || tally.LegsInSet[player] < m_Params.LegsToWin) {
        return;
    }
    if (m_Params.SetsToWin <= 0) {
        tally.Winner = winner;
        return;
    }
    ++tally.SetsWon[player];
    std::fill(tally.LegsInSet.begin(), tally.LegsInSet.end(), 0);
    ++tally.SetIndex;
    tally.LegInSet = 0;
    if (tally.SetsWon[player] >= m_Params.SetsToWin) {
        tally.Winner = winner;
    }
}

CGame::TTally CGame::Tally() const
{
    TTally tally = m_Tally;
    if (const CLeg* current = CurrentLeg(); current != nullptr && current->Finished()) {
        FoldLeg(tally, *current);
    }
    return tally;
}

int32_t CGame::MatchWinner() const
{
    return m_Params.LegsToWin > 0 ? Tally().Winner : -1;
}

int32_t CGame::SetsWon(int32_t player) const
{
    const TTally tally = Tally();
    return player >= 0 && static_cast<size_t>(player) < tally.SetsWon.size()
               ? tally.SetsWon[static_cast<size_t>(player)]
               : 0;
}

int32_t CGame::LegsInSet(int32_t player) const
{
    const TTally tally = Tally();
    return player >= 0 && static_cast<size_t>(player) < tally.LegsInSet.size()
               ? tally.LegsInSet[static_cast<size_t>(player)]
               : 0;
}

// The leg in play belongs to the tally before it: a won set shows on the scoreboard at once,
// but its last leg is still the one in play.
int32_t CGame::SetNumber() const
{
    return m_Tally.SetIndex + 1;
}

int32_t CGame::LegNumberInSet() const
{
    return m_Tally.LegInSet + 1;
}

// Adds one sheet's turns to the sums of the match statistics.
void CGame::AddSheet(TStatsSums& sums, const CPlayerScores& sheet) const
{
    if (sheet.m_Entries.empty()) {
        return;
    }
    const int64_t start = m_Params.StartScore;
    const TurnEntry& last = sheet.m_Entries.back();
    const int64_t sheetTurns = static_cast<int64_t>(sheet.m_Entries.size()) - 1;
    const int32_t darts = SheetDarts(sheet);
    sums.Points += m_Params.CountUp ? last.Remainder - start : start - last.Remainder;
    sums.Turns += sheetTurns;
    sums.Darts += darts;
    sums.Lowest = std::min(sums.Lowest, sheet.m_LowestTurn);
    sums.Highest = std::max(sums.Highest, sheet.m_HighestTurn);
    for (size_t band = 0; band < sums.TurnCounts.size(); ++band) {
        sums.TurnCounts[band] += sheet.m_TurnCounts[band];
    }
    sums.PossibleOutShots += sheet.m_PossibleOutShots;
    if (sheet.m_Won) {
        ++sums.LegsWon;
        sums.OutShotPoints += last.Score;
        sums.HighestOutShot = std::max(sums.HighestOutShot, last.Score);
        sums.BestLeg = sums.BestLeg == 0 ? darts : std::min(sums.BestLeg, darts);
        sums.WorstLeg = std::max(sums.WorstLeg, darts);
    }
    if (sheetTurns > 0) {
        ++sums.LegsPlayed;
        const int64_t early = std::min<int64_t>(sheetTurns, 3);
        for (int64_t turn = 1; turn <= early; ++turn) {
            sums.FirstNinePoints += sheet.m_Entries[static_cast<size_t>(turn)].Score;
        }
        // A leg of three turns or fewer counts the darts its finish took.
        sums.FirstNineDarts += sheetTurns <= 3 ? darts : 9;
    }
}

TPlayerStats CGame::StatsFromSums(const TStatsSums& sums) const
{
    TPlayerStats stats;
    stats.LegsWon = Saturated(sums.LegsWon);
    stats.PointsScored = Saturated(sums.Points);
    stats.DartsThrown = Saturated(sums.Darts);
    stats.HighestTurn = sums.Highest;
    stats.LowestTurn = sums.Lowest > kMaxTurnScore ? 0 : sums.Lowest;
    stats.PossibleOutShots = Saturated(sums.PossibleOutShots);
    stats.HighestOutShot = sums.HighestOutShot;
    stats.OutShotPoints = Saturated(sums.OutShotPoints);
    stats.Count60 = Saturated(sums.TurnCounts[CPlayerScores::kBand60]);
    stats.Count100 = Saturated(sums.TurnCounts[CPlayerScores::kBand100]);
    stats.Count140 = Saturated(sums.TurnCounts[CPlayerScores::kBand140]);
    stats.Count180 = Saturated(sums.TurnCounts[CPlayerScores::kBand180]);
    stats.BestLegDarts = sums.BestLeg;
    stats.WorstLegDarts = sums.WorstLeg;
    stats.LegsPlayed = Saturated(sums.LegsPlayed);
    if (sums.FirstNineDarts > 0) {
        stats.FirstNineAverage = static_cast<double>(sums.FirstNinePoints) /
                                 static_cast<double>(sums.FirstNineDarts) * 3.0;
    }
    if (sums.Turns > 0) {
        stats.TurnAverage = static_cast<double>(sums.Points) / static_cast<double>(sums.Turns);
        stats.DartAverage = static_cast<double>(sums.Points) / static_cast<double>(sums.Darts);
    }
    if (!m_Legs.empty()) {
        stats.DartsPerLeg = static_cast<double>(sums.Darts) / static_cast<double>(m_Legs.size());
    }
    if (sums.PossibleOutShots > 0) {
        stats.EffectiveOutShots =
            static_cast<double>(sums.LegsWon) / static_cast<double>(sums.PossibleOutShots) * 100.0;
        stats.OutShotAverage =
            static_cast<double>(sums.OutShotPoints) / static_cast<double>(sums.PossibleOutShots);
    }
    return stats;
}

// The legs before the one in play cannot change through the match's operations, so their
// sums are kept and only the leg in play is added on each call: a turn costs the same in the
// two-thousandth leg as in the first. A change to an earlier leg's sheet (possible through a
// sheet's own operations) marks the kept sums stale, and they are summed afresh.
TPlayerStats CGame::GetPlayerStats(int32_t playerIndex) const
{
    if (playerIndex < 0 || playerIndex >= m_Params.PlayerCount) {
        return StatsFromSums(TStatsSums{});
    }
    const size_t players = static_cast<size_t>(m_Params.PlayerCount);
    const int32_t earlier = std::max(LegCount() - 1, 0);
    if (m_EarlierStale || m_EarlierSums.size() != players || m_EarlierLegs > earlier) {
        m_EarlierSums.assign(players, TStatsSums{});
        m_EarlierLegs = 0;
        m_EarlierStale = false;
    }
    for (; m_EarlierLegs < earlier; ++m_EarlierLegs) {
        const CLeg& leg = *m_Legs[static_cast<size_t>(m_EarlierLegs)];
        for (size_t player = 0; player < players; ++player) {
            if (const CPlayerScores* sheet = leg.GetSheet(static_cast<int32_t>(player))) {
                AddSheet(m_EarlierSums[player], *sheet);
            }
        }
    }
    TStatsSums sums = m_EarlierSums[static_cast<size_t>(playerIndex)];
    if (const CLeg* current = CurrentLeg()) {
        if (const CPlayerScores* sheet = current->GetSheet(playerIndex)) {
            AddSheet(sums, *sheet);
        }
    }
    return StatsFromSums(sums);
}

TPlayerStats CGame::WalkPlayerStats(int32_t playerIndex) const
{
    TStatsSums sums;
    for (const std::unique_ptr<CLeg>& leg : m_Legs) {
        if (const CPlayerScores* sheet = leg->GetSheet(playerIndex)) {
            AddSheet(sums, *sheet);
        }
    }
    return StatsFromSums(sums);
}

void CGame::EarlierLegChanged(const CLeg& leg) const
{
    if (&leg != CurrentLeg()) {
        m_EarlierStale = true;
    }
}

int32_t CGame::SheetDarts(const CPlayerScores& sheet)
{
    const int32_t turns = std::max(sheet.EntryCount() - 1, 0);
    const int32_t claimedLess =
        sheet.Won() && sheet.OutShotDarts() > 0 ? 3 - sheet.OutShotDarts() : 0;
    return turns * 3 - claimedLess;
}

int32_t CGame::TurnDarts(const CPlayerScores& sheet, int32_t entry)
{
    if (entry < 1 || entry >= sheet.EntryCount()) {
        return 0;
    }
    const bool winning = sheet.Won() && entry == sheet.EntryCount() - 1;
    return winning && sheet.OutShotDarts() > 0 ? sheet.OutShotDarts() : 3;
}

std::vector<TLegSummary> CGame::LegSummaries() const
{
    std::vector<TLegSummary> summaries;
    summaries.reserve(m_Legs.size());
    for (const std::unique_ptr<CLeg>& leg : m_Legs) {
        TLegSummary summary;
        summary.Set = leg->SetNumber();
        summary.LegInSet = leg->LegNumberInSet();
        summary.Starter = leg->FirstThrower();
        for (int32_t player = 0; player < leg->SheetCount() && player < 2; ++player) {
            const CPlayerScores& sheet = *leg->GetSheet(player);
            const int32_t darts = SheetDarts(sheet);
            const TurnEntry* last = sheet.LastEntry();
            if (darts > 0 && last != nullptr) {
                const int32_t start = m_Params.StartScore;
                const int32_t points =
                    m_Params.CountUp ? last->Remainder - start : start - last->Remainder;
                summary.Average[static_cast<size_t>(player)] =
                    static_cast<double>(points) / static_cast<double>(darts) * 3.0;
            }
            if (sheet.Won()) {
                summary.Winner = player;
                summary.WinnerDarts = darts;
                summary.Checkout = last != nullptr ? last->Score : 0;
            }
        }
        summaries.push_back(summary);
    }
    return summaries;
}

void CGame::FireSheetChanged(CPlayerScores& sheet) const
{
    if (OnSheetChanged) {
        OnSheetChanged(sheet);
    }
}

void CGame::FireTurnChanged(CPlayerScores* sheet) const
{
    if (OnTurnChanged) {
        OnTurnChanged(sheet);
    }
}

void CGame::FireLegWon(CPlayerScores& sheet) const
{
    if (OnLegWon) {
        OnLegWon(sheet);
    }
}

// ---------------------------------------------------------------------------------------------
// CLeg

// The first thrower alternates from leg to leg; with sets, the first leg of each set goes to
// the player who did not start the set before it. Without sets that is FirstPlayer plus the
// number of legs already played.
CLeg::CLeg(CGame& game) : m_Game(game)
{
    const int32_t players = std::max(game.Params().PlayerCount, 1);
    const int32_t first = game.Params().FirstPlayer + game.m_Tally.SetIndex + game.m_Tally.LegInSet;
    m_PlayerToThrow = ((first % players) + players) % players;
    m_FirstThrower = m_PlayerToThrow;
    m_SetNumber = game.m_Tally.SetIndex + 1;
    m_LegNumberInSet = game.m_Tally.LegInSet + 1;
}

void CLeg::Start()
{
    const int32_t players = std::max(m_Game.Params().PlayerCount, 1);
    m_Sheets.reserve(static_cast<size_t>(players));
    for (int32_t index = 0; index < players; ++index) {
        m_Sheets.push_back(std::make_unique<CPlayerScores>(*this, index));
    }
    // Each opening entry moves the turn on by one, so after the last player the turn is back
    // at the leg's first thrower.
    for (int32_t index = 0; index < players; ++index) {
        CPlayerScores& sheet = *m_Sheets[static_cast<size_t>(index)];
        [[maybe_unused]] const bool opened = sheet.AddThrow(0, 0);
        if (index == m_PlayerToThrow) {
            m_Game.FireTurnChanged(&sheet);
        }
    }
}

int32_t CLeg::NextPlayer()
{
    ++m_PlayerToThrow;
    if (m_PlayerToThrow >= SheetCount()) {
        m_PlayerToThrow = 0;
    }
    return m_PlayerToThrow;
}

int32_t CLeg::PreviousPlayer()
{
    --m_PlayerToThrow;
    if (m_PlayerToThrow < 0) {
        m_PlayerToThrow = std::max(SheetCount() - 1, 0);
    }
    return m_PlayerToThrow;
}

void CLeg::ClearWinners()
{
    m_Game.EarlierLegChanged(*this);
    for (auto& sheet : m_Sheets) {
        sheet->m_Won = false;
    }
}

// ---------------------------------------------------------------------------------------------
// CPlayerScores

CPlayerScores::CPlayerScores(CLeg& leg, int32_t playerIndex)
    : m_Leg(leg), m_PlayerIndex(playerIndex)
{}

int32_t CPlayerScores::PreviousTotal() const
{
    return m_Entries.empty() ? m_Leg.Game().Params().StartScore : m_Entries.back().Remainder;
}

bool CPlayerScores::IsValidThrow(int32_t score, int32_t darts) const
{
    const int32_t checkOutClass = CGame::CheckOutDarts(score);
    if (m_Leg.Finished() || checkOutClass == -1) {
        return false;
    }
    const TGameParams& params = m_Leg.Game().Params();
    if (params.CountUp || !params.CheckOutRule) {
        return true;
    }
    return darts == 0 || checkOutClass <= darts;
}

TThrowCheck CPlayerScores::CheckThrow(int32_t score, int32_t darts) const
{
    TThrowCheck check{TRefusal::None, score, darts, PreviousTotal(), EntryCount()};
    if (m_Leg.Finished()) {
        check.Refusal = TRefusal::LegFinished;
        return check;
    }
    if (score == kFinishingTurn) {
        // Finishing needs a total to finish; a sheet without entries has none.
        if (m_Entries.empty()) {
            check.Refusal = TRefusal::NoTotal;
            return check;
        }
        score = m_Entries.back().Remainder;
    }
    check = CheckStep(m_Leg.Game().Params(), PreviousTotal(), score, darts);
    check.EntryIndex = EntryCount();
    return check;
}

bool CPlayerScores::AddThrow(int32_t score, int32_t darts)
{
    const TThrowCheck check = CheckThrow(score, darts);
    if (!check.Accepted()) {
        return false;
    }
    score = check.Score;
    const TGameParams& params = m_Leg.Game().Params();
    const int32_t remainder = TotalAfter(params, check.Previous, score);

    m_OutShotDarts = darts;
    if (darts != 0) {
        m_Claims.push_back({EntryCount(), darts});
    }
    const int32_t remainderClass = CGame::CheckOutDarts(remainder);
    if (remainderClass > 0) {
        ++m_PossibleOutShots;
    }
    m_Leg.Game().EarlierLegChanged(m_Leg);
    m_Entries.push_back({score, remainder});
    if (m_Entries.size() > 1) {
        CountTurn(score);
    }
    if (remainder == params.TargetScore) {
        m_Won = true;
        m_Leg.SetFinished(true);
    }

    CGame& game = m_Leg.Game();
    game.FireSheetChanged(*this);
    if (m_Leg.Finished()) {
        game.FireLegWon(*this);
    }
    m_Leg.NextPlayer();
    game.FireTurnChanged(m_Won ? nullptr : m_Leg.CurrentSheet());
    return true;
}

void CPlayerScores::CountTurn(int32_t score)
{
    m_LowestTurn = std::min(m_LowestTurn, score);
    m_HighestTurn = std::max(m_HighestTurn, score);
    if (score == 180) {
        ++m_TurnCounts[kBand180];
    } else if (score >= 140) {
        ++m_TurnCounts[kBand140];
    } else if (score >= 100) {
        ++m_TurnCounts[kBand100];
    } else if (score >= 60) {
        ++m_TurnCounts[kBand60];
    }
}

// The figures are rebuilt from the entries that remain, so that a turn taken back leaves no
// trace in the extremes, the counters or the checkout chances.
void CPlayerScores::RecountFromEntries()
{
    m_HighestTurn = 0;
    m_LowestTurn = kNoLowestTurn;
    m_TurnCounts = {};
    m_PossibleOutShots = 0;
    for (size_t index = 0; index < m_Entries.size(); ++index) {
        if (CGame::CheckOutDarts(m_Entries[index].Remainder) > 0) {
            ++m_PossibleOutShots;
        }
        if (index > 0) {
            CountTurn(m_Entries[index].Score);
        }
    }
    const int32_t last = EntryCount() - 1;
    while (!m_Claims.empty() && m_Claims.back().EntryIndex > last) {
        m_Claims.pop_back();
    }
    m_OutShotDarts =
        !m_Claims.empty() && m_Claims.back().EntryIndex == last ? m_Claims.back().Darts : 0;
}

int32_t CPlayerScores::ClaimedDarts(int32_t index) const
{
    for (const TClaim& claim : m_Claims) {
        if (claim.EntryIndex == index) {
            return claim.Darts;
        }
    }
    return 0;
}

bool CPlayerScores::ThrewLast() const
{
    if (m_Leg.Finished()) {
        return m_Won;
    }
    const int32_t players = m_Leg.SheetCount();
    return players > 0 && (m_Leg.PlayerToThrow() + players - 1) % players == m_PlayerIndex;
}

TThrowCheck CPlayerScores::CheckReplace(int32_t index, int32_t score, int32_t darts) const
{
    TThrowCheck check{TRefusal::NoSuchTurn, score, darts, 0, index};
    if (index < 1 || index >= EntryCount()) {
        return check;
    }
    const TGameParams& params = m_Leg.Game().Params();
    int32_t previous = m_Entries[static_cast<size_t>(index - 1)].Remainder;
    if (score == kFinishingTurn) {
        score = previous;
    }
    // The corrected turn and every later one must still be a turn that could have been
    // typed, and only the leg's last turn may reach the target.
    const int32_t last = EntryCount() - 1;
    for (int32_t entry = index; entry <= last; ++entry) {
        const bool corrected = entry == index;
        const int32_t turn = corrected ? score : m_Entries[static_cast<size_t>(entry)].Score;
        check = CheckStep(params, previous, turn, corrected ? darts : ClaimedDarts(entry));
        check.EntryIndex = entry;
        if (!check.Accepted()) {
            return check;
        }
        previous = TotalAfter(params, previous, turn);
        if (previous == params.TargetScore && (entry != last || !ThrewLast())) {
            check.Refusal = TRefusal::FinishesTooSoon;
            return check;
        }
    }
    check = {TRefusal::None, score, darts, m_Entries[static_cast<size_t>(index - 1)].Remainder,
             index};
    return check;
}

bool CPlayerScores::ReplaceThrow(int32_t index, int32_t score, int32_t darts)
{
    const TThrowCheck check = CheckReplace(index, score, darts);
    if (!check.Accepted()) {
        return false;
    }
    const TGameParams& params = m_Leg.Game().Params();
    m_Entries[static_cast<size_t>(index)].Score = check.Score;
    for (size_t entry = static_cast<size_t>(index); entry < m_Entries.size(); ++entry) {
        m_Entries[entry].Remainder =
            TotalAfter(params, m_Entries[entry - 1].Remainder, m_Entries[entry].Score);
    }
    // Claims stay in entry order.
    std::erase_if(m_Claims, [index](const TClaim& claim) { return claim.EntryIndex == index; });
    if (darts != 0) {
        const auto at = std::find_if(m_Claims.begin(), m_Claims.end(),
                                     [index](const TClaim& c) { return c.EntryIndex > index; });
        m_Claims.insert(at, {index, darts});
    }
    RecountFromEntries();

    const bool wasWon = m_Won;
    m_Leg.Game().EarlierLegChanged(m_Leg);
    m_Won = m_Entries.back().Remainder == params.TargetScore;
    CGame& game = m_Leg.Game();
    if (m_Won != wasWon) {
        // The turn stays with the player after this one, as after a winning turn or after
        // an undo and a new turn.
        m_Leg.SetFinished(m_Won);
    }
    game.FireSheetChanged(*this);
    if (m_Won && !wasWon) {
        game.FireLegWon(*this);
        game.FireTurnChanged(nullptr);
    } else if (wasWon && !m_Won) {
        game.FireTurnChanged(m_Leg.CurrentSheet());
    }
    return true;
}

bool CPlayerScores::DeleteLastEntry()
{
    if (m_Entries.empty()) {
        return false;
    }
    m_Leg.Game().EarlierLegChanged(m_Leg);
    m_Entries.pop_back();
    RecountFromEntries();
    return true;
}

bool CPlayerScores::UndoThrow()
{
    CLeg& leg = m_Leg;
    CGame& game = leg.Game();
    leg.PreviousPlayer();
    leg.ClearWinners();
    leg.SetFinished(false);
    game.FireTurnChanged(leg.CurrentSheet());
    CPlayerScores* thrower = leg.CurrentSheet();
    if (thrower == nullptr || !thrower->DeleteLastEntry()) {
        return false;
    }
    game.FireSheetChanged(*thrower);
    return true;
}

bool CPlayerScores::CanUndoThrow() const
{
    const int32_t players = m_Leg.SheetCount();
    if (players == 0) {
        return false;
    }
    const int32_t previous = m_Leg.PlayerToThrow() == 0 ? players - 1 : m_Leg.PlayerToThrow() - 1;
    return m_Leg.GetSheet(previous)->EntryCount() > 1;
}

int32_t CPlayerScores::PointsScored() const
{
    if (m_Entries.empty()) {
        return 0;
    }
    const int32_t start = m_Leg.Game().Params().StartScore;
    const int32_t last = m_Entries.back().Remainder;
    return m_Leg.Game().Params().CountUp ? last - start : start - last;
}

int32_t CPlayerScores::DartCount() const
{
    const int32_t turns = std::max(EntryCount() - 1, 0);
    int32_t darts = turns * 3;
    if (m_Won && m_OutShotDarts > 0) {
        darts = darts - 3 + m_OutShotDarts;
    }
    return darts;
}

double CPlayerScores::TurnAverage() const
{
    const int32_t turns = EntryCount() - 1;
    return turns > 0 ? static_cast<double>(PointsScored()) / turns : 0.0;
}

double CPlayerScores::DartAverage() const
{
    const int32_t darts = DartCount();
    return darts > 0 ? static_cast<double>(PointsScored()) / darts : 0.0;
}
