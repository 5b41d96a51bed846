#include "ui/stats/StatsPage.h"

#include "ui/charts/ChartLoader.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/newgame/UnitGameDlg.h"
#include "words/MatchStats.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollArea>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TStatsPage::TStatsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelStats"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    QLabel* title = NewLabel(QStringLiteral("PanelStatsTitle"), tr("Game Statistics"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::StyledPanel);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setMinimumHeight(24);
    layout->addWidget(title);
}

namespace {

// A list as tall as its rows: the page scrolls, not each list.
void FitHeightToRows(QTreeWidget* list)
{
    int height = list->header()->sizeHint().height() + 2 * list->frameWidth();
    const int rows = list->topLevelItemCount();
    if (rows > 0) {
        height += rows * list->sizeHintForRow(0);
    }
    list->setFixedHeight(height);
}

// The captions' column: 250 pixels, or what its longest caption (a longer language's) needs.
void FitCaptions(QTreeWidget* list)
{
    list->resizeColumnToContents(0);
    list->setColumnWidth(0, std::max(250, list->columnWidth(0)));
}

} // namespace

void TStatsPage::CreateList()
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollStats"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* column = new QWidget(scroll);
    m_Column = new QVBoxLayout(column);
    m_Column->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(column);
    layout()->addWidget(scroll);

    m_ListViewStats = new QTreeWidget(column);
    m_ListViewStats->setObjectName(QStringLiteral("ListViewStats"));
    m_ListViewStats->setRootIsDecorated(false);
    m_ListViewStats->setUniformRowHeights(true);
    m_ListViewStats->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ListViewStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ListViewStats->header()->setSectionsClickable(false);
    m_ListViewStats->header()->setStretchLastSection(false);
    QFont statsFont = CourierFont();
    statsFont.setPointSizeF(m_ListViewStats->font().pointSizeF() * 1.1);
    m_ListViewStats->setFont(statsFont);
    m_ListViewStats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Column->addWidget(m_ListViewStats);

    m_ListViewLegs = new QTreeWidget(column);
    m_ListViewLegs->setObjectName(QStringLiteral("ListViewLegs"));
    m_ListViewLegs->setRootIsDecorated(false);
    m_ListViewLegs->setUniformRowHeights(true);
    m_ListViewLegs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ListViewLegs->header()->setSectionsClickable(false);
    m_ListViewLegs->header()->setStretchLastSection(false);
    m_ListViewLegs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_ListViewLegs, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (m_LegsCorrectable && m_MatchLegsCorrectable && item != nullptr) {
            emit LegChosen(m_ListViewLegs->indexOfTopLevelItem(item));
        }
    });
    m_ListViewLegs->installEventFilter(this); // F2, as in the score lists
    m_Column->addWidget(m_ListViewLegs);
}

// One row a leg: where it stands, who threw first, who won it with how many darts, each
// player's 3-dart average in it, the checkout.
bool TStatsPage::ChooseSelectedLeg()
{
    QTreeWidgetItem* item = m_ListViewLegs->currentItem();
    if (!m_LegsCorrectable || !m_MatchLegsCorrectable || item == nullptr ||
        !m_ListViewLegs->hasFocus()) {
        return false;
    }
    emit LegChosen(m_ListViewLegs->indexOfTopLevelItem(item));
    return true;
}

bool TStatsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ListViewLegs && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        return ChooseSelectedLeg();
    }
    return QWidget::eventFilter(watched, event);
}

void TStatsPage::ReplaceCharts(const std::vector<TChartData>& charts)
{
    qDeleteAll(m_Charts);
    m_Charts.clear();
    for (const TChartData& chart : charts) {
        m_Charts.push_back(NewChart(chart, m_Column->parentWidget()));
    }
    if (m_Charts.empty()) {
        // No charts: the room under the lists stays empty, the lists at the top.
        m_Charts.push_back(new QWidget(m_Column->parentWidget()));
        m_Charts.back()->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    }
    for (QWidget* chart : m_Charts) {
        m_Column->addWidget(chart);
    }
}

void TStatsPage::FillTable(QTreeWidget* list, const TStatsTable& table, bool centred)
{
    list->clear();
    list->setColumnCount(static_cast<int>(table.Columns.size()));
    list->setHeaderLabels(table.Columns);
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : table.Rows) {
        auto* item = new QTreeWidgetItem(row);
        for (int column = 1; column < table.Columns.size() && centred; ++column) {
            item->setTextAlignment(column, Qt::AlignCenter);
        }
        items.append(item);
    }
    list->addTopLevelItems(items);
    for (int column = 0; column < table.Columns.size() && centred; ++column) {
        list->resizeColumnToContents(column);
    }
}

void TStatsPage::Rebuild(const CMatch& match)
{
    if (m_ListViewStats == nullptr) {
        CreateList();
    }
    const TMatchStats stats = MatchStatsOf(match);
    m_MatchLegsCorrectable = stats.LegsCorrectable;
    FillTable(m_ListViewStats, stats.Figures, !stats.ColumnsByName);
    if (stats.ColumnsByName) {
        // A column as wide as its name ("Computer (60)"), from 150 px (two sides) or 100
        // (more), to at most 220: a longer name is cut with "…".
        const QStringList& columns = stats.Figures.Columns;
        const QFontMetrics heading = m_ListViewStats->header()->fontMetrics();
        const int margin =
            2 * m_ListViewStats->header()->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int column = 1; column < columns.size(); ++column) {
            const int named = heading.horizontalAdvance(columns[column]) + margin + 4;
            m_ListViewStats->setColumnWidth(
                column, std::clamp(named, columns.size() <= 3 ? 150 : 100, 220));
        }
    }
    FitCaptions(m_ListViewStats);
    FitHeightToRows(m_ListViewStats);
    FillTable(m_ListViewLegs, stats.Legs, true);
    FitHeightToRows(m_ListViewLegs);
    ReplaceCharts(stats.Charts);
}
