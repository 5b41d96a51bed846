#include "games/Cricket.h"

#include "games/GamesTexts.h"

#include <algorithm>
#include <cstdio>

CCricketGame::CCricketGame(int32_t players, bool cutThroat, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_CutThroat(cutThroat),
      m_Sides(static_cast<size_t>(Players()))
{}

int32_t CCricketGame::NumberIndex(int32_t segment)
{
    const auto found = std::find(kNumbers.begin(), kNumbers.end(), segment);
    return found == kNumbers.end() ? -1 : static_cast<int32_t>(found - kNumbers.begin());
}

int32_t CCricketGame::Marks(int32_t player, int32_t number) const
{
    const int32_t index = NumberIndex(number);
    return InRange(player, Players()) && index >= 0
               ? m_Sides[static_cast<size_t>(player)].Marks[static_cast<size_t>(index)]
               : 0;
}

int32_t CCricketGame::Points(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Points : 0;
}

double CCricketGame::MarksPerRound(int32_t player) const
{
    const int32_t darts = DartsThrown(player);
    return darts > 0 ? 3.0 * m_Sides[static_cast<size_t>(player)].CountedMarks / darts : 0.0;
}

int32_t CCricketGame::TurnMarks(int32_t turn) const
{
    return turn >= 0 && static_cast<size_t>(turn) < m_TurnMarks.size()
               ? m_TurnMarks[static_cast<size_t>(turn)]
               : 0;
}

int32_t CCricketGame::TurnPoints(int32_t turn) const
{
    return turn >= 0 && static_cast<size_t>(turn) < m_TurnPoints.size()
               ? m_TurnPoints[static_cast<size_t>(turn)]
               : 0;
}

void CCricketGame::Reset()
{
    m_Sides.assign(static_cast<size_t>(Players()), TSide{});
    m_TurnMarks.clear();
    m_TurnPoints.clear();
    m_Winner = -1;
}

int32_t CCricketGame::Throw(std::vector<TSide>& sides, int32_t player, const TDart& dart) const
{
    const int32_t index = NumberIndex(dart.Segment);
    if (index < 0) {
        return 0;
    }
    const auto number = static_cast<size_t>(index);
    TSide& side = sides[static_cast<size_t>(player)];
    const int32_t closing = std::min(dart.Multiplier, 3 - side.Marks[number]);
    side.Marks[number] += closing;
    const int32_t extra = dart.Multiplier - closing;
    int32_t counted = closing;
    if (extra > 0) {
        const int32_t points = extra * kNumbers[number];
        bool scored = false;
        for (size_t other = 0; other < sides.size(); ++other) {
            if (other == static_cast<size_t>(player) || sides[other].Marks[number] >= 3) {
                continue;
            }
            scored = true;
            if (m_CutThroat) {
                sides[other].Points += points;
            }
        }
        if (scored) {
            counted += extra;
            if (!m_CutThroat) {
                side.Points += points;
            }
        }
    }
    side.CountedMarks += counted;
    return counted;
}

bool CCricketGame::Wins(const std::vector<TSide>& sides, int32_t player) const
{
    const TSide& side = sides[static_cast<size_t>(player)];
    if (std::any_of(side.Marks.begin(), side.Marks.end(),
                    [](int32_t marks) { return marks < 3; })) {
        return false;
    }
    return std::all_of(sides.begin(), sides.end(), [&](const TSide& other) {
        return m_CutThroat ? other.Points >= side.Points : other.Points <= side.Points;
    });
}

bool CCricketGame::Play(int32_t player, const std::vector<TDart>& darts)
{
    const auto total = [this] {
        int32_t points = 0;
        for (const TSide& side : m_Sides) {
            points += side.Points;
        }
        return points;
    };
    const int32_t before = total();
    int32_t counted = 0;
    for (const TDart& dart : darts) {
        counted += Throw(m_Sides, player, dart);
        if (Wins(m_Sides, player)) {
            m_Winner = player;
            break;
        }
    }
    // A turn with no dart entered (three misses) still ends with the thrower's check: a side
    // that met the winning condition during another side's turn wins at the end of its own.
    if (darts.empty() && Wins(m_Sides, player)) {
        m_Winner = player;
        m_TurnMarks.push_back(0);
        m_TurnPoints.push_back(0);
        return false; // its three darts were thrown
    }
    m_TurnMarks.push_back(counted);
    m_TurnPoints.push_back(total() - before);
    return m_Winner == player;
}

int32_t CCricketGame::TurnEnd(int32_t player, const std::vector<TDart>& darts) const
{
    std::vector<TSide> sides = m_Sides;
    for (size_t index = 0; index < darts.size(); ++index) {
        Throw(sides, player, darts[index]);
        if (Wins(sides, player)) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

std::string CCricketGame::MarkSymbol(int32_t marks)
{
    switch (marks) {
    case 1:
        return "/";
    case 2:
        return "X";
    case 3:
        return "\u24CD";
    default:
        return "";
    }
}

TGameTable CCricketGame::Table() const
{
    TGameTable table;
    const auto players = static_cast<size_t>(Players());
    for (const int32_t number : kNumbers) {
        table.RowLabels.push_back(number == 25 ? QT_TRANSLATE_NOOP("Games", "Bull")
                                               : std::to_string(number));
        std::vector<std::string> row;
        for (size_t player = 0; player < players; ++player) {
            row.push_back(MarkSymbol(Marks(static_cast<int32_t>(player), number)));
        }
        table.Cells.push_back(std::move(row));
    }
    table.RowLabels.push_back("MPR");
    std::vector<std::string> mpr;
    for (size_t player = 0; player < players; ++player) {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", MarksPerRound(static_cast<int32_t>(player)));
        mpr.push_back(text);
        table.Headlines.push_back(std::to_string(Points(static_cast<int32_t>(player))));
    }
    table.Cells.push_back(std::move(mpr));
    return table;
}
