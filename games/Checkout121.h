#pragma once

// 121, a checkout drill: every side has nine darts (three turns) to check out 121 on a double.
// A checkout moves the side's target up one; nine darts without one move it down one, never
// below 121. A bust ends the turn and puts the remainder back to where the turn began. Each
// side has ten targets; the most checkouts win, then the highest target reached (equal: no
// winner).

#include "games/DartsGame.h"

class CCheckout121 final : public CDartsGame
{
public:
    static constexpr int32_t kStart = 121;
    static constexpr int32_t kDartsPerTarget = 9;
    static constexpr int32_t kTargets = 10;

    CCheckout121(int32_t players, int32_t firstPlayer = 0);

    int32_t Target(int32_t player) const;
    int32_t Remainder(int32_t player) const;
    // Darts left at the target in play.
    int32_t DartsLeft(int32_t player) const;
    // Targets played out, and those checked out.
    int32_t Attempts(int32_t player) const;
    int32_t Checkouts(int32_t player) const;
    // The highest target checked out; 0 before the first checkout.
    int32_t BestTarget(int32_t player) const;
    // Checkouts / targets x 100; 0 before the first target is played out.
    double CheckoutRate(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CCheckout121(*this));
    }

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;
    bool PlayerDone(int32_t player) const override;

private:
    struct TSide
    {
        int32_t Target = kStart;
        int32_t Remainder = kStart;
        int32_t DartsUsed = 0;
        int32_t Attempts = 0;
        int32_t Checkouts = 0;
        int32_t Best = 0;
    };
    // Where a dart leaves `remainder`: the new remainder, 0 on a checkout, -1 on a bust.
    static int32_t AfterDart(int32_t remainder, const TDart& dart);
    const TSide* Side(int32_t player) const;

    std::vector<TSide> m_Sides;
};
