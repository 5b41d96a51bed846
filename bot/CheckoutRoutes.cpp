#include "bot/CheckoutRoutes.h"

#include <algorithm>
#include <set>

namespace {

// The order a player throws the set-up darts in: trebles, then the bulls, then singles, the
// bigger number first.
int ThrowOrder(const TBed& bed)
{
    static constexpr int kRingOrder[] = {3, 4, 0, 2, 1}; // Single, Double, Treble, 25, Bull
    return kRingOrder[static_cast<int>(bed.Ring)] * 100 + (20 - bed.Number);
}

} // namespace

int32_t TBed::Points() const
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

std::string TBed::Name() const
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

std::string TRoute::Text() const
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

const std::vector<TBed>& AllBeds()
{
    static const std::vector<TBed> kBeds = [] {
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
    }();
    return kBeds;
}

std::vector<TRoute> CheckoutRoutes(int32_t score, int32_t darts)
{
    const std::vector<TBed>& beds = AllBeds();
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
