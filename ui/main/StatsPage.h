#pragma once

#include <QWidget>

class CGame;
class QTreeWidget;
class QVBoxLayout;

// The "Stats" page (PanelStats): a title; below it, in one scrolling column, the list
// ListViewStats of every match figure (one column a player), the table ListViewLegs of the
// legs, and two charts: ChartAverages (each player's running 3-dart average over the match)
// and ChartLegScores (the turn scores of the leg in play). Everything is of the moment
// Rebuild is called, when the page is shown; nothing is made before the first time, so the
// page costs nothing at start and a typed turn nothing at all.
class TStatsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit TStatsPage(QWidget* parent = nullptr);

    void Rebuild(const CGame& game);

private:
    void CreateList();
    void FillLegs(const CGame& game);
    void ReplaceCharts(const CGame& game);

    QVBoxLayout* m_Column = nullptr; // inside the scroll area
    QTreeWidget* m_ListViewStats = nullptr;
    QTreeWidget* m_ListViewLegs = nullptr;
    QWidget* m_ChartAverages = nullptr;
    QWidget* m_ChartLegScores = nullptr;
};
