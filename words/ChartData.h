#pragma once

// A line chart described in plain data: what the scoreboard hands the charts module, which is
// loaded only when a chart is first shown (the charting library and the OpenGL libraries it
// pulls in would otherwise be loaded at every start).

#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

struct TChartLine
{
    QString Name; // in the legend
    QList<QPointF> Points;
};

struct TChartData
{
    QString ObjectName; // of the chart's view
    QString Title;
    QString XTitle;
    QString YTitle;
    bool XIsTime = false; // x holds milliseconds since the epoch
    std::vector<TChartLine> Lines;
};

class QWidget;

// The module's one entry point: a chart view of `data`, a child of `parent`.
using TNewChartFunction = QWidget* (*)(const TChartData& data, QWidget* parent);
inline constexpr const char* kNewChartSymbol = "VtxNewChart";
