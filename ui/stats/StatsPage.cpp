#include "ui/stats/StatsPage.h"

#include "games/GamesFigures.h"
#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"
#include "ui/charts/ChartLoader.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/newgame/UnitGameDlg.h"

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

// No leg won yet: no best leg, rather than a leg of 0 darts.
QString LegDarts(int32_t darts)
{
    return darts > 0 ? QString::number(darts) : QStringLiteral("-");
}

QString PlayerName(const CGame& game, int player)
{
    return QString::fromStdString(game.PlayerName(player));
}

// Who threw for a side: the side itself, or for a pair the thrower by name.
QString ThrowerName(const CGame& game, int player, int thrower)
{
    return QString::fromStdString(game.ThrowerName(player, std::max(thrower, 0)));
}

// Each player's 3-dart average after each of their turns of the match, and the turn scores of
// the leg in play.
void ChartData(const CGame& game, TChartData& averages, TChartData& legScores)
{
    const int players = std::max(game.Params().PlayerCount, 1);
    for (int player = 0; player < players; ++player) {
        TChartLine average{PlayerName(game, player), {}};
        int64_t points = 0;
        int64_t darts = 0;
        int turn = 0;
        for (int32_t index = 0; index < game.LegCount(); ++index) {
            const CPlayerScores* sheet = game.GetLeg(index)->GetSheet(player);
            if (sheet == nullptr) {
                continue;
            }
            for (int32_t entry = 1; entry < sheet->EntryCount(); ++entry) {
                const bool claimedFinish =
                    sheet->Won() && entry == sheet->EntryCount() - 1 && sheet->OutShotDarts() > 0;
                points += sheet->GetEntry(entry)->Score;
                darts += claimedFinish ? sheet->OutShotDarts() : 3;
                average.Points.append(
                    QPointF(++turn, static_cast<double>(points) / static_cast<double>(darts) * 3));
            }
        }
        averages.Lines.push_back(std::move(average));
        TChartLine scores{PlayerName(game, player), {}};
        if (const CLeg* leg = game.CurrentLeg(); leg != nullptr && leg->GetSheet(player)) {
            const CPlayerScores& sheet = *leg->GetSheet(player);
            for (int32_t entry = 1; entry < sheet.EntryCount(); ++entry) {
                scores.Points.append(QPointF(entry, sheet.GetEntry(entry)->Score));
            }
        }
        legScores.Lines.push_back(std::move(scores));
    }
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
        if (m_LegsCorrectable && !m_ShowsGames && item != nullptr) {
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
    if (!m_LegsCorrectable || m_ShowsGames || item == nullptr || !m_ListViewLegs->hasFocus()) {
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

void TStatsPage::FillLegs(const CGame& game)
{
    const TGameParams& params = game.Params();
    const int players = std::max(params.PlayerCount, 1);
    const bool sets = params.LegsToWin > 0 && params.SetsToWin > 0;
    QStringList columns{tr("Leg"), tr("Started"), tr("Won By"), tr("Darts")};
    for (int player = 0; player < players; ++player) {
        columns << tr("%1 Avg").arg(PlayerName(game, player));
    }
    columns << tr("Checkout");
    m_ListViewLegs->clear();
    m_ListViewLegs->setColumnCount(static_cast<int>(columns.size()));
    m_ListViewLegs->setHeaderLabels(columns);
    QList<QTreeWidgetItem*> items;
    int number = 0;
    for (const TLegSummary& leg : game.LegSummaries()) {
        auto* item = new QTreeWidgetItem;
        ++number;
        item->setText(0, sets ? tr("Set %1 Leg %2").arg(leg.Set).arg(leg.LegInSet)
                              : QString::number(number));
        item->setText(1, ThrowerName(game, leg.Starter, leg.StarterThrower));
        const bool won = leg.Winner >= 0;
        item->setText(2, won ? ThrowerName(game, leg.Winner, leg.WinnerThrower) : tr("(in play)"));
        item->setText(3, won ? QString::number(leg.WinnerDarts) : QString());
        for (int player = 0; player < players; ++player) {
            const auto index = static_cast<size_t>(player);
            item->setText(4 + player,
                          Decimal2(index < leg.Averages.size() ? leg.Averages[index] : 0.0));
        }
        item->setText(4 + players, won ? QString::number(leg.Checkout) : QString());
        for (int column = 1; column < columns.size(); ++column) {
            item->setTextAlignment(column, Qt::AlignCenter);
        }
        items.append(item);
    }
    m_ListViewLegs->addTopLevelItems(items);
    for (int column = 0; column < columns.size(); ++column) {
        m_ListViewLegs->resizeColumnToContents(column);
    }
    FitHeightToRows(m_ListViewLegs);
}

void TStatsPage::ReplaceCharts(const CGame& game)
{
    TChartData averages{QStringLiteral("ChartAverages"),
                        tr("3-Dart Average"),
                        tr("Turn of the match"),
                        tr("Average"),
                        false,
                        {}};
    TChartData legScores{QStringLiteral("ChartLegScores"),
                         tr("Turn Scores, Leg %1").arg(game.LegCount()),
                         tr("Turn of the leg"),
                         tr("Score"),
                         false,
                         {}};
    ChartData(game, averages, legScores);
    delete m_ChartAverages;
    delete m_ChartLegScores;
    m_ChartAverages = NewChart(averages, m_Column->parentWidget());
    m_ChartLegScores = NewChart(legScores, m_Column->parentWidget());
    m_Column->addWidget(m_ChartAverages);
    m_Column->addWidget(m_ChartLegScores);
}

void TStatsPage::FillTable(QTreeWidget* list, const QStringList& columns,
                           const std::vector<QStringList>& rows)
{
    list->clear();
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(row);
        for (int column = 1; column < columns.size(); ++column) {
            item->setTextAlignment(column, Qt::AlignCenter);
        }
        items.append(item);
    }
    list->addTopLevelItems(items);
    for (int column = 0; column < columns.size(); ++column) {
        list->resizeColumnToContents(column);
    }
    FitHeightToRows(list);
}

// The figures of cricket or a practice game (one column a side) and one row a leg: its number,
// who began, who won with how many darts, each side's headline figure.
void TStatsPage::RebuildGames(const CGamesMatch& games)
{
    const TGameParams& params = games.Params();
    const auto side = [&params](int player) {
        return QString::fromStdString(SideName(params, player));
    };
    QStringList columns{tr("Stat")};
    for (int player = 0; player < games.Players(); ++player) {
        columns << side(player);
    }
    std::vector<QStringList> rows;
    for (const TFigureRow& figure : GamesFigures(games)) {
        QStringList row{GamesText(figure.Caption)};
        for (const std::string& value : figure.Values) {
            row << GamesText(value);
        }
        rows.push_back(row);
    }
    FillTable(m_ListViewStats, columns, rows);
    FitCaptions(m_ListViewStats);

    QStringList legColumns{tr("Leg"), tr("Started"), tr("Won By"), tr("Darts")};
    for (int player = 0; player < games.Players(); ++player) {
        legColumns << side(player);
    }
    std::vector<QStringList> legRows;
    int number = 0;
    for (const TGamesLegRow& leg : GamesLegRows(games)) {
        ++number;
        QStringList row{QString::number(number), side(leg.Starter),
                        leg.Winner >= 0 ? side(leg.Winner)
                        : leg.Over      ? tr("(tie)")
                                        : tr("(in play)"),
                        leg.Winner >= 0 ? QString::number(leg.WinnerDarts) : QString()};
        for (const std::string& headline : leg.Headlines) {
            row << GamesText(headline);
        }
        legRows.push_back(row);
    }
    FillTable(m_ListViewLegs, legColumns, legRows);
    // No charts: the room under the lists stays empty, the lists at the top.
    delete m_ChartAverages;
    delete m_ChartLegScores;
    m_ChartAverages = new QWidget(m_Column->parentWidget());
    m_ChartAverages->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_Column->addWidget(m_ChartAverages);
    m_ChartLegScores = nullptr;
}

void TStatsPage::Rebuild(const CMatch& match)
{
    if (m_ListViewStats == nullptr) {
        CreateList();
    }
    // The page shows each kind's own figures, as the panels draw each kind's own sheet.
    const auto* games = dynamic_cast<const CGamesMatch*>(&match);
    m_ShowsGames = games != nullptr;
    if (games != nullptr) {
        RebuildGames(*games);
    } else {
        RebuildX01(static_cast<const CGame&>(match));
    }
}

void TStatsPage::RebuildX01(const CGame& game)
{
    const TGameParams& params = game.Params();
    const int players = std::max(params.PlayerCount, 1);
    m_ListViewStats->clear();
    // A column per side, and for pairs a column per thrower after them.
    QStringList columns{tr("Stat")};
    std::vector<TPlayerStats> stats;
    for (int player = 0; player < players; ++player) {
        columns << PlayerName(game, player);
        stats.push_back(game.GetPlayerStats(player));
    }
    for (int player = 0; player < players && params.TeamSize == 2; ++player) {
        for (int thrower = 0; thrower < 2; ++thrower) {
            columns << ThrowerName(game, player, thrower);
            stats.push_back(game.GetThrowerStats(player, thrower));
        }
    }
    m_ListViewStats->setColumnCount(static_cast<int>(columns.size()));
    m_ListViewStats->setHeaderLabels(columns);
    // A column as wide as its name ("Computer (60)"), from 150 px (two sides) or 100 (more),
    // to at most 220: a longer name is cut with "…".
    const QFontMetrics heading = m_ListViewStats->header()->fontMetrics();
    const int margin = 2 * m_ListViewStats->header()->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int column = 1; column < columns.size(); ++column) {
        const int named = heading.horizontalAdvance(columns[column]) + margin + 4;
        m_ListViewStats->setColumnWidth(column,
                                        std::clamp(named, columns.size() <= 3 ? 150 : 100, 220));
    }
    using TFormat = QString (*)(const TPlayerStats&);
    struct TRow
    {
        const char* Caption;
        TFormat Format;
    };
    // The checkout percentage and the doubles are shown under this row.
    static const char* const kOutshotAverage = QT_TR_NOOP("Outshot Value Average");
    static const TRow kRows[] = {
        {QT_TR_NOOP("Legs Won"), [](const TPlayerStats& s) { return QString::number(s.LegsWon); }},
        {QT_TR_NOOP("Darts Thrown"),
         [](const TPlayerStats& s) { return QString::number(s.DartsThrown); }},
        {QT_TR_NOOP("Darts Per Leg Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartsPerLeg); }},
        {nullptr, nullptr},
        {QT_TR_NOOP("Points Scored"),
         [](const TPlayerStats& s) { return QString::number(s.PointsScored); }},
        {QT_TR_NOOP("1-Dart Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartAverage); }},
        // Points per dart times three, as darts players read it (a checkout on fewer darts
        // counts those); TurnAverage, points per turn, is the panels' "Turn Avg".
        {QT_TR_NOOP("3-Dart Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartAverage * 3.0); }},
        {QT_TR_NOOP("Lowest Throw (3-Darts)"),
         [](const TPlayerStats& s) { return QString::number(s.LowestTurn); }},
        {QT_TR_NOOP("Highest Throw (3-Darts)"),
         [](const TPlayerStats& s) { return QString::number(s.HighestTurn); }},
        {QT_TR_NOOP("Throws of 60+"),
         [](const TPlayerStats& s) { return QString::number(s.Count60); }},
        {QT_TR_NOOP("Throws of 100+"),
         [](const TPlayerStats& s) { return QString::number(s.Count100); }},
        {QT_TR_NOOP("Throws of 140+"),
         [](const TPlayerStats& s) { return QString::number(s.Count140); }},
        {QT_TR_NOOP("Throws of 180"),
         [](const TPlayerStats& s) { return QString::number(s.Count180); }},
        {nullptr, nullptr},
        {QT_TR_NOOP("Possible Outshots"),
         [](const TPlayerStats& s) { return QString::number(s.PossibleOutShots); }},
        {QT_TR_NOOP("Effective Outshots"),
         [](const TPlayerStats& s) { return Decimal2(s.EffectiveOutShots) + u'%'; }},
        {QT_TR_NOOP("Highest Outshot"),
         [](const TPlayerStats& s) { return QString::number(s.HighestOutShot); }},
        {QT_TR_NOOP("Points Scored On Outshots"),
         [](const TPlayerStats& s) { return QString::number(s.OutShotPoints); }},
        {kOutshotAverage, [](const TPlayerStats& s) { return Decimal2(s.OutShotAverage); }},
        {nullptr, nullptr},
        {QT_TR_NOOP("First 9 Average"),
         [](const TPlayerStats& s) { return Decimal2(s.FirstNineAverage); }},
        {QT_TR_NOOP("Best Leg (Darts)"),
         [](const TPlayerStats& s) { return LegDarts(s.BestLegDarts); }},
        {QT_TR_NOOP("Worst Leg (Darts)"),
         [](const TPlayerStats& s) { return LegDarts(s.WorstLegDarts); }},
    };
    QList<QTreeWidgetItem*> items;
    qsizetype afterOutshots = 0; // the row after "Outshot Value Average"
    for (const TRow& row : kRows) {
        if (row.Caption == kOutshotAverage) {
            afterOutshots = items.size() + 1;
        }
        auto* item = new QTreeWidgetItem;
        if (row.Caption != nullptr) {
            item->setText(0, tr(row.Caption));
            for (size_t column = 0; column < stats.size(); ++column) {
                item->setText(static_cast<int>(column) + 1, row.Format(stats[column]));
            }
        }
        items.append(item);
    }
    // Dart by dart: the checkout percentage over the darts at a double, and each double used
    // (hits / attempts), under the outshots.
    if (params.EnterDarts || std::any_of(stats.begin(), stats.end(), [](const TPlayerStats& s) {
            return s.DartsAtDouble > 0;
        })) {
        qsizetype at = afterOutshots;
        auto* percent = new QTreeWidgetItem;
        percent->setText(0, tr("Checkout % (darts)"));
        for (size_t column = 0; column < stats.size(); ++column) {
            percent->setText(static_cast<int>(column) + 1,
                             tr("%1% (%2/%3)")
                                 .arg(Decimal2(stats[column].CheckoutPercent))
                                 .arg(stats[column].DoublesHit)
                                 .arg(stats[column].DartsAtDouble));
        }
        items.insert(at++, percent);
        std::vector<TDoubleAttempts> doubles;
        for (int player = 0; player < players; ++player) {
            doubles.push_back(game.DoubleAttempts(player));
        }
        for (size_t index = 0; index < std::tuple_size_v<TDoubleAttempts>; ++index) {
            if (std::none_of(doubles.begin(), doubles.end(),
                             [index](const TDoubleAttempts& d) { return d[index].second > 0; })) {
                continue; // only the doubles used
            }
            auto* row = new QTreeWidgetItem;
            row->setText(0, index == 20 ? tr("  Bull (hits / darts)")
                                        : tr("  D%1 (hits / darts)").arg(index + 1));
            for (int player = 0; player < players; ++player) {
                const auto& [hits, attempts] = doubles[static_cast<size_t>(player)][index];
                row->setText(player + 1, QStringLiteral("%1 / %2").arg(hits).arg(attempts));
            }
            items.insert(at++, row);
        }
    }
    // With sets, the sets won stand under the legs won.
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        auto* sets = new QTreeWidgetItem;
        sets->setText(0, tr("Sets Won"));
        for (int player = 0; player < players; ++player) {
            sets->setText(player + 1, QString::number(game.SetsWon(player)));
        }
        items.insert(1, sets);
    }
    m_ListViewStats->addTopLevelItems(items);
    FitCaptions(m_ListViewStats);
    FitHeightToRows(m_ListViewStats);
    FillLegs(game);
    ReplaceCharts(game);
}
