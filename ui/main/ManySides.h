#pragma once

// With more than two sides the "Default" page has one panel, which shows the side to throw (or
// the side the operator chose to look at or correct), beside a card per side. A turn changes a
// sheet and passes the turn; the panel and the cards are brought up to date once, when the
// operation is done, rather than at every event of it.

#include <functional>

class CGame;
class CLeg;
class TMainPages;
class TTypedEntry;

class TManySides final
{
public:
    TManySides(const CGame& game, TMainPages& pages, const TTypedEntry& entry);

    // The side the panel shows when a match is shown: the side to throw, or the leg's winner
    // once it is won (a match resumed between legs).
    static int SideShown(const CLeg& leg);

    // Shows side `player` in the panel: its name bar, sheet, figures and hints.
    void Show(int player);
    // Side `player`'s sheet changed: the panel (when it shows it) and the cards are stale.
    void OnSheetChanged(int player);
    // The turn passed to `player` (-1: nobody throws): the panel follows at once.
    void TurnPassed(int player);
    // Everything shown again at the next Flush (a match started or put back).
    void MarkStale();
    // Brings what is stale up to date.
    void Flush();

    // Fills the panel's hints for a total (the window's checkout table).
    std::function<void(int score, int player)> FillHints;

private:
    const CGame& m_Game;
    TMainPages& m_Pages;
    const TTypedEntry& m_Entry;
    bool m_PanelStale = false;
    bool m_CardsStale = false;
};
