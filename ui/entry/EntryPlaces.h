#pragma once

// Where the typed entry reads what the operator sees and says what it refuses: the page shown,
// the side panels, the statistics page, and whether the winner banner holds input. The
// window's pages provide it, so the entry knows no window.

#include <vector>

class TPlayerPanel;
class TStatsPage;

class TEntryPlaces
{
public:
    virtual ~TEntryPlaces() = default;

    virtual bool ShowsDefaultPage() const = 0;
    virtual bool ShowsStatsPage() const = 0;
    // The panels in use, and the one that shows side `player`, if any.
    virtual std::vector<TPlayerPanel*> Panels() const = 0;
    virtual TPlayerPanel* PanelOf(int player) const = 0;
    virtual TStatsPage* Stats() const = 0;
    // The winner banner holds input until it is acknowledged.
    virtual bool InputHeld() const = 0;
};
