#include "UiTestSupport.h"
#include "store/MatchStore.h"
#include "ui/charts/ChartLoader.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/history/HistoryDialog.h"

#include <QChartView>
#include <QLineSeries>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

QList<QPointF> SeriesPoints(const QWidget& root, const QString& chart, const QString& line)
{
    const auto* view = Find<QChartView>(root, chart);
    if (view == nullptr) {
        return {};
    }
    for (QAbstractSeries* series : view->chart()->series()) {
        if (series->name() == line) {
            return static_cast<QLineSeries*>(series)->points();
        }
    }
    qWarning("no line %s in %s", qPrintable(line), qPrintable(chart));
    return {};
}

QStringList Row(const QTreeWidget& list, int row)
{
    QStringList texts;
    const QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; item != nullptr && column < item->columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

} // namespace

class TestStatsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetChartsModulePath(QStringLiteral(VTX_CHARTS_MODULE)); }
    void FiguresLegTableAndChartsOfAPlayedMatch();
    void HistoryChartsAPlayersAveragePerMatch();
    void HistoryNamesEverySideTheWinnerAndEachAverage();
};

// 301: Anna 180, Ben 60, Anna 81, Ben 45, Anna 40 on one dart; leg 2, Ben first: Ben 100,
// Anna 45.
void TestStatsPage::FiguresLegTableAndChartsOfAPlayedMatch()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 0}));
    board.TypeTurns({180, 60, 81, 45});
    QVERIFY(board.TriggerAction("ActionOutShot1"));
    QTest::qWait(TFormVTX::kBannerMilliseconds + 100);
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    board.TypeTurns({100, 45});
    QVERIFY(board.TriggerAction("ActionStats"));

    const auto* stats = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    const int rows = stats->topLevelItemCount();
    QCOMPARE(Row(*stats, rows - 5).value(0), QStringLiteral("Outshot Value Average"));
    QCOMPARE(Row(*stats, rows - 3),
             (QStringList{"First 9 Average", "103.80", Decimal2(205.0 / 9 * 3)}));
    QCOMPARE(Row(*stats, rows - 2), (QStringList{"Best Leg (Darts)", "7", "-"}));
    QCOMPARE(Row(*stats, rows - 1), (QStringList{"Worst Leg (Darts)", "7", "-"}));

    const auto* legs = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewLegs"));
    QCOMPARE(legs->topLevelItemCount(), 2);
    QCOMPARE(Row(*legs, 0), (QStringList{"1", "Anna", "Anna", "7", "129.00", "52.50", "40"}));
    QCOMPARE(Row(*legs, 1), (QStringList{"2", "Ben", "(in play)", "", "45.00", "100.00", ""}));

    // Running averages: Anna 180, 261, 301 (7 darts), 346 (10 darts); Ben 60, 105, 205.
    QCOMPARE(SeriesPoints(board.Window, QStringLiteral("ChartAverages"), QStringLiteral("Anna")),
             (QList<QPointF>{{1, 180}, {2, 130.5}, {3, 129}, {4, 103.8}}));
    QCOMPARE(SeriesPoints(board.Window, QStringLiteral("ChartAverages"), QStringLiteral("Ben")),
             (QList<QPointF>{{1, 60}, {2, 52.5}, {3, 205.0 / 9 * 3}}));
    QCOMPARE(SeriesPoints(board.Window, QStringLiteral("ChartLegScores"), QStringLiteral("Ben")),
             (QList<QPointF>{{1, 100}}));
    QCOMPARE(SeriesPoints(board.Window, QStringLiteral("ChartLegScores"), QStringLiteral("Anna")),
             (QList<QPointF>{{1, 45}}));
}

void TestStatsPage::HistoryChartsAPlayersAveragePerMatch()
{
    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    CGame game;
    TGameParams params;
    params.PlayerCount = 1;
    params.StartScore = 301;
    params.CheckOutRule = true;
    params.Player1Name = "Anna";
    for (const int32_t score : {60, 100}) {
        game.NewGame(params);
        QVERIFY(store.BeginMatch(QStringLiteral("Standard 301"), params));
        QVERIFY(ApplyOperation(game, {TOperationKind::Turn, 0, 0, score, 0}));
        QVERIFY(store.Record({TOperationKind::Turn, 0, 0, score, 0}, game));
    }
    THistoryDialog history(store);
    history.show();
    Find<QComboBox>(history, QStringLiteral("ComboBoxPlayer"))
        ->setCurrentText(QStringLiteral("Anna"));
    const QList<QPointF> points =
        SeriesPoints(history, QStringLiteral("ChartPlayerHistory"), QStringLiteral("Anna"));
    QCOMPARE(points.size(), 2);
    QCOMPARE(points[0].y(), 60.0);
    QCOMPARE(points[1].y(), 100.0);
    QVERIFY(points[0].x() <= points[1].x());

    // A name is text wherever History shows it: never markup, never wider than its column.
    const QString markup = QStringLiteral("<h1>Big</h1><img src=x>") + QString(300, u'x');
    params.Player1Name = markup.toStdString();
    params.LegsToWin = 1;
    game.NewGame(params);
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 301"), params));
    QVERIFY(ApplyOperation(game, {TOperationKind::Turn, 0, 0, 45, 0}));
    QVERIFY(store.Record({TOperationKind::Turn, 0, 0, 45, 0}, game));
    THistoryDialog named(store);
    named.show();
    const auto* table = Find<QTableView>(named, QStringLiteral("TableMatches"));
    QVERIFY(table->columnWidth(2) <= 320);
    QCOMPARE(table->model()->index(0, 3).data().toString(),
             QStringLiteral("Standard 301 \u00B7 first to 1 leg"));
    QCOMPARE(table->model()->index(0, 6).data().toString(), QString()); // one player: one average
    // Listed, and charted, at the 64 characters a name holds.
    Find<QComboBox>(named, QStringLiteral("ComboBoxPlayer"))->setCurrentText(markup.left(64));
    const auto* view = Find<QChartView>(named, QStringLiteral("ChartPlayerHistory"));
    QCOMPARE(view->chart()->series().front()->name(), markup.left(64).toHtmlEscaped());
    // The match in play is refused; another is asked about in plain text.
    for (const auto& [row, said, button] :
         {std::tuple{0, QStringLiteral("This is the match in play."), QMessageBox::Ok},
          std::tuple{1, QStringLiteral("Delete Anna"), QMessageBox::No}}) {
        QString text;
        Qt::TextFormat format = Qt::RichText;
        const QMessageBox::StandardButton answer = button;
        AnswerNextDialog(
            [&text, &format, answer](QDialog& dialog) {
                auto& box = static_cast<QMessageBox&>(dialog);
                text = box.text();
                format = box.textFormat();
                box.button(answer)->setObjectName(QStringLiteral("ButtonAnswer"));
            },
            QStringLiteral("ButtonAnswer"));
        named.SelectRow(row);
        named.DeleteSelected();
        QVERIFY2(text.startsWith(said), qPrintable(text));
        QCOMPARE(format, Qt::PlainText);
    }
    QCOMPARE(named.MatchCount(), 3);
}

// Four sides won by the third, and pairs: every side named (a pair named apart from its
// throwers with them), the real winner, and an average per side; no more average columns than
// the most sides a stored match has.
void TestStatsPage::HistoryNamesEverySideTheWinnerAndEachAverage()
{
    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    CGame game;
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = 301;
    params.LegsToWin = 1;
    params.TeamSize = 2;
    params.PlayerNames = {"Team A", "Gus & Hal"};
    params.ThrowerNames = {"Eve", "Finn", "Gus", "Hal"};
    game.NewGame(params);
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 301"), params));
    params = {};
    params.PlayerCount = 4;
    params.StartScore = 301;
    params.LegsToWin = 1;
    params.PlayerNames = {"Anna", "Ben", "Cara", "Dan"};
    game.NewGame(params);
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 301"), params));
    // Two rounds of 100, then Anna and Ben 60 and Cara checks out 101.
    std::vector<TMatchOperation> turns;
    for (int round = 0; round < 2; ++round) {
        for (int32_t side = 0; side < 4; ++side) {
            turns.push_back({TOperationKind::Turn, side, 0, 100, 3});
        }
    }
    turns.push_back({TOperationKind::Turn, 0, 0, 60, 3});
    turns.push_back({TOperationKind::Turn, 1, 0, 60, 3});
    turns.push_back({TOperationKind::Turn, 2, 0, CPlayerScores::kFinishingTurn, 3});
    for (const TMatchOperation& turn : turns) {
        QVERIFY(ApplyOperation(game, turn));
        QVERIFY(store.Record(turn, game));
    }
    QCOMPARE(game.MatchWinner(), 2);
    THistoryDialog history(store);
    history.show();
    const auto* table = Find<QTableView>(history, QStringLiteral("TableMatches"));
    const auto row = [table](int index) {
        QStringList texts;
        for (int column = 2; column < table->model()->columnCount(); ++column) {
            if (column != 3 && !table->isColumnHidden(column)) {
                texts << table->model()->index(index, column).data().toString();
            }
        }
        return texts;
    };
    QCOMPARE(row(0), (QStringList{QStringLiteral("Anna v Ben v Cara v Dan"),
                                  QStringLiteral("Cara won, 0-0-1-0"), QStringLiteral("86.67"),
                                  QStringLiteral("86.67"), QStringLiteral("100.33"),
                                  QStringLiteral("100.00")}));
    QCOMPARE(row(1), (QStringList{QStringLiteral("Team A (Eve & Finn) v Gus & Hal"),
                                  QStringLiteral("abandoned, "), QStringLiteral("0.00"),
                                  QStringLiteral("0.00"), QString(), QString()}));
    QCOMPARE(table->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Avg 4"));
    QVERIFY(table->isColumnHidden(9)); // no match has a fifth side

    // A player of cricket only: matches and legs, no X01 figures and no chart of averages.
    params = {};
    params.PlayerCount = 1;
    params.Player1Name = "Cleo";
    QVERIFY(store.BeginMatch(QStringLiteral("Cricket"), params));
    THistoryDialog cricket(store);
    cricket.show();
    Find<QComboBox>(cricket, QStringLiteral("ComboBoxPlayer"))
        ->setCurrentText(QStringLiteral("Cleo"));
    QCOMPARE(Find<QLabel>(cricket, QStringLiteral("LabelPlayerFigures"))->text(),
             QStringLiteral("Matches 1 played, 0 won \u00B7 Legs 1 played, 0 won"));
    QVERIFY(cricket.findChild<QChartView*>(QStringLiteral("ChartPlayerHistory")) == nullptr);
}

QTEST_MAIN(TestStatsPage)
#include "StatsPageTest.moc"
