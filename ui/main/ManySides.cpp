#include "ui/main/ManySides.h"

#include "model/UnitVTXGameLogic.h"
#include "ui/entry/TypedEntry.h"
#include "ui/main/MainPages.h"
#include "ui/panels/PlayerPanel.h"
#include "ui/panels/SideCards.h"
#include "words/MatchFormat.h"

#include <utility>

int TManySides::SideShown(const CLeg& leg)
{
    int shown = leg.PlayerToThrow();
    for (int32_t side = 0; leg.Finished() && side < leg.SheetCount(); ++side) {
        if (leg.GetSheet(side)->Won()) {
            shown = side;
        }
    }
    return shown;
}

TManySides::TManySides(const CGame& game, TMainPages& pages, const TTypedEntry& entry)
    : m_Game(game), m_Pages(pages), m_Entry(entry)
{}

void TManySides::Show(int player)
{
    const CLeg* leg = m_Game.CurrentLeg();
    CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (sheet == nullptr) {
        return;
    }
    TPlayerPanel& panel = *m_Pages.Players()[0];
    panel.SetPlayer(player);
    panel.SetName(SideBarName(m_Game, player));
    panel.ShowMatchScore(MatchScoreText(m_Game, player));
    panel.ShowSheet(*sheet, m_Game.GetPlayerStats(player));
    const TGameParams& params = m_Game.Params();
    if (!params.CountUp && params.CheckOutRule && sheet->LastEntry() != nullptr && FillHints) {
        FillHints(sheet->LastEntry()->Remainder, player);
    }
    const CPlayerScores* thrower = m_Entry.ThrowingSheet();
    panel.SetActive(thrower != nullptr && thrower->PlayerIndex() == player);
}

void TManySides::OnSheetChanged(int player)
{
    m_PanelStale = m_PanelStale || m_Pages.Players()[0]->Player() == player;
    m_CardsStale = true;
}

void TManySides::TurnPassed(int player)
{
    if (player >= 0) {
        Show(player); // the one panel follows the side to throw
        m_PanelStale = false;
    }
    m_CardsStale = true;
}

void TManySides::MarkStale()
{
    m_PanelStale = true;
    m_CardsStale = true;
}

void TManySides::Flush()
{
    if (!m_Pages.ManySides()) {
        return;
    }
    if (std::exchange(m_PanelStale, false)) {
        Show(m_Pages.Players()[0]->Player());
    }
    if (std::exchange(m_CardsStale, false)) {
        const CLeg& leg = *m_Game.CurrentLeg();
        m_Pages.Cards()->Show(m_Game, leg.Finished() ? -1 : leg.PlayerToThrow());
    }
}
