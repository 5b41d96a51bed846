#pragma once

// What the board for the room and the room's pages show of a match, whatever its game: the
// title line, and per side its name, remainder (or headline figure), match score, last turn,
// route and whether it throws.

#include <QString>
#include <array>
#include <functional>
#include <vector>

class CMatch;

// What the board shows of one player.
struct TBoardPlayer
{
    QString Name;
    QString Remainder;  // the total left (or scored, in a points game)
    QString MatchScore; // "Legs 2 · Sets 1"
    QString LastTurn;   // "Last 60"; empty before the player's first turn of the leg
    QString Route;      // the first checkout route for the remainder, or empty
    bool Throws = false;
    QString Thrower; // a pair's thrower to come, named under the side; empty in singles
    // The computer's darts as they land ("T20 · T20"), shown in the last turn's place.
    QString Darts;

    bool operator==(const TBoardPlayer&) const = default;
};

struct TBoardState
{
    QString Title; // the game, the match format and the leg in play
    int PlayerCount = 1;
    std::array<TBoardPlayer, 2> Players;
    // The third side on, when there are more than two (PlayerCount says how many).
    std::vector<TBoardPlayer> MoreSides;

    const TBoardPlayer& Side(int side) const
    {
        return side < 2 ? Players[static_cast<size_t>(side)]
                        : MoreSides[static_cast<size_t>(side - 2)];
    }
    bool operator==(const TBoardState&) const = default;
};

// The first checkout route for a remainder as the board shows it; empty for none.
using TRoutes = std::function<QString(int remainder)>;

// The board's state of `match`, whose game is named `title`. `route` gives the routes under a
// finishable remainder (none: no routes); `darts` are the computer's darts of side `dartsSide`
// as they land (-1: none), shown in its last turn's place.
TBoardState BoardStateOf(const CMatch& match, const QString& title, const TRoutes& route,
                         int dartsSide = -1, const QString& darts = {});
