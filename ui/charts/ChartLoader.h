#pragma once

#include "words/ChartData.h"

class QWidget;

// A chart view of `data` from the charts module, loaded the first time; when the module
// cannot be loaded, a label that says why (the rest of the page works on).
QWidget* NewChart(const TChartData& data, QWidget* parent);

// The charts module, charts/vantorix-charts.so beside the running executable; the tests point
// elsewhere.
QString ChartsModulePath();
void SetChartsModulePath(const QString& path);
