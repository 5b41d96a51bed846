#include "league/Knockout.h"

#include <algorithm>

namespace {

// The first round's places by seed: 0 meets the last, and the top two can meet only in the
// final (1 v 16, 8 v 9, 4 v 13, ... for 16).
std::vector<int32_t> SeedPlaces(int32_t size)
{
    std::vector<int32_t> places = {0, 1};
    while (static_cast<int32_t>(places.size()) < size) {
        const int32_t doubled = static_cast<int32_t>(places.size()) * 2;
        std::vector<int32_t> next;
        for (const int32_t seed : places) {
            next.push_back(seed);
            next.push_back(doubled - 1 - seed);
        }
        places = std::move(next);
    }
    return places;
}

} // namespace

CKnockout::CKnockout(int32_t players, bool doubleElimination)
    : m_Players(players), m_Double(doubleElimination)
{
    if (players < 2 || players > 64) {
        return;
    }
    int32_t size = 2;
    int32_t rounds = 1;
    while (size < players) {
        size *= 2;
        ++rounds;
    }
    std::vector<TSource> entrants;
    for (const int32_t seed : SeedPlaces(size)) {
        entrants.push_back(seed < players ? TSource{TSource::TKind::Seed, seed} : TSource{});
    }
    // The winners' bracket, each round's losers kept for the losers' bracket.
    std::vector<std::vector<TSource>> losers(static_cast<size_t>(rounds));
    for (int32_t round = 0; round < rounds; ++round) {
        std::vector<TSource> home;
        std::vector<TSource> away;
        for (size_t at = 0; at < entrants.size(); at += 2) {
            home.push_back(entrants[at]);
            away.push_back(entrants[at + 1]);
        }
        entrants = PlayRound(round, false, home, away, &losers[static_cast<size_t>(round)]);
    }
    if (!m_Double) {
        return;
    }
    // The losers' bracket: the first round's losers meet each other; then, round by round, the
    // losers' bracket's winners meet the next winners' round's losers (in reverse order, which
    // keeps apart who met just before), and meet each other while more than one is left.
    std::vector<TSource> alive = losers[0];
    int32_t losersRound = 0;
    const auto halve = [&] {
        std::vector<TSource> home;
        std::vector<TSource> away;
        for (size_t at = 0; at + 1 < alive.size(); at += 2) {
            home.push_back(alive[at]);
            away.push_back(alive[at + 1]);
        }
        alive = PlayRound(losersRound++, true, home, away, nullptr);
    };
    if (alive.size() > 1) {
        halve();
    }
    for (int32_t round = 1; round < rounds; ++round) {
        std::vector<TSource> dropped = losers[static_cast<size_t>(round)];
        std::reverse(dropped.begin(), dropped.end());
        alive = PlayRound(losersRound++, true, alive, dropped, nullptr);
        if (alive.size() > 1) {
            halve();
        }
    }
    const TOutcome final = AddMatch(rounds, false, entrants[0], alive[0]);
    m_GrandFinal = final.Winner.Index;
}

CKnockout::TOutcome CKnockout::AddMatch(int32_t round, bool losersBracket, const TSource& home,
                                        const TSource& away)
{
    if (home.Kind == TSource::TKind::None || away.Kind == TSource::TKind::None) {
        // A bye: whoever comes goes on; nobody loses.
        return {home.Kind == TSource::TKind::None ? away : home, TSource{}};
    }
    const int32_t index = static_cast<int32_t>(m_Matches.size());
    m_Matches.push_back({round, -1, -1, -1, -1, -1, losersBracket});
    m_WinnerHome.push_back(false);
    m_LoserHome.push_back(false);
    for (const bool isHome : {true, false}) {
        const TSource& source = isHome ? home : away;
        const auto from = static_cast<size_t>(source.Index);
        if (source.Kind == TSource::TKind::Seed) {
            Place(index, source.Index, isHome);
        } else if (source.Kind == TSource::TKind::WinnerOf) {
            m_Matches[from].WinnerTo = index;
            m_WinnerHome[from] = isHome;
        } else {
            m_Matches[from].LoserTo = index;
            m_LoserHome[from] = isHome;
        }
    }
    return {{TSource::TKind::WinnerOf, index}, {TSource::TKind::LoserOf, index}};
}

std::vector<CKnockout::TSource> CKnockout::PlayRound(int32_t round, bool losersBracket,
                                                     const std::vector<TSource>& home,
                                                     const std::vector<TSource>& away,
                                                     std::vector<TSource>* losers)
{
    std::vector<TSource> winners;
    for (size_t at = 0; at < home.size(); ++at) {
        const TOutcome outcome = AddMatch(round, losersBracket, home[at], away[at]);
        winners.push_back(outcome.Winner);
        if (losers != nullptr) {
            losers->push_back(outcome.Loser);
        }
    }
    return winners;
}

void CKnockout::Place(int32_t match, int32_t player, bool home)
{
    TKnockoutMatch& target = m_Matches[static_cast<size_t>(match)];
    (home ? target.Home : target.Away) = player;
}

bool CKnockout::Report(int32_t match, int32_t winner)
{
    if (match < 0 || match >= static_cast<int32_t>(m_Matches.size())) {
        return false;
    }
    TKnockoutMatch& played = m_Matches[static_cast<size_t>(match)];
    if (played.Home == -1 || played.Away == -1 || played.Winner != -1 ||
        (winner != played.Home && winner != played.Away)) {
        return false;
    }
    played.Winner = winner;
    const int32_t loser = winner == played.Home ? played.Away : played.Home;
    if (match == m_GrandFinal && winner == played.Away) {
        // The losers' bracket's winner has beaten the unbeaten: both have lost once, so they
        // meet again.
        const int32_t reset = static_cast<int32_t>(m_Matches.size());
        played.WinnerTo = reset;
        played.LoserTo = reset;
        const TKnockoutMatch again = {
            played.Round + 1, played.Home, played.Away, -1, -1, -1, false};
        m_Matches.push_back(again);
        m_WinnerHome.push_back(false);
        m_LoserHome.push_back(false);
        return true;
    }
    if (played.WinnerTo == -1) {
        m_Champion = winner;
    } else {
        Place(played.WinnerTo, winner, m_WinnerHome[static_cast<size_t>(match)]);
    }
    if (played.LoserTo != -1) {
        Place(played.LoserTo, loser, m_LoserHome[static_cast<size_t>(match)]);
    }
    return true;
}
