#pragma once

// A knockout bracket, single or double elimination, for 2 to 64 players seeded by their index
// (0 the top seed). Pure C++.

#include <cstdint>
#include <vector>

struct TKnockoutMatch
{
    int32_t Round;    // from 0 within its bracket; the grand final and its reset follow the
                      // winners' bracket's last round
    int32_t Home;     // a player's index, -1 while not yet known
    int32_t Away;     // the same
    int32_t Winner;   // -1 until reported
    int32_t WinnerTo; // the match the winner goes to, -1 for none
    int32_t LoserTo;  // the match the loser goes to, -1 for none (out)
    bool LosersBracket;
};

class CKnockout final
{
public:
    // Byes go to the top seeds in the first round; a bye is no match: its player is already in
    // the match of the next round. With double elimination every player is out at the second
    // loss: the losers' bracket's winner meets the winners' bracket's in a grand final, and
    // when it wins that, a reset match is added to decide. Fewer than 2 or more than 64 players
    // give an empty bracket.
    CKnockout(int32_t players, bool doubleElimination);

    [[nodiscard]] const std::vector<TKnockoutMatch>& Matches() const { return m_Matches; }
    // False for a match not ready (a player not yet known), one already reported, or a winner
    // who is neither of its players.
    [[nodiscard]] bool Report(int32_t match, int32_t winner);
    // -1 until decided.
    [[nodiscard]] int32_t Champion() const { return m_Champion; }
    [[nodiscard]] int32_t Players() const { return m_Players; }
    [[nodiscard]] bool DoubleElimination() const { return m_Double; }

private:
    // Where a player comes from before the bracket is played: a seed, a match's winner or loser,
    // or nobody (a bye).
    struct TSource
    {
        enum class TKind
        {
            None,
            Seed,
            WinnerOf,
            LoserOf
        } Kind = TKind::None;
        int32_t Index = -1;
    };
    struct TOutcome
    {
        TSource Winner;
        TSource Loser;
    };

    TOutcome AddMatch(int32_t round, bool losersBracket, const TSource& home, const TSource& away);
    std::vector<TSource> PlayRound(int32_t round, bool losersBracket,
                                   const std::vector<TSource>& home,
                                   const std::vector<TSource>& away, std::vector<TSource>* losers);
    void Place(int32_t match, int32_t player, bool home);

    int32_t m_Players;
    bool m_Double;
    std::vector<TKnockoutMatch> m_Matches;
    // Per match: whether its winner, and its loser, take the home place of the match they go to.
    std::vector<bool> m_WinnerHome;
    std::vector<bool> m_LoserHome;
    int32_t m_GrandFinal = -1;
    int32_t m_Champion = -1;
};
