#include "games/MatchFactory.h"

#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"

std::unique_ptr<CMatch> MakeMatch(std::string_view gameName, const TGameParams& params)
{
    if (const TGameKind kind = GameKindOf(gameName); kind != TGameKind::X01) {
        return std::make_unique<CGamesMatch>(kind, params);
    }
    auto game = std::make_unique<CGame>();
    game->NewGame(params);
    return game;
}
