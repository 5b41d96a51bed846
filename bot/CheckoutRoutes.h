#pragma once

// The checkout routes a player aims at: every way to finish a total with a given number of
// darts, best first. A route that ends on a double comes before one that ends on the Bull;
// then routes are ranked by how friendly their double is (D20 and D16 first: a miss into the
// single leaves another double) and by how safe the set-up darts are (big trebles and singles
// before small ones). The shipped checkout table is made from these routes (tools/), and the
// computer opponent aims by them. Pure C++: no toolkit, no file.

#include <cstdint>
#include <string>
#include <vector>

enum class TRing : uint8_t
{
    Single,
    Double,
    Treble,
    OuterBull,
    Bull
};

// One bed of the board: a ring and its number (1..20; 25 for the bulls).
struct TBed
{
    TRing Ring = TRing::Single;
    int32_t Number = 20;

    int32_t Points() const;
    // As the checkout table writes it: "19", "D16", "T20", "25", "Bull".
    std::string Name() const;
    // A dart that may end a leg under the checkout rule.
    bool Finishes() const { return Ring == TRing::Double || Ring == TRing::Bull; }
    bool operator==(const TBed&) const = default;
};

struct TRoute
{
    std::vector<TBed> Darts;
    double Cost = 0.0;
    std::string Text() const;
};

// How much a player would rather not finish on this bed (the favourite doubles cost least).
double DoubleCost(const TBed& bed);
// How much a player would rather not throw this bed to set up a finish.
double SetupCost(const TBed& bed);
// Every bed: trebles, singles, doubles (20 down to 1), then 25 and the Bull.
const std::vector<TBed>& AllBeds();
// Every route of exactly `darts` darts (1..3) that finishes `score`, best first; set-up darts
// in the order a player throws them (the bigger or safer dart first), each combination once.
std::vector<TRoute> CheckoutRoutes(int32_t score, int32_t darts);
