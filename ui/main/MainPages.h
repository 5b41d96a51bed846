#pragma once

#include <QWidget>
#include <array>

class CGame;
class QLabel;
class QStackedWidget;
class TNoticeBar;
class TPlayerPanel;
class TStatsPage;
class TWinnerBanner;

// The scoreboard's contents under the tool bar: the game title, the notebook with the
// "Default" page (PanelX01: the players' panels) and the "Stats" page, the winner banner over
// the default page and the notice strip at the foot. It only lays them out; the window fills
// them from the match and connects their signals.
class TMainPages final : public QWidget
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
    TStatsPage* Stats() const { return m_Stats; }
    TWinnerBanner* Banner() const { return m_Banner; }
    TNoticeBar* Notice() const { return m_Notice; }

private:
    QLabel* m_GameTitle = nullptr;
    QStackedWidget* m_Notebook = nullptr;
    QWidget* m_PanelX01 = nullptr;
    std::array<TPlayerPanel*, 2> m_Players{};
    TStatsPage* m_Stats = nullptr;
    TWinnerBanner* m_Banner = nullptr;
    TNoticeBar* m_Notice = nullptr;
};
