#include "model/UnitVTXGameLogic.h"

#include "model/X01TurnSheet.h"

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
    // A match has one to kMaxPlayers sides, and the first thrower is one of them.
    copy.PlayerCount = std::clamp(copy.PlayerCount, 1, kMaxPlayers);
    copy.FirstPlayer =
        ((copy.FirstPlayer % copy.PlayerCount) + copy.PlayerCount) % copy.PlayerCount;
    copy.LegsToWin = std::max(copy.LegsToWin, 0);
    copy.SetsToWin = std::max(copy.SetsToWin, 0);
    copy.TeamSize = std::clamp(copy.TeamSize, 1, 2);
    // A handicap that no leg could be played from (below 2) counts as no handicap.
    for (int32_t& start : copy.StartScores) {
        if (start < 2) {
            start = copy.StartScore;
        }
    }
    // The names of the first two sides are one thing however they were given.
    if (!copy.PlayerNames.empty()) {
        copy.Player1Name = copy.PlayerNames[0];
        if (copy.PlayerNames.size() > 1) {
            copy.Player2Name = copy.PlayerNames[1];
        }
    }
    ClearLegs();
    m_Params = std::move(copy);
    m_Tally = TMatchTally(m_Params.PlayerCount);
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

bool CGame::CanUndoNextLeg() const
{
    const CLeg* current = CurrentLeg();
    if (LegCount() < 2 || current == nullptr) {
        return false;
    }
    for (int32_t index = 0; index < current->SheetCount(); ++index) {
        if (current->GetSheet(index)->EntryCount() > 1) {
            return false;
        }
    }
    return true;
}

bool CGame::UndoNextLeg()
{
    if (!CanUndoNextLeg()) {
        return false;
    }
    m_Legs.pop_back();
    // The tally holds the legs before the one in play: folded again without the last.
    m_Tally = TMatchTally(m_Params.PlayerCount);
    for (int32_t index = 0; index + 1 < LegCount(); ++index) {
        FoldLeg(m_Tally, *m_Legs[static_cast<size_t>(index)]);
    }
    CLeg& leg = *CurrentLeg();
    for (int32_t index = 0; index < leg.SheetCount(); ++index) {
        FireSheetChanged(*leg.GetSheet(index));
    }
    FireTurnChanged(leg.Finished() ? nullptr : leg.CurrentSheet());
    return true;
}

TThrowCheck CGame::CheckCorrectionInLeg(int32_t leg, int32_t player, int32_t entry, int32_t score,
                                        int32_t darts) const
{
    const CLeg* corrected = GetLeg(leg);
    const CPlayerScores* sheet = corrected != nullptr ? corrected->GetSheet(player) : nullptr;
    if (sheet == nullptr) {
        return {TRefusal::NoSuchTurn, score, darts, 0, entry};
    }
    TThrowCheck check = sheet->CheckReplace(entry, score, darts);
    if (check.Accepted() && leg != LegCount() - 1 && sheet->Won() &&
        check.Score != sheet->GetEntry(entry)->Score) {
        check.Refusal = TRefusal::ChangesLegResult;
    }
    return check;
}

bool CGame::CorrectInLeg(int32_t leg, int32_t player, int32_t entry, int32_t score, int32_t darts)
{
    return CheckCorrectionInLeg(leg, player, entry, score, darts).Accepted() &&
           GetLeg(leg)->GetSheet(player)->ReplaceThrow(entry, score, darts);
}

void CGame::ClearLegs()
{
    m_Legs.clear();
    m_EarlierSums.clear(); // a new match: no legs before the one in play
    m_EarlierLegs = 0;
    m_Tally = TMatchTally(m_Params.PlayerCount);
}

void CGame::FoldLeg(TMatchTally& tally, const CLeg& leg) const
{
    int32_t winner = -1;
    for (int32_t index = 0; index < leg.SheetCount(); ++index) {
        if (leg.GetSheet(index)->Won()) {
            winner = index;
        }
    }
    tally.Fold(winner, m_Params.LegsToWin, m_Params.SetsToWin);
}

TMatchTally CGame::Tally() const
{
    TMatchTally tally = m_Tally;
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
    return TMatchTally::Of(Tally().SetsWon, player);
}

int32_t CGame::LegsInSet(int32_t player) const
{
    return TMatchTally::Of(Tally().LegsInSet, player);
}

int32_t CGame::LegsWon(int32_t player) const
{
    return TMatchTally::Of(Tally().LegsWon, player);
}

int32_t CGame::SideToThrow() const
{
    const CLeg* leg = CurrentLeg();
    return leg != nullptr && !leg->Finished() ? leg->PlayerToThrow() : -1;
}

int32_t CGame::ThrowerToThrow(int32_t player) const
{
    const CLeg* leg = CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    return sheet != nullptr ? ThrowerFor(LegCount() - 1, sheet->EntryCount()) : 0;
}

bool CGame::LegOver() const
{
    const CLeg* leg = CurrentLeg();
    return leg == nullptr || leg->Finished();
}

int32_t CGame::LegWinner() const
{
    const CLeg* leg = CurrentLeg();
    for (int32_t player = 0; leg != nullptr && player < leg->SheetCount(); ++player) {
        if (leg->GetSheet(player)->Won()) {
            return player;
        }
    }
    return -1;
}

TTurnSheet CGame::TurnSheet() const
{
    return X01TurnSheet(*this);
}

TThrowCheck CGame::Check(const TMatchOperation& operation) const
{
    const CLeg* leg = CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(operation.Player) : nullptr;
    switch (operation.Kind) {
    case TOperationKind::Turn:
        if (leg != nullptr && leg->Finished() && sheet == nullptr) {
            return {TRefusal::LegFinished}; // nobody is to throw
        }
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->CheckDarts(operation.Thrown);
        }
        return sheet != nullptr ? sheet->CheckThrow(operation.Score, operation.Darts)
                                : TThrowCheck{TRefusal::NoSuchTurn};
    case TOperationKind::Correction:
        if (sheet != nullptr && !operation.Thrown.empty() &&
            (operation.Leg < 0 || operation.Leg == LegCount() - 1)) {
            return sheet->CheckReplaceDarts(operation.Entry, operation.Thrown);
        }
        return CheckCorrectionInLeg(operation.Leg >= 0 ? operation.Leg : LegCount() - 1,
                                    operation.Player, operation.Entry, operation.Score,
                                    operation.Darts);
    case TOperationKind::Undo: {
        const CPlayerScores* current = leg != nullptr ? leg->CurrentSheet() : nullptr;
        return {current != nullptr && current->CanUndoThrow() ? TRefusal::None
                                                              : TRefusal::NothingToUndo};
    }
    case TOperationKind::NextLeg:
        return {leg != nullptr && MatchWinner() < 0 ? TRefusal::None : TRefusal::MatchOver};
    case TOperationKind::UndoNextLeg:
        return {CanUndoNextLeg() ? TRefusal::None : TRefusal::NextLegUnderway};
    }
    return {TRefusal::NoSuchTurn};
}

bool CGame::Apply(const TMatchOperation& operation)
{
    CLeg* leg = CurrentLeg();
    if (leg == nullptr) {
        return false;
    }
    switch (operation.Kind) {
    case TOperationKind::Turn: {
        CPlayerScores* sheet = leg->GetSheet(operation.Player);
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->AddDarts(operation.Thrown);
        }
        return sheet != nullptr && sheet->AddThrow(operation.Score, operation.Darts);
    }
    case TOperationKind::Undo: {
        CPlayerScores* sheet = leg->CurrentSheet();
        return sheet != nullptr && sheet->CanUndoThrow() && sheet->UndoThrow();
    }
    case TOperationKind::Correction: {
        if (operation.Leg >= 0 && operation.Leg != LegCount() - 1) {
            return CorrectInLeg(operation.Leg, operation.Player, operation.Entry, operation.Score,
                                operation.Darts);
        }
        CPlayerScores* sheet = leg->GetSheet(operation.Player);
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->ReplaceDarts(operation.Entry, operation.Thrown);
        }
        return sheet != nullptr &&
               sheet->ReplaceThrow(operation.Entry, operation.Score, operation.Darts);
    }
    case TOperationKind::NextLeg: {
        const int32_t legs = LegCount();
        NextLeg();
        return LegCount() == legs + 1;
    }
    case TOperationKind::UndoNextLeg:
        return UndoNextLeg();
    }
    return false;
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
    const int64_t start = sheet.m_Entries.front().Remainder; // the side's start score
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
    if (!sheet.m_Thrown.empty()) {
        int32_t atDouble = 0;
        int32_t hit = 0;
        for (const CPlayerScores::TThrown& thrown : sheet.m_Thrown) {
            sheet.CountDoubles(thrown.EntryIndex, atDouble, hit);
        }
        sums.DartsAtDouble += atDouble;
        sums.DoublesHit += hit;
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
    stats.DartsAtDouble = Saturated(sums.DartsAtDouble);
    stats.DoublesHit = Saturated(sums.DoublesHit);
    if (sums.DartsAtDouble > 0) {
        stats.CheckoutPercent =
            static_cast<double>(sums.DoublesHit) / static_cast<double>(sums.DartsAtDouble) * 100.0;
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
    for (size_t index = 0; index < m_Legs.size(); ++index) {
        const CLeg& leg = *m_Legs[index];
        const auto legIndex = static_cast<int32_t>(index);
        TLegSummary summary;
        summary.Set = leg.SetNumber();
        summary.LegInSet = leg.LegNumberInSet();
        summary.Starter = leg.FirstThrower();
        summary.StarterThrower = ThrowerFor(legIndex, 1);
        summary.Averages.assign(static_cast<size_t>(leg.SheetCount()), 0.0);
        for (int32_t player = 0; player < leg.SheetCount(); ++player) {
            const CPlayerScores& sheet = *leg.GetSheet(player);
            const int32_t darts = SheetDarts(sheet);
            if (darts > 0) {
                summary.Averages[static_cast<size_t>(player)] =
                    static_cast<double>(sheet.PointsScored()) / static_cast<double>(darts) * 3.0;
            }
            if (sheet.Won()) {
                summary.Winner = player;
                summary.WinnerDarts = darts;
                summary.Checkout = sheet.LastEntry()->Score;
                summary.WinnerThrower = ThrowerOf(legIndex, player, sheet.EntryCount() - 1);
            }
        }
        for (size_t player = 0; player < summary.Average.size() && player < summary.Averages.size();
             ++player) {
            summary.Average[player] = summary.Averages[player];
        }
        summaries.push_back(std::move(summary));
    }
    return summaries;
}

int32_t CGame::ThrowerFor(int32_t leg, int32_t turn) const
{
    return m_Params.TeamSize == 2 ? ((leg + turn - 1) % 2 + 2) % 2 : 0;
}

int32_t CGame::ThrowerOf(int32_t leg, int32_t player, int32_t entry) const
{
    const CLeg* played = GetLeg(leg);
    const CPlayerScores* sheet = played != nullptr ? played->GetSheet(player) : nullptr;
    if (sheet == nullptr || entry < 1 || entry >= sheet->EntryCount()) {
        return -1;
    }
    return ThrowerFor(leg, entry);
}

int32_t CGame::StartScoreOf(int32_t player) const
{
    if (!m_Params.CountUp && player >= 0 &&
        static_cast<size_t>(player) < m_Params.StartScores.size()) {
        return m_Params.StartScores[static_cast<size_t>(player)];
    }
    return m_Params.StartScore;
}

std::string SideName(const TGameParams& params, int32_t player)
{
    if (player >= 0 && static_cast<size_t>(player) < params.PlayerNames.size()) {
        return params.PlayerNames[static_cast<size_t>(player)];
    }
    return player == 0 ? params.Player1Name : player == 1 ? params.Player2Name : std::string();
}

int32_t ComputerAverage(const TGameParams& params, int32_t player)
{
    return player >= 0 && static_cast<size_t>(player) < params.ComputerAverages.size()
               ? params.ComputerAverages[static_cast<size_t>(player)]
               : 0;
}

std::string CGame::PlayerName(int32_t player) const
{
    return SideName(m_Params, player);
}

std::string CGame::ThrowerName(int32_t player, int32_t thrower) const
{
    const auto index = static_cast<size_t>(player) * 2 + static_cast<size_t>(thrower);
    // The computer throws for its whole side: no person of a pair throws there.
    if (m_Params.TeamSize == 2 && player >= 0 && (thrower == 0 || thrower == 1) &&
        ComputerAverage(m_Params, player) <= 0 && index < m_Params.ThrowerNames.size()) {
        return m_Params.ThrowerNames[index];
    }
    return PlayerName(player);
}

// A thrower's share of a sheet: their turns, the darts those took, and the checkout chances
// they had (a finishable total left by the turn before theirs, or the start).
void CGame::AddThrowerTurns(TStatsSums& sums, const CPlayerScores& sheet, int32_t leg,
                            int32_t thrower) const
{
    const std::vector<TurnEntry>& entries = sheet.m_Entries;
    int32_t turns = 0;
    int32_t darts = 0;
    for (size_t entry = 0; entry < entries.size(); ++entry) {
        const auto next = static_cast<int32_t>(entry) + 1;
        if (ThrowerFor(leg, next) == thrower && CheckOutDarts(entries[entry].Remainder) > 0) {
            ++sums.PossibleOutShots;
        }
        if (entry == 0 || ThrowerFor(leg, static_cast<int32_t>(entry)) != thrower) {
            continue;
        }
        const int32_t score = entries[entry].Score;
        const int32_t turnDarts = TurnDarts(sheet, static_cast<int32_t>(entry));
        int32_t atDouble = 0;
        int32_t hit = 0;
        sheet.CountDoubles(static_cast<int32_t>(entry), atDouble, hit);
        sums.DartsAtDouble += atDouble;
        sums.DoublesHit += hit;
        ++turns;
        darts += turnDarts;
        sums.Points += score;
        sums.Lowest = std::min(sums.Lowest, score);
        sums.Highest = std::max(sums.Highest, score);
        if (const size_t band = CPlayerScores::BandOf(score); band < sums.TurnCounts.size()) {
            ++sums.TurnCounts[band];
        }
        if (turns <= 3) {
            sums.FirstNinePoints += score;
            sums.FirstNineDarts += turnDarts;
        }
    }
    sums.Turns += turns;
    sums.Darts += darts;
    if (turns > 0) {
        ++sums.LegsPlayed;
    }
    if (sheet.m_Won && ThrowerFor(leg, sheet.EntryCount() - 1) == thrower) {
        const int32_t checkout = entries.back().Score;
        ++sums.LegsWon;
        sums.OutShotPoints += checkout;
        sums.HighestOutShot = std::max(sums.HighestOutShot, checkout);
        sums.BestLeg = sums.BestLeg == 0 ? darts : std::min(sums.BestLeg, darts);
        sums.WorstLeg = std::max(sums.WorstLeg, darts);
    }
}

TPlayerStats CGame::GetThrowerStats(int32_t player, int32_t thrower) const
{
    TStatsSums sums;
    if (player >= 0 && player < m_Params.PlayerCount && thrower >= 0 &&
        thrower < m_Params.TeamSize) {
        for (int32_t leg = 0; leg < LegCount(); ++leg) {
            if (const CPlayerScores* sheet = GetLeg(leg)->GetSheet(player)) {
                AddThrowerTurns(sums, *sheet, leg, thrower);
            }
        }
    }
    return StatsFromSums(sums);
}

TDoubleAttempts CGame::DoubleAttempts(int32_t player) const
{
    TDoubleAttempts attempts{};
    int32_t atDouble = 0;
    int32_t hit = 0;
    for (const std::unique_ptr<CLeg>& leg : m_Legs) {
        if (const CPlayerScores* sheet = leg->GetSheet(player)) {
            for (const CPlayerScores::TThrown& thrown : sheet->m_Thrown) {
                sheet->CountDoubles(thrown.EntryIndex, atDouble, hit, &attempts);
            }
        }
    }
    return attempts;
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
