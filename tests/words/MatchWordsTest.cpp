// The words a match produces are the same words for every kind of match: who won the leg, the
// set or the match, a tie, a game played alone, and the legs and sets each side has won.

#include "games/MatchFactory.h"
#include "words/BoardState.h"
#include "words/CallerPhrases.h"
#include "words/MatchFormat.h"

#include <gtest/gtest.h>
#include <ostream>

// A failure shows the words, not their bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Winning darts for side `side`'s `turn`-th turn of a leg (from 0): X01 from 101, double out,
// checks out at once; cricket closes two or three numbers a turn and the bull last.
std::vector<TDart> WinningDarts(TGameKind kind, int turn)
{
    if (kind == TGameKind::X01) {
        return {{17, 3}, {25, 2}};
    }
    static const std::vector<std::vector<TDart>> cricket = {
        {{20, 3}, {19, 3}, {18, 3}}, {{17, 3}, {16, 3}, {15, 3}}, {{25, 2}, {25, 1}}};
    return cricket[static_cast<size_t>(turn)];
}

// Plays the leg in play out: `winner` throws to win, the others miss; with no winner (-1)
// everybody misses until the leg is over.
void PlayLeg(CMatch& match, int winner)
{
    const std::vector<TDart> misses{{0, 1}, {0, 1}, {0, 1}};
    for (int turns = 0, step = 0; !match.LegOver() && step < 200; ++step) {
        const int side = match.SideToThrow();
        TMatchOperation turn{TOperationKind::Turn, side};
        turn.Thrown = side == winner ? WinningDarts(match.Kind(), turns++) : misses;
        ASSERT_TRUE(match.Apply(turn)) << step;
    }
    ASSERT_TRUE(match.LegOver());
}

struct TWordsCase
{
    const char* Game;
    int Sides;
    int Legs;                 // to win a set (or the match); 0: no match length
    int Sets;                 // to win the match; 0: no sets
    std::vector<int> Winners; // of the legs played, -1: nobody wins
    const char* Line;
    const char* Score; // side 0's
    TShot Shot;        // what the caller says the last leg's winning turn won
};

TEST(MatchWords, AreTheSameForEveryKindOfMatch)
{
    const std::vector<TWordsCase> cases = {
        {"Standard 101", 2, 2, 2, {0}, "Anna wins the leg", "Legs 1 · Sets 0", TShot::Leg},
        {"Standard 101", 2, 2, 2, {1, 0, 0}, "Anna wins the set", "Legs 0 · Sets 1", TShot::Set},
        {"Standard 101", 2, 2, 2, {0, 0, 0, 0}, "Anna wins the match", "Sets 2", TShot::Match},
        {"Standard 101", 2, 3, 0, {1, 1, 1}, "Ben wins the match", "Legs 0", TShot::Match},
        {"Standard 101", 1, 0, 0, {0}, "Anna wins the leg", "", TShot::Leg},
        {"Cricket", 2, 2, 2, {0}, "Anna wins the leg", "Legs 1 · Sets 0", TShot::Leg},
        {"Cricket", 2, 2, 2, {1, 0, 0}, "Anna wins the set", "Legs 0 · Sets 1", TShot::Set},
        {"Cricket", 2, 2, 2, {0, 0, 0, 0}, "Anna wins the match", "Sets 2", TShot::Match},
        {"Cricket", 2, 3, 0, {1, 1, 1}, "Ben wins the match", "Legs 0", TShot::Match},
        {"Cricket", 1, 0, 0, {0}, "Anna: game over", "", TShot::None},
        {"Bob's 27", 2, 2, 0, {-1}, "Game over: a tie", "Legs 0", TShot::None},
        {"Bob's 27", 1, 2, 0, {-1}, "Anna: game over", "Legs 1", TShot::None},
    };
    for (const TWordsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Game << " " << c.Line);
        TGameParams params;
        params.PlayerCount = c.Sides;
        params.StartScore = 101;
        params.CheckOutRule = true;
        params.LegsToWin = c.Legs;
        params.SetsToWin = c.Sets;
        params.PlayerNames = {"Anna", "Ben"};
        std::unique_ptr<CMatch> match = MakeMatch(c.Game, params);
        EXPECT_EQ(WinLine(*match), "");
        for (size_t leg = 0; leg < c.Winners.size(); ++leg) {
            if (leg > 0) {
                ASSERT_TRUE(match->Apply({TOperationKind::NextLeg}));
                EXPECT_EQ(WinLine(*match), "");
            }
            PlayLeg(*match, c.Winners[leg]);
        }
        EXPECT_EQ(WinLine(*match), QString::fromUtf8(c.Line));
        EXPECT_EQ(MatchScoreText(*match, 0), QString::fromUtf8(c.Score));
        if (match->LegWinner() >= 0) {
            EXPECT_EQ(LegShot(*match, match->LegWinner()), c.Shot);
        } else {
            EXPECT_EQ(c.Shot, TShot::None);
        }
        // The board says the ended leg in its title line, whatever the game.
        EXPECT_EQ(BoardStateOf(*match, QStringLiteral("Game"), {}).Title,
                  QString::fromUtf8(c.Line));
    }
}

} // namespace
