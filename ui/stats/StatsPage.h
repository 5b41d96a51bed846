#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class CMatch;
class QTreeWidget;
struct TChartData;
struct TStatsTable;
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

    // The match's figures and legs: the X01 match's with its charts, cricket's and the practice
    // games' own figures and legs without charts.
    void Rebuild(const CMatch& match);
    // Whether a leg of the table can be chosen (Enter or a double-click) to correct its turns:
    // the match in play's page, not a stored match's.
    void SetLegsCorrectable(bool correctable) { m_LegsCorrectable = correctable; }
    // Chooses the leg selected in the table while the table has the keyboard (Enter, which
    // the scoreboard's Enter action takes first); false when it has not.
    bool ChooseSelectedLeg();

signals:
    // A leg of ListViewLegs was chosen, counted from 0.
    void LegChosen(int legIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateList();
    void ReplaceCharts(const std::vector<TChartData>& charts);
    // `table` in `list`: with `centred`, the values centred and every column as wide as its
    // contents.
    static void FillTable(QTreeWidget* list, const TStatsTable& table, bool centred);

    QVBoxLayout* m_Column = nullptr; // inside the scroll area
    QTreeWidget* m_ListViewStats = nullptr;
    QTreeWidget* m_ListViewLegs = nullptr;
    std::vector<QWidget*> m_Charts; // or the empty room under the tables
    bool m_LegsCorrectable = false;
    bool m_MatchLegsCorrectable = false; // the legs of cricket or a practice game are not
};
