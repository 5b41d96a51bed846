#include "model/UnitVTXGameLogic.h"

#include <algorithm>
#include <limits>

namespace {

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

// The turn that `darts` make from `previous`: their sum, 0 after a bust, the darts claimed
// by a finish; then the refusals of a typed turn of that score.
TThrowCheck WalkDarts(const TGameParams& params, int32_t previous, const std::vector<TDart>& darts)
{
    TThrowCheck check{TRefusal::None, 0, 0, previous, 0};
    if (darts.empty() || darts.size() > 3) {
        check.Refusal = TRefusal::NotAScore;
        return check;
    }
    int32_t sum = 0;
    int32_t claim = 0;
    bool ended = false;
    bool bust = false;
    for (size_t index = 0; index < darts.size(); ++index) {
        const TDart& dart = darts[index];
        if (!IsValidDart(dart)) {
            check.Refusal = TRefusal::NotAScore;
            return check;
        }
        if (ended) {
            check.Refusal = TRefusal::DartAfterEnd;
            return check;
        }
        sum += DartPoints(dart);
        if (params.CountUp) {
            continue;
        }
        const int32_t left = previous - sum - params.TargetScore;
        const bool onDouble = !params.CheckOutRule || IsDoubleDart(dart);
        if (left == 0 && onDouble) {
            claim = static_cast<int32_t>(index) + 1;
            ended = true;
        } else if (left < 0 || (params.CheckOutRule && left <= 1)) {
            bust = true;
            ended = true;
        }
    }
    check = CheckStep(params, previous, bust ? 0 : sum, claim);
    return check;
}

} // namespace

bool IsValidDart(const TDart& dart)
{
    if (dart.Segment == 0) {
        return dart.Multiplier >= 0 && dart.Multiplier <= 3;
    }
    if (dart.Segment == 25) {
        return dart.Multiplier == 1 || dart.Multiplier == 2;
    }
    return dart.Segment >= 1 && dart.Segment <= 20 && dart.Multiplier >= 1 && dart.Multiplier <= 3;
}

int32_t DartPoints(const TDart& dart)
{
    return IsValidDart(dart) ? dart.Segment * dart.Multiplier : 0;
}

bool IsDoubleDart(const TDart& dart)
{
    return dart.Segment != 0 && dart.Multiplier == 2 && IsValidDart(dart);
}

CPlayerScores::CPlayerScores(CLeg& leg, int32_t playerIndex)
    : m_Leg(leg), m_PlayerIndex(playerIndex)
{}

int32_t CPlayerScores::PreviousTotal() const
{
    return m_Entries.empty() ? m_Leg.Game().StartScoreOf(m_PlayerIndex)
                             : m_Entries.back().Remainder;
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
    return check.Accepted() && AddTurn(check, nullptr);
}

TThrowCheck CPlayerScores::CheckDarts(const std::vector<TDart>& darts) const
{
    if (m_Leg.Finished()) {
        return {TRefusal::LegFinished, 0, 0, PreviousTotal(), EntryCount()};
    }
    TThrowCheck check = WalkDarts(m_Leg.Game().Params(), PreviousTotal(), darts);
    check.EntryIndex = EntryCount();
    return check;
}

bool CPlayerScores::AddDarts(const std::vector<TDart>& darts)
{
    const TThrowCheck check = CheckDarts(darts);
    return check.Accepted() && AddTurn(check, &darts);
}

bool CPlayerScores::AddTurn(const TThrowCheck& check, const std::vector<TDart>* thrown)
{
    const int32_t score = check.Score;
    const int32_t darts = check.Darts;
    const TGameParams& params = m_Leg.Game().Params();
    const int32_t remainder = TotalAfter(params, check.Previous, score);

    m_OutShotDarts = darts;
    if (darts != 0) {
        m_Claims.push_back({EntryCount(), darts});
    }
    if (thrown != nullptr) {
        m_Thrown.push_back({EntryCount(), *thrown});
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

const std::vector<TDart>* CPlayerScores::EntryDarts(int32_t index) const
{
    for (const TThrown& thrown : m_Thrown) {
        if (thrown.EntryIndex == index) {
            return &thrown.Darts;
        }
    }
    return nullptr;
}

void CPlayerScores::CountDoubles(int32_t index, int32_t& atDouble, int32_t& hit,
                                 TDoubleAttempts* perDouble) const
{
    const std::vector<TDart>* darts = EntryDarts(index);
    const TGameParams& params = m_Leg.Game().Params();
    if (darts == nullptr || index < 1 || index >= EntryCount() || params.CountUp ||
        !params.CheckOutRule) {
        return;
    }
    int32_t left = m_Entries[static_cast<size_t>(index - 1)].Remainder - params.TargetScore;
    for (size_t dart = 0; dart < darts->size(); ++dart) {
        // A remainder one dart can finish: an even 2..40, or the bull's 50.
        const bool finishable = (left >= 2 && left <= 40 && left % 2 == 0) || left == 50;
        const bool finished =
            finishable && IsDoubleDart((*darts)[dart]) && DartPoints((*darts)[dart]) == left;
        if (finishable) {
            ++atDouble;
            hit += finished ? 1 : 0;
            if (perDouble != nullptr) {
                auto& [hits, attempts] =
                    (*perDouble)[left == 50 ? 20U : static_cast<size_t>(left / 2 - 1)];
                ++attempts;
                hits += finished ? 1 : 0;
            }
        }
        left -= DartPoints((*darts)[dart]);
    }
}

size_t CPlayerScores::BandOf(int32_t score)
{
    return score == 180   ? kBand180
           : score >= 140 ? kBand140
           : score >= 100 ? kBand100
           : score >= 60  ? kBand60
                          : kBandCount;
}

void CPlayerScores::CountTurn(int32_t score)
{
    m_LowestTurn = std::min(m_LowestTurn, score);
    m_HighestTurn = std::max(m_HighestTurn, score);
    if (const size_t band = BandOf(score); band < kBandCount) {
        ++m_TurnCounts[band];
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
    while (!m_Thrown.empty() && m_Thrown.back().EntryIndex > last) {
        m_Thrown.pop_back();
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
    return ReplaceTurn(index, score, darts, nullptr);
}

TThrowCheck CPlayerScores::CheckReplaceDarts(int32_t index, const std::vector<TDart>& darts) const
{
    if (index < 1 || index >= EntryCount()) {
        return {TRefusal::NoSuchTurn, 0, 0, 0, index};
    }
    const TThrowCheck walked = WalkDarts(
        m_Leg.Game().Params(), m_Entries[static_cast<size_t>(index - 1)].Remainder, darts);
    if (!walked.Accepted()) {
        TThrowCheck check = walked;
        check.EntryIndex = index;
        return check;
    }
    return CheckReplace(index, walked.Score, walked.Darts);
}

bool CPlayerScores::ReplaceDarts(int32_t index, const std::vector<TDart>& darts)
{
    const TThrowCheck check = CheckReplaceDarts(index, darts);
    return check.Accepted() && ReplaceTurn(index, check.Score, check.Darts, &darts);
}

// A turn corrected to a total keeps no darts; one corrected to darts keeps those.
bool CPlayerScores::ReplaceTurn(int32_t index, int32_t score, int32_t darts,
                                const std::vector<TDart>* thrown)
{
    const TThrowCheck check = CheckReplace(index, score, darts);
    if (!check.Accepted()) {
        return false;
    }
    std::erase_if(m_Thrown, [index](const TThrown& entry) { return entry.EntryIndex == index; });
    if (thrown != nullptr) {
        const auto at = std::find_if(m_Thrown.begin(), m_Thrown.end(),
                                     [index](const TThrown& t) { return t.EntryIndex > index; });
        m_Thrown.insert(at, {index, *thrown});
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
    // The opening entry holds the side's start score (its handicap, if it has one).
    const int32_t start = m_Entries.front().Remainder;
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
