#include "words/GamesCallPhrases.h"

#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "games/HalveIt.h"
#include "games/Killer.h"
#include "games/Shanghai.h"

#include <algorithm>
#include <array>

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

// The words of the games' calls in each language, UTF-8.
struct TGamesWords
{
    const char* ThreeInTheBed; // before the marks
    const char* OneMark;
    const char* Marks; // after a number
    const char* OnePoint;
    const char* Points;
    const char* Bull; // the bull as a target
    const char* FinishedBefore;
    const char* FinishedAfter; // around the darts of a finished round of the clock
    const char* GoingFor;      // before the next target
    const char* GameOver;
    const char* RequireBefore; // around the remainder of 121
    const char* RequireAfter;
    const char* GameShot; // before the next target of 121
    const char* Shanghai;
    const char* Halved;
    const char* Killer; // a side that has just become a killer
};

const TGamesWords& GamesWords(TCallLanguage language)
{
    static const std::array<TGamesWords, 5> kWords = {{
        {"three in the bed, ", "one mark", "marks", "one point", "points", "the bull",
         "finished in ", " darts", "going for ", "game over", "you require ", "", "game shot. ",
         "Shanghai!", "halved", "killer"},
        {"drei in einem Feld, ", "ein Mark", "Marks", "ein Punkt", "Punkte", "das Bull",
         "fertig mit ", " Darts", "weiter auf ", "Spiel vorbei", "du brauchst ", "",
         "Gejm Schott. ", "Shanghai!", "halbiert", "Killer"},
        {"drie in één vak, ", "één mark", "marks", "één punt", "punten", "de bull", "klaar in ",
         " darts", "nu op ", "game over", "je hebt ", " nodig", "game shot. ", "Shanghai!",
         "gehalveerd", "killer"},
        {"trois dans la même case, ", "une marque", "marques", "un point", "points", "le bull",
         "fini en ", " fléchettes", "au tour du ", "partie terminée", "il te faut ", "",
         "game shot. ", "Shanghai !", "divisé par deux", "killer"},
        {"tres en el mismo sector, ", "una marca", "marcas", "un punto", "puntos", "la diana",
         "terminado en ", " dardos", "a por ", "fin de la partida", "necesitas ", "",
         "guéim shot. ", "¡Shanghái!", "a la mitad", "killer"},
    }};
    return kWords[static_cast<size_t>(language)];
}

std::string Counted(int32_t count, const char* one, const char* many, TCallLanguage language)
{
    return count == 1 ? std::string(one) : ScoreInWords(count, language) + ' ' + many;
}

std::string CricketCall(const CCricketGame& cricket, const TPlayedTurn& turn,
                        TCallLanguage language)
{
    const TGamesWords& words = GamesWords(language);
    const auto index = cricket.TurnCount() - 1;
    const int32_t marks = cricket.TurnMarks(index);
    if (marks == 0) {
        return CallWords(language).NoScore;
    }
    std::string call = ThreeInTheBed(turn.Darts) ? words.ThreeInTheBed : "";
    call += Counted(marks, words.OneMark, words.Marks, language);
    if (const int32_t points = cricket.TurnPoints(index); points > 0) {
        call += ", " + Counted(points, words.OnePoint, words.Points, language);
    }
    return call;
}

std::string PracticeCall(const CDartsGame& leg, const TPlayedTurn& turn, TCallLanguage language)
{
    const TGamesWords& words = GamesWords(language);
    const int32_t player = turn.Player;
    if (const auto* clock = dynamic_cast<const CAroundTheClock*>(&leg)) {
        const int32_t target = clock->Target(player);
        if (target == 0) {
            return words.FinishedBefore + std::to_string(clock->DartsThrown(player)) +
                   words.FinishedAfter;
        }
        return words.GoingFor +
               (target == 25 ? std::string(words.Bull) : ScoreInWords(target, language));
    }
    if (const auto* bobs = dynamic_cast<const CBobs27*>(&leg)) {
        const int32_t score = bobs->Score(player);
        return score <= 0 ? std::string(words.GameOver) : ScoreInWords(score, language);
    }
    // The points of the turn's darts that `onTarget` takes; `none` when no dart does.
    const auto points = [&](const auto& onTarget, const char* none) {
        int32_t sum = 0;
        bool hit = false;
        for (const TDart& dart : turn.Darts) {
            if (onTarget(dart)) {
                sum += DartPoints(dart);
                hit = true;
            }
        }
        return hit ? ScoreInWords(sum, language) : std::string(none);
    };
    if (const auto* shanghai = dynamic_cast<const CShanghai*>(&leg)) {
        const int32_t number = shanghai->RoundsThrown(player);
        return shanghai->ShanghaiBy() == player
                   ? std::string(words.Shanghai)
                   : points([number](const TDart& dart) { return dart.Segment == number; },
                            CallWords(language).NoScore);
    }
    if (const auto* halve = dynamic_cast<const CHalveIt*>(&leg)) {
        const int32_t target =
            CHalveIt::kTargets[static_cast<size_t>(std::max(halve->RoundsThrown(player), 1) - 1)];
        return points([target](const TDart& dart) { return CHalveIt::OnTarget(target, dart); },
                      words.Halved);
    }
    if (const auto* killer = dynamic_cast<const CKiller*>(&leg)) {
        // A hit on its own number leaves a killer with all its lives only on the turn it became
        // one.
        const bool own = std::any_of(turn.Darts.begin(), turn.Darts.end(), [&](const TDart& dart) {
            return dart.Multiplier >= 2 && dart.Segment == killer->Number(player);
        });
        return own && killer->IsKiller(player) && killer->Lives(player) == CKiller::kLives
                   ? std::string(words.Killer)
                   : std::string();
    }
    if (const auto* drill = dynamic_cast<const CCheckout121*>(&leg)) {
        const std::string next = words.RequireBefore +
                                 ScoreInWords(drill->Remainder(player), language) +
                                 words.RequireAfter;
        return turn.Ended ? words.GameShot + next : next;
    }
    return {};
}

} // namespace

std::string GamesCallPhrase(const CGamesMatch& match, TCallKind kind)
{
    return GamesCallPhrase(match, kind, TCallLanguage::English);
}

std::string GamesCallPhrase(const CGamesMatch& match, TCallKind kind, TCallLanguage language)
{
    const CDartsGame& leg = match.CurrentLeg();
    if (kind != TCallKind::Turn || leg.TurnCount() == 0) {
        return {};
    }
    const TPlayedTurn& turn = leg.Turns().back();
    const auto* cricket = dynamic_cast<const CCricketGame*>(&leg);
    if (cricket == nullptr) {
        return PracticeCall(leg, turn, language);
    }
    if (leg.Winner() != turn.Player) {
        return CricketCall(*cricket, turn, language);
    }
    return ShotWords(LegShot(match, turn.Player), language);
}
