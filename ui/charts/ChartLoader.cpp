#include "ui/charts/ChartLoader.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>

namespace {

QString& ModulePath()
{
    static QString path;
    return path;
}

} // namespace

QString ChartsModulePath()
{
    if (ModulePath().isEmpty()) {
        return QCoreApplication::applicationDirPath() +
               QStringLiteral("/charts/vantorix-charts.so");
    }
    return ModulePath();
}

void SetChartsModulePath(const QString& path)
{
    ModulePath() = path;
}

QWidget* NewChart(const TChartData& data, QWidget* parent)
{
    // Loaded once and kept for the program's life: its widgets live on in the pages.
    static QString problem;
    static TNewChartFunction create = [] {
        QLibrary module(ChartsModulePath());
        auto* function = reinterpret_cast<TNewChartFunction>(module.resolve(kNewChartSymbol));
        if (function == nullptr) {
            problem = module.errorString();
        }
        return function;
    }();
    if (create != nullptr) {
        return create(data, parent);
    }
    auto* label = new QLabel(QStringLiteral("%1: no chart (%2)").arg(data.Title, problem), parent);
    label->setObjectName(data.ObjectName);
    label->setWordWrap(true);
    return label;
}
