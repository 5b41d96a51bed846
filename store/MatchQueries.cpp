#include "store/MatchQueries.h"

#include "games/MatchFactory.h"
#include "model/UnitVTXGameLogic.h"
#include "store/PlayerRecords.h"
#include "store/StoredDarts.h"
#include "store/StoredSides.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace {

QString SqlText(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// The list's words (%2 ..) are filled in the language shown, as SQL strings; %1 lists the names
// of cricket and the practice games, which have no average.
// The list's words (%1 ..) are filled in the language shown, as SQL strings. Every side is named
// from its own row (a pair with its throwers when its name is not theirs), and so is the winner,
// whatever the number of sides; a store written before the sides table names a pair by its side
// name.
const char* const kMatchList =
    "SELECT m.id,"
    " replace(substr(m.started, 1, 16), 'T', ' ') AS \"Date\","
    " COALESCE((SELECT group_concat(shown, %1) FROM (SELECT"
    "   CASE WHEN d.team_size > 1 AND d.thrower1 || ' & ' || d.thrower2 <> s.name"
    "    THEN substr(s.name, 1, 64) || ' (' || substr(d.thrower1, 1, 64) || ' & '"
    "     || substr(d.thrower2, 1, 64) || ')'"
    "    ELSE substr(s.name, 1, 64) END"
    "   AS shown FROM player_stats s LEFT JOIN {sides} d"
    "   ON d.match_id = s.match_id AND d.side = s.player"
    "   WHERE s.match_id = m.id AND s.player < m.player_count ORDER BY s.player)),"
    "  substr(m.player1, 1, 64)"
    "  || CASE WHEN m.player_count > 1 THEN %1 || substr(m.player2, 1, 64) ELSE '' END)"
    "  AS \"Players\","
    " %2 || CASE WHEN m.legs_to_win <= 0 THEN ''"
    "  WHEN m.sets_to_win > 0 THEN %3 || m.sets_to_win"
    "   || CASE m.sets_to_win WHEN 1 THEN %4 ELSE %5 END || m.legs_to_win"
    "   || CASE m.legs_to_win WHEN 1 THEN %6 ELSE %7 END"
    "  ELSE %3 || m.legs_to_win"
    "   || CASE m.legs_to_win WHEN 1 THEN %6 ELSE %7 END END AS \"Game\","
    " CASE m.state WHEN 1 THEN COALESCE((SELECT substr(w.name, 1, 64) FROM player_stats w"
    "   WHERE w.match_id = m.id AND w.player = m.winner),"
    "   substr(CASE m.winner WHEN 1 THEN m.player2 ELSE m.player1 END, 1, 64))"
    "   || %8 || {score}"
    "  WHEN 0 THEN %9 || {score} ELSE %10 || {score} END AS \"Result\"";

// One average column of side `side` (0..7): empty for the games without one and for a side
// the match does not have.
QString AverageColumn(int side, const QString& decimalPoint)
{
    return QStringLiteral(
               ", CASE WHEN m.player_count > %1 AND m.game NOT IN %2 THEN (SELECT"
               " replace(printf('%.2f', 3.0 * a.points / NULLIF(a.darts, 0)), '.', %3)"
               " FROM player_stats a WHERE a.match_id = m.id AND a.player = %1) ELSE '' END"
               " AS \"Avg %4\"")
        .arg(side)
        .arg(OtherGamesSqlList(), SqlText(decimalPoint))
        .arg(side + 1);
}

// The game's name in the language shown.
QString SqlGameName(const std::vector<std::pair<QString, QString>>& names)
{
    QString cases = QStringLiteral("CASE m.game");
    for (const auto& [stored, shown] : names) {
        cases += QStringLiteral(" WHEN %1 THEN %2").arg(SqlText(stored), SqlText(shown));
    }
    return cases + QStringLiteral(" ELSE m.game END");
}

QString MatchListSql(bool hasSides, const TMatchListWords& words)
{
    QString averages;
    for (int side = 0; side < CMatchQueries::kMaxSides; ++side) {
        averages += AverageColumn(side, words.DecimalPoint);
    }
    // A store opened only to read, written before pairs came, has no sides table.
    const QString sides = hasSides ? QStringLiteral("sides")
                                   : QStringLiteral("(SELECT 0 AS match_id, 0 AS side,"
                                                    " 1 AS team_size, '' AS thrower1,"
                                                    " '' AS thrower2 WHERE 0)");
    // The score is stored in English ("Sets 1-0, Legs 1-1") and shown in the language's words.
    const QString score = QStringLiteral("replace(replace(m.score, 'Sets ', %1), ', Legs ', %2)")
                              .arg(SqlText(words.Sets), SqlText(words.CommaLegs));
    return QString::fromUtf8(kMatchList)
               .replace(QStringLiteral("{sides}"), sides)
               .replace(QStringLiteral("{score}"), score)
               .arg(SqlText(words.Versus), SqlGameName(words.GameNames), SqlText(words.FirstTo),
                    SqlText(words.SetOf), SqlText(words.SetsOf), SqlText(words.Leg),
                    SqlText(words.Legs), SqlText(words.Won))
               .arg(SqlText(words.InPlay), SqlText(words.Abandoned)) +
           averages + QStringLiteral(" FROM matches m ORDER BY m.id DESC");
}

} // namespace

CMatchQueries::CMatchQueries(QSqlDatabase database) : m_Database(std::move(database)) {}

std::optional<TStoredMatch> CMatchQueries::Load(int64_t id) const
{
    QSqlDatabase database = m_Database;
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "SELECT game, player_count, first_player, start_score, target_score, count_up,"
        " checkout_rule, player1, player2, legs_to_win, sets_to_win, started, state, legs, score"
        " FROM matches WHERE id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    TStoredMatch match;
    match.Id = id;
    match.GameName = query.value(0).toString();
    TGameParams& params = match.Params;
    params.PlayerCount = query.value(1).toInt();
    params.FirstPlayer = query.value(2).toInt();
    params.StartScore = query.value(3).toInt();
    params.TargetScore = query.value(4).toInt();
    params.CountUp = query.value(5).toInt() != 0;
    params.CheckOutRule = query.value(6).toInt() != 0;
    params.Player1Name = CutName(query.value(7).toString()).toStdString();
    params.Player2Name = CutName(query.value(8).toString()).toStdString();
    params.LegsToWin = query.value(9).toInt();
    params.SetsToWin = query.value(10).toInt();
    match.Started = QDateTime::fromString(query.value(11).toString(), Qt::ISODate);
    match.State = static_cast<TMatchState>(query.value(12).toInt());
    match.Legs = query.value(13).toInt();
    match.Score = query.value(14).toString();
    query.finish();
    if (params.PlayerCount < 1 || params.PlayerCount > CGame::kMaxPlayers) {
        // The sides the match has figures for, when that is a count a match can have.
        QSqlQuery sides(database);
        sides.prepare(QStringLiteral("SELECT COUNT(*) FROM player_stats WHERE match_id=?"));
        sides.addBindValue(QVariant::fromValue(id));
        const int counted = sides.exec() && sides.next() ? sides.value(0).toInt() : 0;
        const int stored = params.PlayerCount;
        params.PlayerCount = counted >= 1 && counted <= CGame::kMaxPlayers
                                 ? counted
                                 : std::clamp(stored, 1, CGame::kMaxPlayers);
        match.Problems << QCoreApplication::translate("CMatchStore",
                                                      "its %1 players were read as %2")
                              .arg(stored)
                              .arg(params.PlayerCount);
    }
    if (!IsKnownGame(match.GameName.toStdString())) {
        match.Problems << QCoreApplication::translate("CMatchStore",
                                                      "its game \"%1\" is not one this version "
                                                      "plays; it goes on as X01 from %2")
                              .arg(CutName(match.GameName))
                              .arg(params.StartScore);
    }
    ReadSides(database, id, params, &match.Problems);
    ReadComputers(database, id, params, &match.Problems);
    params.ComputerSeed = ReadMatchSeed(database, id).value_or(params.ComputerSeed);
    QSqlQuery operations(database);
    const std::map<int64_t, std::vector<TDart>> darts = ReadTurnDarts(database, id);
    // A match goes on as it was entered; one stored before its mode was kept, as its darts
    // suggest.
    params.EnterDarts = ReadEntryMode(database, id).value_or(!darts.empty());
    operations.prepare(QStringLiteral("SELECT kind, player, entry, score, darts, leg, seq"
                                      " FROM operations WHERE match_id=? ORDER BY seq"));
    operations.addBindValue(QVariant::fromValue(id));
    operations.setForwardOnly(true);
    if (!operations.exec()) {
        return std::nullopt;
    }
    while (operations.next()) {
        match.Operations.push_back({static_cast<TOperationKind>(operations.value(0).toInt()),
                                    operations.value(1).toInt(), operations.value(2).toInt(),
                                    operations.value(3).toInt(), operations.value(4).toInt(),
                                    operations.value(5).toInt()});
        if (const auto thrown = darts.find(operations.value(6).toLongLong());
            thrown != darts.end()) {
            match.Operations.back().Thrown = thrown->second;
        }
    }
    return match;
}

std::optional<TMatchState> CMatchQueries::State(int64_t id) const
{
    QSqlQuery state(m_Database);
    state.prepare(QStringLiteral("SELECT state FROM matches WHERE id=?"));
    state.addBindValue(QVariant::fromValue(id));
    if (!state.exec() || !state.next()) {
        return std::nullopt;
    }
    return static_cast<TMatchState>(state.value(0).toInt());
}

int CMatchQueries::MatchCount() const
{
    QSqlQuery count(m_Database);
    return count.exec(QStringLiteral("SELECT COUNT(*) FROM matches")) && count.next()
               ? count.value(0).toInt()
               : 0;
}

int CMatchQueries::MostSides() const
{
    QSqlQuery most(m_Database);
    return most.exec(QStringLiteral("SELECT MAX(player_count) FROM matches")) && most.next()
               ? std::clamp(most.value(0).toInt(), 2, kMaxSides)
               : 2;
}

QSqlQuery CMatchQueries::MatchList(const TMatchListWords& words) const
{
    QSqlQuery shape(m_Database);
    // A store opened only to read, written before pairs came, has no sides table.
    const bool hasSides =
        shape.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'sides'")) &&
        shape.next();
    shape.finish();
    return QSqlQuery(MatchListSql(hasSides, words), m_Database);
}
