#pragma once

#include "ui/entry/EntryPlaces.h"

#include <QWidget>
#include <array>
#include <vector>

class CGame;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class TNoticeBar;
class TPlayerPanel;
class TSideCards;
class TComputerThrower;
class TStatsPage;
class TWinnerBanner;

// The scoreboard's contents under the tool bar: the game title, the notebook with the
// "Default" page (PanelX01: the players' panels) and the "Stats" page, the winner banner over
// the default page and the notice strip at the foot. It only lays them out; the window fills
// them from the match and connects their signals.
class TMainPages final : public QWidget, public TEntryPlaces
{
    Q_OBJECT

public:
    static constexpr int kPageDefault = 0;
    static constexpr int kPageStats = 1;

    TMainPages(const CGame& game, QWidget* parent);

    QLabel* GameTitle() const { return m_GameTitle; }
    QStackedWidget* Notebook() const { return m_Notebook; }
    QWidget* PanelX01() const { return m_PanelX01; }
    const std::array<TPlayerPanel*, 2>& Players() const { return m_Players; }
    TStatsPage* Stats() const override { return m_Stats; }
    TWinnerBanner* Banner() const { return m_Banner; }
    TNoticeBar* Notice() const { return m_Notice; }
    // With more than two sides: their cards, beside the one panel that shows the side chosen.
    TSideCards* Cards() const { return m_Cards; }
    // Lays the default page out for `sides` sides: one or two panels as always, or the cards
    // and one panel for more; for a match of cricket or a practice game, its panel alone.
    void LayOutFor(int sides, bool game = false);
    // The panel of cricket and the practice games, made by the window (it follows the session).
    void AddGamePanel(QWidget* panel);
    // The panels in use (both for one or two sides: the second is hidden for one; the first
    // for more), and the one that shows side `player`, if any.
    std::vector<TPlayerPanel*> Panels() const override;
    TPlayerPanel* PanelOf(int player) const override;
    bool ShowsDefaultPage() const override;
    bool ShowsStatsPage() const override;
    bool InputHeld() const override;
    bool ManySides() const { return m_ManySides; }
    // On the panel of the computer's side: its darts as they land, or why it does not throw
    // (paused, or waiting after an undo); every other panel shows none.
    void ShowDartsLines(const CGame& game, const TComputerThrower& computer);

private:
    QLabel* m_GameTitle = nullptr;
    QStackedWidget* m_Notebook = nullptr;
    QWidget* m_PanelX01 = nullptr;
    QHBoxLayout* m_PanelLayout = nullptr;
    TSideCards* m_Cards = nullptr;
    QWidget* m_GamePanel = nullptr;
    bool m_ManySides = false;
    std::array<TPlayerPanel*, 2> m_Players{};
    TStatsPage* m_Stats = nullptr;
    TWinnerBanner* m_Banner = nullptr;
    TNoticeBar* m_Notice = nullptr;
};
