#include "words/MatchStats.h"

#include "games/GamesFigures.h"
#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"
#include "words/ShownText.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("MatchStats", text);
}

// The legs' table of every game begins with these: the leg, who began it, who won it and with
// how many darts.
QStringList LegColumns()
{
    return {Tr("Leg"), Tr("Started"), Tr("Won By"), Tr("Darts")};
}

// No leg won yet: no best leg, rather than a leg of 0 darts.
QString LegDarts(int32_t darts)
{
    return darts > 0 ? QString::number(darts) : QStringLiteral("-");
}

QString PlayerName(const CMatch& match, int player)
{
    return QString::fromStdString(match.PlayerName(player));
}

// Who threw for a side: the side itself, or for a pair the thrower by name.
QString ThrowerName(const CMatch& match, int player, int thrower)
{
    return QString::fromStdString(match.ThrowerName(player, std::max(thrower, 0)));
}

// Each player's 3-dart average after each of their turns of the match, and the turn scores of
// the leg in play.
std::vector<TChartData> Charts(const CGame& game)
{
    TChartData averages{QStringLiteral("ChartAverages"),
                        Tr("3-Dart Average"),
                        Tr("Turn of the match"),
                        Tr("Average"),
                        false,
                        {}};
    TChartData legScores{QStringLiteral("ChartLegScores"),
                         Tr("Turn Scores, Leg %1").arg(game.LegCount()),
                         Tr("Turn of the leg"),
                         Tr("Score"),
                         false,
                         {}};
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
    return {std::move(averages), std::move(legScores)};
}

// One row a leg: where it stands, who threw first, who won it with how many darts, each
// player's 3-dart average in it, the checkout.
TStatsTable X01Legs(const CGame& game)
{
    const TGameParams& params = game.Params();
    const int players = std::max(params.PlayerCount, 1);
    const bool sets = params.LegsToWin > 0 && params.SetsToWin > 0;
    TStatsTable legs{LegColumns(), {}};
    for (int player = 0; player < players; ++player) {
        legs.Columns << Tr("%1 Avg").arg(PlayerName(game, player));
    }
    legs.Columns << Tr("Checkout");
    int number = 0;
    for (const TLegSummary& leg : game.LegSummaries()) {
        ++number;
        const bool won = leg.Winner >= 0;
        QStringList row{sets ? Tr("Set %1 Leg %2").arg(leg.Set).arg(leg.LegInSet)
                             : QString::number(number),
                        ThrowerName(game, leg.Starter, leg.StarterThrower),
                        won ? ThrowerName(game, leg.Winner, leg.WinnerThrower) : Tr("(in play)"),
                        won ? QString::number(leg.WinnerDarts) : QString()};
        for (int player = 0; player < players; ++player) {
            const auto index = static_cast<size_t>(player);
            row << Decimal2(index < leg.Averages.size() ? leg.Averages[index] : 0.0);
        }
        row << (won ? QString::number(leg.Checkout) : QString());
        legs.Rows.push_back(row);
    }
    return legs;
}

TMatchStats X01Stats(const CGame& game)
{
    const TGameParams& params = game.Params();
    const int players = std::max(params.PlayerCount, 1);
    TMatchStats page;
    page.ColumnsByName = true;
    page.LegsCorrectable = true;
    // A column per side, and for pairs a column per thrower after them.
    QStringList& columns = page.Figures.Columns;
    columns << Tr("Stat");
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
    using TFormat = QString (*)(const TPlayerStats&);
    struct TRow
    {
        const char* Caption;
        TFormat Format;
    };
    // The checkout percentage and the doubles are shown under this row.
    static const char* const kOutshotAverage =
        QT_TRANSLATE_NOOP("MatchStats", "Outshot Value Average");
    static const TRow kRows[] = {
        {QT_TRANSLATE_NOOP("MatchStats", "Legs Won"),
         [](const TPlayerStats& s) { return QString::number(s.LegsWon); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Darts Thrown"),
         [](const TPlayerStats& s) { return QString::number(s.DartsThrown); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Darts Per Leg Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartsPerLeg); }},
        {nullptr, nullptr},
        {QT_TRANSLATE_NOOP("MatchStats", "Points Scored"),
         [](const TPlayerStats& s) { return QString::number(s.PointsScored); }},
        {QT_TRANSLATE_NOOP("MatchStats", "1-Dart Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartAverage); }},
        // Points per dart times three, as darts players read it (a checkout on fewer darts
        // counts those); TurnAverage, points per turn, is the panels' "Turn Avg".
        {QT_TRANSLATE_NOOP("MatchStats", "3-Dart Average"),
         [](const TPlayerStats& s) { return Decimal2(s.DartAverage * 3.0); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Lowest Throw (3-Darts)"),
         [](const TPlayerStats& s) { return QString::number(s.LowestTurn); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Highest Throw (3-Darts)"),
         [](const TPlayerStats& s) { return QString::number(s.HighestTurn); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Throws of 60+"),
         [](const TPlayerStats& s) { return QString::number(s.Count60); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Throws of 100+"),
         [](const TPlayerStats& s) { return QString::number(s.Count100); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Throws of 140+"),
         [](const TPlayerStats& s) { return QString::number(s.Count140); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Throws of 180"),
         [](const TPlayerStats& s) { return QString::number(s.Count180); }},
        {nullptr, nullptr},
        {QT_TRANSLATE_NOOP("MatchStats", "Possible Outshots"),
         [](const TPlayerStats& s) { return QString::number(s.PossibleOutShots); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Effective Outshots"),
         [](const TPlayerStats& s) { return Decimal2(s.EffectiveOutShots) + u'%'; }},
        {QT_TRANSLATE_NOOP("MatchStats", "Highest Outshot"),
         [](const TPlayerStats& s) { return QString::number(s.HighestOutShot); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Points Scored On Outshots"),
         [](const TPlayerStats& s) { return QString::number(s.OutShotPoints); }},
        {kOutshotAverage, [](const TPlayerStats& s) { return Decimal2(s.OutShotAverage); }},
        {nullptr, nullptr},
        {QT_TRANSLATE_NOOP("MatchStats", "First 9 Average"),
         [](const TPlayerStats& s) { return Decimal2(s.FirstNineAverage); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Best Leg (Darts)"),
         [](const TPlayerStats& s) { return LegDarts(s.BestLegDarts); }},
        {QT_TRANSLATE_NOOP("MatchStats", "Worst Leg (Darts)"),
         [](const TPlayerStats& s) { return LegDarts(s.WorstLegDarts); }},
    };
    std::vector<QStringList>& rows = page.Figures.Rows;
    size_t afterOutshots = 0; // the row after "Outshot Value Average"
    for (const TRow& row : kRows) {
        if (row.Caption == kOutshotAverage) {
            afterOutshots = rows.size() + 1;
        }
        QStringList shown;
        if (row.Caption != nullptr) {
            shown << Tr(row.Caption);
            for (const TPlayerStats& column : stats) {
                shown << row.Format(column);
            }
        }
        rows.push_back(shown);
    }
    // Dart by dart: the checkout percentage over the darts at a double, and each double used
    // (hits / attempts), under the outshots.
    if (params.EnterDarts || std::any_of(stats.begin(), stats.end(), [](const TPlayerStats& s) {
            return s.DartsAtDouble > 0;
        })) {
        auto at = rows.begin() + static_cast<std::ptrdiff_t>(afterOutshots);
        QStringList percent{Tr("Checkout % (darts)")};
        for (const TPlayerStats& column : stats) {
            percent << Tr("%1% (%2/%3)")
                           .arg(Decimal2(column.CheckoutPercent))
                           .arg(column.DoublesHit)
                           .arg(column.DartsAtDouble);
        }
        at = rows.insert(at, percent) + 1;
        std::vector<TDoubleAttempts> doubles;
        for (int player = 0; player < players; ++player) {
            doubles.push_back(game.DoubleAttempts(player));
        }
        for (size_t index = 0; index < std::tuple_size_v<TDoubleAttempts>; ++index) {
            if (std::none_of(doubles.begin(), doubles.end(),
                             [index](const TDoubleAttempts& d) { return d[index].second > 0; })) {
                continue; // only the doubles used
            }
            QStringList row{index == 20 ? Tr("  Bull (hits / darts)")
                                        : Tr("  D%1 (hits / darts)").arg(index + 1)};
            for (int player = 0; player < players; ++player) {
                const auto& [hits, attempts] = doubles[static_cast<size_t>(player)][index];
                row << QStringLiteral("%1 / %2").arg(hits).arg(attempts);
            }
            at = rows.insert(at, row) + 1;
        }
    }
    // With sets, the sets won stand under the legs won.
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        QStringList sets{Tr("Sets Won")};
        for (int player = 0; player < players; ++player) {
            sets << QString::number(game.SetsWon(player));
        }
        rows.insert(rows.begin() + 1, sets);
    }
    page.Legs = X01Legs(game);
    page.Charts = Charts(game);
    return page;
}

// The figures of cricket or a practice game (one column a side) and one row a leg: its number,
// who began, who won with how many darts, each side's headline figure.
TMatchStats GamesStats(const CGamesMatch& games)
{
    TMatchStats page;
    page.Figures.Columns << Tr("Stat");
    for (int player = 0; player < games.Players(); ++player) {
        page.Figures.Columns << PlayerName(games, player);
    }
    for (const TFigureRow& figure : GamesFigures(games)) {
        QStringList row{GamesText(figure.Caption)};
        for (const std::string& value : figure.Values) {
            row << GamesText(value);
        }
        page.Figures.Rows.push_back(row);
    }
    page.Legs.Columns = LegColumns();
    for (int player = 0; player < games.Players(); ++player) {
        page.Legs.Columns << PlayerName(games, player);
    }
    int number = 0;
    for (const TGamesLegRow& leg : GamesLegRows(games)) {
        ++number;
        QStringList row{QString::number(number), PlayerName(games, leg.Starter),
                        leg.Winner >= 0 ? PlayerName(games, leg.Winner)
                        : leg.Over      ? Tr("(tie)")
                                        : Tr("(in play)"),
                        leg.Winner >= 0 ? QString::number(leg.WinnerDarts) : QString()};
        for (const std::string& headline : leg.Headlines) {
            row << GamesText(headline);
        }
        page.Legs.Rows.push_back(row);
    }
    return page;
}

} // namespace

TMatchStats MatchStatsOf(const CMatch& match)
{
    // Each kind has its own figures, as the panels draw each kind's own sheet.
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        return GamesStats(*games);
    }
    return X01Stats(static_cast<const CGame&>(match));
}
