#include "StatsPage.h"

#include "UnitGameDlg.h"
#include "UnitVTXGameLogic.h"
#include "WidgetHelpers.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TStatsPage::TStatsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelStats"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    QLabel* title =
        NewLabel(QStringLiteral("PanelStatsTitle"), QStringLiteral("Game Statistics"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::StyledPanel);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setMinimumHeight(24);
    layout->addWidget(title);
}

void TStatsPage::CreateList()
{
    m_ListViewStats = new QTreeWidget(this);
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
    layout()->addWidget(m_ListViewStats);
}

void TStatsPage::Rebuild(const CGame& game)
{
    if (m_ListViewStats == nullptr) {
        CreateList();
    }
    const TGameParams& params = game.Params();
    const int players = std::clamp(params.PlayerCount, 1, 2);
    m_ListViewStats->clear();
    QStringList columns{QStringLiteral("Stat"), QString::fromStdString(params.Player1Name)};
    if (players == 2) {
        columns << QString::fromStdString(params.Player2Name);
    }
    m_ListViewStats->setColumnCount(static_cast<int>(columns.size()));
    m_ListViewStats->setHeaderLabels(columns);
    m_ListViewStats->setColumnWidth(0, 250);
    for (int column = 1; column < columns.size(); ++column) {
        m_ListViewStats->setColumnWidth(column, 150);
    }

    std::vector<TPlayerStats> stats;
    for (int player = 0; player < players; ++player) {
        stats.push_back(game.GetPlayerStats(player));
    }
    using TFormat = QString (*)(const TPlayerStats&);
    struct TRow
    {
        const char* Caption;
        TFormat Format;
    };
    static const TRow kRows[] = {
        {"Legs Won", [](const TPlayerStats& s) { return QString::number(s.LegsWon); }},
        {"Darts Thrown", [](const TPlayerStats& s) { return QString::number(s.DartsThrown); }},
        {"Darts Per Leg Average", [](const TPlayerStats& s) { return Decimal2(s.DartsPerLeg); }},
        {nullptr, nullptr},
        {"Points Scored", [](const TPlayerStats& s) { return QString::number(s.PointsScored); }},
        {"1-Dart Average", [](const TPlayerStats& s) { return Decimal2(s.DartAverage); }},
        {"3-Dart Average", [](const TPlayerStats& s) { return Decimal2(s.TurnAverage); }},
        {"Lowest Throw (3-Darts)",
         [](const TPlayerStats& s) { return QString::number(s.LowestTurn); }},
        {"Highest Throw (3-Darts)",
         [](const TPlayerStats& s) { return QString::number(s.HighestTurn); }},
        {"Throws of 60+", [](const TPlayerStats& s) { return QString::number(s.Count60); }},
        {"Throws of 100+", [](const TPlayerStats& s) { return QString::number(s.Count100); }},
        {"Throws of 140+", [](const TPlayerStats& s) { return QString::number(s.Count140); }},
        {"Throws of 180", [](const TPlayerStats& s) { return QString::number(s.Count180); }},
        {nullptr, nullptr},
        {"Possible Outshots",
         [](const TPlayerStats& s) { return QString::number(s.PossibleOutShots); }},
        {"Effective Outshots",
         [](const TPlayerStats& s) { return Decimal2(s.EffectiveOutShots) + u'%'; }},
        {"Highest Outshot",
         [](const TPlayerStats& s) { return QString::number(s.HighestOutShot); }},
        {"Points Scored On Outshots",
         [](const TPlayerStats& s) { return QString::number(s.OutShotPoints); }},
        {"Outshot Value Average", [](const TPlayerStats& s) { return Decimal2(s.OutShotAverage); }},
    };
    QList<QTreeWidgetItem*> items;
    for (const TRow& row : kRows) {
        auto* item = new QTreeWidgetItem;
        if (row.Caption != nullptr) {
            item->setText(0, QString::fromLatin1(row.Caption));
            for (int player = 0; player < players; ++player) {
                item->setText(player + 1, row.Format(stats[static_cast<size_t>(player)]));
            }
        }
        items.append(item);
    }
    // With sets, the sets won stand under the legs won.
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        auto* sets = new QTreeWidgetItem;
        sets->setText(0, QStringLiteral("Sets Won"));
        for (int player = 0; player < players; ++player) {
            sets->setText(player + 1, QString::number(game.SetsWon(player)));
        }
        items.insert(1, sets);
    }
    m_ListViewStats->addTopLevelItems(items);
}
