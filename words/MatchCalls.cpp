#include "words/MatchCalls.h"

#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"
#include "words/CallerPhrases.h"
#include "words/GamesCallPhrases.h"

std::string MatchCallPhrase(const CMatch& match, TCallKind kind, int32_t player, int32_t entry,
                            TCallLanguage language)
{
    // Each kind is called in its own words: X01 in points and remainders, cricket in marks,
    // the practice games by what comes next.
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        return language == TCallLanguage::English ? GamesCallPhrase(*games, kind)
                                                  : GamesCallPhrase(*games, kind, language);
    }
    const TCallEvent event = CallEventAfter(static_cast<const CGame&>(match), kind, player, entry);
    return language == TCallLanguage::English ? CallPhrase(event) : CallPhrase(event, language);
}
