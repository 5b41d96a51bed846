#include "model/UnitVTXGameLogic.h"

#include <algorithm>

// The first thrower alternates from leg to leg; with sets, the first leg of each set goes to
// the player who did not start the set before it. Without sets that is FirstPlayer plus the
// number of legs already played.
CLeg::CLeg(CGame& game) : m_Game(game)
{
    const int32_t players = std::max(game.Params().PlayerCount, 1);
    const int32_t first = game.Params().FirstPlayer + game.m_Tally.SetIndex + game.m_Tally.LegInSet;
    m_PlayerToThrow = ((first % players) + players) % players;
    m_FirstThrower = m_PlayerToThrow;
    m_SetNumber = game.m_Tally.SetIndex + 1;
    m_LegNumberInSet = game.m_Tally.LegInSet + 1;
}

void CLeg::Start()
{
    const int32_t players = std::max(m_Game.Params().PlayerCount, 1);
    m_Sheets.reserve(static_cast<size_t>(players));
    for (int32_t index = 0; index < players; ++index) {
        m_Sheets.push_back(std::make_unique<CPlayerScores>(*this, index));
    }
    // Each opening entry moves the turn on by one, so after the last player the turn is back
    // at the leg's first thrower.
    for (int32_t index = 0; index < players; ++index) {
        CPlayerScores& sheet = *m_Sheets[static_cast<size_t>(index)];
        [[maybe_unused]] const bool opened = sheet.AddThrow(0, 0);
        if (index == m_PlayerToThrow) {
            m_Game.FireTurnChanged(&sheet);
        }
    }
}

int32_t CLeg::NextPlayer()
{
    ++m_PlayerToThrow;
    if (m_PlayerToThrow >= SheetCount()) {
        m_PlayerToThrow = 0;
    }
    return m_PlayerToThrow;
}

int32_t CLeg::PreviousPlayer()
{
    --m_PlayerToThrow;
    if (m_PlayerToThrow < 0) {
        m_PlayerToThrow = std::max(SheetCount() - 1, 0);
    }
    return m_PlayerToThrow;
}

void CLeg::ClearWinners()
{
    m_Game.EarlierLegChanged(*this);
    for (auto& sheet : m_Sheets) {
        sheet->m_Won = false;
    }
}
