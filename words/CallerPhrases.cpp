#include "words/CallerPhrases.h"

#include "model/UnitVTXGameLogic.h"

#include <array>

namespace {

// A remainder a thrower can check out with three darts or fewer.
bool Finishable(int32_t remainder)
{
    return remainder >= 2 && CGame::CheckOutDarts(remainder) > 0;
}

std::string Requirement(const TCallEvent& event, TCallLanguage language)
{
    if (!event.CheckOutRule || event.Thrower.empty() || !Finishable(event.ThrowerRemainder)) {
        return {};
    }
    const TCallWords& words = CallWords(language);
    return event.Thrower + words.RequireBefore + SpokenNumber(event.ThrowerRemainder, language) +
           words.RequireAfter;
}

// "score. Anna, you require forty", with the cry of 180 kept as the sentence's end.
std::string Joined(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty()) {
        return first + second;
    }
    return first.back() == '!' ? first + ' ' + second : first + ". " + second;
}

} // namespace

TShot LegShot(const CMatch& match, int32_t player)
{
    const TGameParams& params = match.Params();
    return match.MatchWinner() >= 0 ? TShot::Match
           : params.LegsToWin > 0 && params.SetsToWin > 0 && match.LegsInSet(player) == 0
               ? TShot::Set
               : TShot::Leg;
}

const char* ShotWords(TShot shot, TCallLanguage language)
{
    const TCallWords& words = CallWords(language);
    switch (shot) {
    case TShot::Leg:
        return words.GameShotLeg;
    case TShot::Set:
        return words.GameShotSet;
    case TShot::Match:
        return words.GameShotMatch;
    case TShot::None:
        break;
    }
    return "";
}

std::string ScoreInWords(int32_t score)
{
    return ScoreInWords(score, TCallLanguage::English);
}

std::string ScoreInWords(int32_t score, TCallLanguage language)
{
    const TCallWords& words = CallWords(language);
    if (score == 0) {
        return words.NoScore;
    }
    return score == 180 ? words.CryBefore + SpokenNumber(score, language) + words.CryAfter
                        : SpokenNumber(score, language);
}

std::string CallPhrase(const TCallEvent& event)
{
    return CallPhrase(event, TCallLanguage::English);
}

std::string CallPhrase(const TCallEvent& event, TCallLanguage language)
{
    // A turn entered dart by dart is called dart by dart first: "treble twenty, twenty: ...".
    std::string darts;
    for (const std::string& dart : event.Darts) {
        darts += (darts.empty() ? "" : ", ") + dart;
    }
    for (const TDart& dart : event.Thrown) {
        darts += (darts.empty() ? "" : ", ") + DartWords(dart, language);
    }
    if (!darts.empty()) {
        darts += ": ";
    }
    switch (event.Kind) {
    case TCallKind::Correction:
        return ScoreInWords(event.Score, language);
    case TCallKind::Turn:
        if (event.Shot != TShot::None) {
            return darts + ShotWords(event.Shot, language);
        }
        return Joined(darts + ScoreInWords(event.Score, language), Requirement(event, language));
    case TCallKind::Undo:
    case TCallKind::NextLeg:
        return Requirement(event, language);
    }
    return {};
}

TCallEvent CallEventAfter(const CGame& game, TCallKind kind, int32_t player, int32_t entry)
{
    TCallEvent event;
    event.Kind = kind;
    const TGameParams& params = game.Params();
    event.CheckOutRule = params.CheckOutRule && !params.CountUp;
    const CLeg* leg = game.CurrentLeg();
    if (leg == nullptr) {
        return event;
    }
    if (const CPlayerScores* sheet = leg->GetSheet(player)) {
        const TurnEntry* turn =
            kind == TCallKind::Turn ? sheet->LastEntry() : sheet->GetEntry(entry);
        if (turn != nullptr) {
            event.Score = turn->Score;
        }
        const std::vector<TDart>* darts = kind == TCallKind::Turn && params.EnterDarts
                                              ? sheet->EntryDarts(sheet->EntryCount() - 1)
                                              : nullptr;
        if (darts != nullptr) {
            event.Thrown = *darts; // worded in the language the call is made in
        }
        if (kind == TCallKind::Turn && sheet->Won()) {
            event.Shot = LegShot(game, player);
        }
    }
    if (const CPlayerScores* thrower = leg->CurrentSheet();
        thrower != nullptr && !leg->Finished() && thrower->LastEntry() != nullptr) {
        // A pair's call goes to the one of the two who throws next.
        event.Thrower = game.ThrowerName(
            thrower->PlayerIndex(), game.ThrowerFor(game.LegCount() - 1, thrower->EntryCount()));
        event.ThrowerRemainder = thrower->LastEntry()->Remainder;
    }
    return event;
}
