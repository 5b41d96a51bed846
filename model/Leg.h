#pragma once

// One leg of an X01 match: a score sheet per side, the side to throw, and where the leg stands
// in the match.

#include "model/PlayerScores.h"

#include <cstdint>
#include <memory>
#include <vector>

class CGame;

class CLeg final
{
public:
    explicit CLeg(CGame& game);
    CLeg(const CLeg&) = delete;
    CLeg& operator=(const CLeg&) = delete;

    // Creates one sheet per player and records their opening entries.
    void Start();

    CPlayerScores* GetSheet(int32_t index) const
    {
        return index >= 0 && index < SheetCount() ? m_Sheets[static_cast<size_t>(index)].get()
                                                  : nullptr;
    }
    CPlayerScores* CurrentSheet() const { return GetSheet(m_PlayerToThrow); }
    int32_t SheetCount() const { return static_cast<int32_t>(m_Sheets.size()); }

    int32_t NextPlayer();
    int32_t PreviousPlayer();
    bool Finished() const { return m_Finished; }
    void SetFinished(bool finished) { m_Finished = finished; }
    void ClearWinners();
    int32_t PlayerToThrow() const { return m_PlayerToThrow; }
    CGame& Game() const { return m_Game; }
    // Who threw first in this leg, and where it stands in the match (both counted from 1).
    int32_t FirstThrower() const { return m_FirstThrower; }
    int32_t SetNumber() const { return m_SetNumber; }
    int32_t LegNumberInSet() const { return m_LegNumberInSet; }

private:
    CGame& m_Game;
    std::vector<std::unique_ptr<CPlayerScores>> m_Sheets;
    bool m_Finished = false;
    int32_t m_PlayerToThrow = 0;
    int32_t m_FirstThrower = 0;
    int32_t m_SetNumber = 1;
    int32_t m_LegNumberInSet = 1;
};
