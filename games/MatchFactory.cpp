#include "games/MatchFactory.h"

#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"

#include <algorithm>

bool IsKnownGame(std::string_view gameName)
{
    if (gameName == "Continous Points" || GameKindOf(gameName) != TGameKind::X01) {
        return true;
    }
    // "Standard " and a start score of two to four digits, the first not 0.
    constexpr std::string_view kStandard = "Standard ";
    if (!gameName.starts_with(kStandard)) {
        return false;
    }
    const std::string_view score = gameName.substr(kStandard.size());
    return score.size() >= 2 && score.size() <= 4 && score.front() != '0' &&
           std::all_of(score.begin(), score.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

// Another game's match; none for X01, which is played on sheets of its own.
std::unique_ptr<CMatch> OtherGameMatch(std::string_view gameName, const TGameParams& params)
{
    const TGameKind kind = GameKindOf(gameName);
    return kind == TGameKind::X01 ? nullptr : std::make_unique<CGamesMatch>(kind, params);
}

} // namespace

CMatch& StartMatch(std::string_view gameName, const TGameParams& params, CGame& sheets,
                   std::unique_ptr<CMatch>& made)
{
    sheets.NewGame(params);
    made = OtherGameMatch(gameName, params);
    return made != nullptr ? *made : sheets;
}

std::unique_ptr<CMatch> MakeMatch(std::string_view gameName, const TGameParams& params)
{
    if (std::unique_ptr<CMatch> other = OtherGameMatch(gameName, params)) {
        return other;
    }
    auto game = std::make_unique<CGame>();
    game->NewGame(params);
    return game;
}
