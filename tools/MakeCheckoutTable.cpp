// Writes the checkout table shipped with Vantorix (data/VTXOutShots.ini) to standard output.
//
// For every total that can be finished in one turn it lists the route a player would aim at
// first, with the fewest darts, then up to two alternatives. A route that ends on a double
// comes before one that ends on the Bull; then routes are ranked by how friendly their double
// is (D20 and D16 first: a miss into the single leaves another double) and by how safe the
// set-up darts are (big trebles and singles before small ones).

#include "UnitVTXGameLogic.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

enum class TRing
{
    Single,
    Double,
    Treble,
    OuterBull,
    Bull
};

struct TBed
{
    TRing Ring;
    int Number; // 1..20; 25 for the bulls
    int Points() const
    {
        switch (Ring) {
        case TRing::Double:
            return 2 * Number;
        case TRing::Treble:
            return 3 * Number;
        case TRing::OuterBull:
            return 25;
        case TRing::Bull:
            return 50;
        default:
            return Number;
        }
    }
    std::string Name() const
    {
        switch (Ring) {
        case TRing::Double:
            return std::string(1, 'D').append(std::to_string(Number));
        case TRing::Treble:
            return std::string(1, 'T').append(std::to_string(Number));
        case TRing::OuterBull:
            return "25";
        case TRing::Bull:
            return "Bull";
        default:
            return std::to_string(Number);
        }
    }
    bool Finishes() const { return Ring == TRing::Double || Ring == TRing::Bull; }
};

// How much a player would rather not finish on this bed. The favourite doubles (D20, D16,
// then D8, D10, D12, D18) stand far ahead of the rest, so that the set-up darts leave one of
// them; among them, a bigger set-up dart decides.
double DoubleCost(const TBed& bed)
{
    static constexpr double kByNumber[21] = {
        0,   14.0, 9.0, 13.0, 6.0, 13.0, 8.0, 12.0, 0.4, 12.0, // 1..9
        0.5, 11.0, 0.6, 11.0, 7.0, 10.0, 0.1, 10.0, 0.7, 9.0,  // 10..19
        0.0,                                                   // 20
    };
    return bed.Ring == TRing::Bull ? 0.0 : kByNumber[bed.Number];
}

// How much a player would rather not throw this bed to set up the finish.
double SetupCost(const TBed& bed)
{
    switch (bed.Ring) {
    case TRing::Treble:
        return 2.0 + (20 - bed.Number) * 0.5;
    case TRing::Single:
        return 1.0 + (20 - bed.Number) * 0.05;
    case TRing::OuterBull:
        return 6.0;
    case TRing::Bull:
        return 7.0;
    case TRing::Double:
        return 12.0 + (20 - bed.Number) * 0.3;
    }
    return 99.0;
}

// The order a player throws the set-up darts in: trebles, then the bulls, then singles, the
// bigger number first.
int ThrowOrder(const TBed& bed)
{
    static constexpr int kRingOrder[] = {3, 4, 0, 2, 1}; // Single, Double, Treble, 25, Bull
    return kRingOrder[static_cast<int>(bed.Ring)] * 100 + (20 - bed.Number);
}

struct TRoute
{
    std::vector<TBed> Darts;
    double Cost = 0.0;
    std::string Text() const
    {
        std::string text;
        for (const TBed& dart : Darts) {
            if (!text.empty()) {
                text += ' ';
            }
            text.append(dart.Name());
        }
        return text;
    }
};

std::vector<TBed> AllBeds()
{
    std::vector<TBed> beds;
    for (int number = 20; number >= 1; --number) {
        beds.push_back({TRing::Treble, number});
    }
    for (int number = 20; number >= 1; --number) {
        beds.push_back({TRing::Single, number});
    }
    for (int number = 20; number >= 1; --number) {
        beds.push_back({TRing::Double, number});
    }
    beds.push_back({TRing::OuterBull, 25});
    beds.push_back({TRing::Bull, 25});
    return beds;
}

// Every route of exactly `darts` darts that finishes `score`, set-up darts in their best order
// (the bigger or safer dart first), each combination once.
std::vector<TRoute> Routes(int score, int darts, const std::vector<TBed>& beds)
{
    std::vector<TRoute> routes;
    std::set<std::string> seen;
    const auto add = [&](std::vector<TBed> setup, const TBed& last) {
        std::stable_sort(setup.begin(), setup.end(), [](const TBed& a, const TBed& b) {
            return ThrowOrder(a) < ThrowOrder(b);
        });
        TRoute route;
        route.Darts = setup;
        route.Darts.push_back(last);
        route.Cost = DoubleCost(last);
        for (const TBed& dart : setup) {
            route.Cost += SetupCost(dart);
        }
        // A tie goes to the route whose first dart is the safer one.
        route.Cost += setup.empty() ? 0.0 : SetupCost(setup.front()) * 0.001;
        if (seen.insert(route.Text()).second) {
            routes.push_back(route);
        }
    };
    for (const TBed& last : beds) {
        if (!last.Finishes()) {
            continue;
        }
        if (darts == 1 && last.Points() == score) {
            add({}, last);
        }
        for (const TBed& first : beds) {
            if (darts == 2 && first.Points() + last.Points() == score) {
                add({first}, last);
            }
            if (darts != 3) {
                continue;
            }
            for (const TBed& second : beds) {
                if (first.Points() + second.Points() + last.Points() == score) {
                    add({first, second}, last);
                }
            }
        }
    }
    // A route that ends on a double comes before every one that ends on the Bull.
    std::stable_sort(routes.begin(), routes.end(), [](const TRoute& a, const TRoute& b) {
        const bool aBull = a.Darts.back().Ring == TRing::Bull;
        const bool bBull = b.Darts.back().Ring == TRing::Bull;
        return aBull != bBull ? bBull : a.Cost < b.Cost;
    });
    return routes;
}

} // namespace

int main()
{
    const std::vector<TBed> beds = AllBeds();
    std::printf(
        "; Vantorix checkout table: one section per total that can be finished in one\n"
        "; turn, the route to aim at first, then alternatives. Darts: 19 single,\n"
        "; D16 double, T20 treble, 25 outer bull, Bull. Edit freely; keys are not shown.\n");
    for (int score = 2; score <= 170; ++score) {
        const int darts = CGame::CheckOutDarts(score);
        if (darts < 1 || darts > 3) {
            continue;
        }
        std::vector<TRoute> best = Routes(score, darts, beds);
        // Alternatives: the next routes of the same length, else of one dart more.
        std::vector<TRoute> others(best.begin() + 1, best.end());
        if (others.size() < 2 && darts < 3) {
            const std::vector<TRoute> longer = Routes(score, darts + 1, beds);
            others.insert(others.end(), longer.begin(), longer.end());
        }
        std::printf("\n[%d]\n1=%s\n", score, best.front().Text().c_str());
        for (size_t index = 0; index < std::min<size_t>(others.size(), 2); ++index) {
            std::printf("%zu=%s\n", index + 2, others[index].Text().c_str());
        }
    }
    return 0;
}
