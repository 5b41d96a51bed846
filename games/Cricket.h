#pragma once

// Cricket: the numbers 15 to 20 and the bull. A single is one mark, a double two, a treble
// three; the outer bull one, the bull two. Three marks open a number for a side; further marks
// score the number (25 a mark for the bull) while any opponent has not closed it. A side wins
// once all seven are closed and no opponent has more points. Cut-throat: further marks give
// their points to every opponent who has not closed the number, and the side wins once all
// are closed and no opponent has fewer points.

#include "games/DartsGame.h"

#include <array>

class CCricketGame final : public CDartsGame
{
public:
    static constexpr std::array<int32_t, 7> kNumbers{20, 19, 18, 17, 16, 15, 25};

    CCricketGame(int32_t players, bool cutThroat, int32_t firstPlayer = 0);

    using CDartsGame::AddTurn;
    using CDartsGame::PlayerToThrow;
    using CDartsGame::UndoTurn;
    bool CutThroat() const { return m_CutThroat; }
    // Marks of `player` on `number` (15..20 or 25), counted up to 3.
    int32_t Marks(int32_t player, int32_t number) const;
    int32_t Points(int32_t player) const;
    int32_t Winner() const override { return m_Winner; }
    bool Over() const override { return m_Winner >= 0; }
    // Marks that counted (those that closed and those that scored) per three darts thrown.
    double MarksPerRound(int32_t player) const;
    // The marks of every turn that counted, in the order of Turns().
    int32_t TurnMarks(int32_t turn) const;
    // The points a turn scored: its thrower's, or in cut-throat those it gave the opponents.
    int32_t TurnPoints(int32_t turn) const;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CCricketGame(*this));
    }

    // "/", "X" or "Ⓧ" (UTF-8) for one, two or three marks; empty for none.
    static std::string MarkSymbol(int32_t marks);

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;

private:
    struct TSide
    {
        std::array<int32_t, 7> Marks{};
        int32_t Points = 0;
        int32_t CountedMarks = 0;
    };

    static int32_t NumberIndex(int32_t segment);
    // Throws one dart for `player` into `sides`; the marks that counted.
    int32_t Throw(std::vector<TSide>& sides, int32_t player, const TDart& dart) const;
    bool Wins(const std::vector<TSide>& sides, int32_t player) const;

    bool m_CutThroat;
    std::vector<TSide> m_Sides;
    std::vector<int32_t> m_TurnMarks;
    std::vector<int32_t> m_TurnPoints;
    int32_t m_Winner = -1;
};
