// The charts module (vantorix-charts): Qt Charts behind one function, loaded on first use.

#include "words/ChartData.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace {

// Lines with few points show each point; long ones would be a row of dots.
constexpr qsizetype kMostMarkedPoints = 40;
constexpr int kChartHeight = 280;

} // namespace

extern "C" Q_DECL_EXPORT QWidget* VtxNewChart(const TChartData& data, QWidget* parent)
{
    auto* chart = new QChart;
    chart->setTitle(data.Title);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    QAbstractAxis* xAxis = nullptr;
    if (data.XIsTime) {
        auto* axis = new QDateTimeAxis;
        axis->setFormat(QStringLiteral("d MMM yy"));
        axis->setTickCount(5);
        xAxis = axis;
    } else {
        auto* axis = new QValueAxis;
        axis->setLabelFormat(QStringLiteral("%d"));
        xAxis = axis;
    }
    xAxis->setTitleText(data.XTitle);
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(data.YTitle);
    yAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double top = 0.0;
    for (const TChartLine& line : data.Lines) {
        auto* series = new QLineSeries;
        series->setName(line.Name.toHtmlEscaped()); // the legend reads markup; a name is text
        series->append(line.Points);
        series->setPointsVisible(line.Points.size() <= kMostMarkedPoints);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        for (const QPointF& point : line.Points) {
            left = std::min(left, point.x());
            right = std::max(right, point.x());
            top = std::max(top, point.y());
        }
    }
    if (left > right) { // no point at all
        left = data.XIsTime ? 0.0 : 1.0;
        right = left + 1.0;
    }
    if (left == right) {
        right = left + (data.XIsTime ? 86400000.0 : 1.0);
    }
    if (data.XIsTime) {
        static_cast<QDateTimeAxis*>(xAxis)->setRange(
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(left)),
            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(right)));
    } else {
        // Whole turns: a tick on a round step, at most about ten of them.
        auto* axis = static_cast<QValueAxis*>(xAxis);
        // A little room either side, so that the first and last points stand clear.
        const double margin = std::max(0.3, (right - left) / 40.0);
        axis->setRange(left - margin, right + margin);
        double step = 1.0;
        for (double decade = 1.0; (right - left) / step > 10.0; decade *= 10.0) {
            for (const double factor : {1.0, 2.0, 5.0}) {
                step = decade * factor;
                if ((right - left) / step <= 10.0) {
                    break;
                }
            }
        }
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(left);
        axis->setTickInterval(step);
    }
    yAxis->setRange(0.0, std::max(10.0, top * 1.1));
    yAxis->applyNiceNumbers();

    auto* view = new QChartView(chart, parent);
    view->setObjectName(data.ObjectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(kChartHeight);
    return view;
}
