#include "store/MatchExport.h"

#include "games/GamesMatch.h"
#include "games/MatchFactory.h"
#include "model/DartNotation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");
// A CSV file name stays well within the 255 bytes a file name may have, and usable in a
// save dialog.
constexpr qsizetype kFileNameBytes = 100;

// A figure: a number as it is ("-3", Bob's 27 below zero), anything else ("Done") as text.
QString CsvFigure(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch() ? text : CsvText(text);
}

// Cuts `text` at a character boundary so that its UTF-8 takes at most `bytes`, ending in "…".
QString CutToBytes(const QString& text, qsizetype bytes)
{
    if (text.toUtf8().size() <= bytes) {
        return text;
    }
    const QString ellipsis = QStringLiteral("\u2026");
    QString cut = text;
    while (!cut.isEmpty() && (cut + ellipsis).toUtf8().size() > bytes) {
        cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    }
    return cut + ellipsis;
}

QStringList Sides(const TStoredMatch& match)
{
    QStringList sides;
    for (int32_t player = 0; player < match.Params.PlayerCount; ++player) {
        sides.append(QString::fromStdString(SideName(match.Params, player)));
    }
    return sides;
}

} // namespace

// A text cell: quoted as RFC 4180 says when it holds a separator, a quote or a line break;
// led by "'" when a spreadsheet would read it as a formula. The guard looks at the text as it
// is written, cleaned, and past leading blanks, which a spreadsheet skips.
QString CsvText(const QString& text)
{
    QString cell = CleanName(text);
    const qsizetype first =
        std::find_if(cell.begin(), cell.end(), [](QChar c) { return c != u' '; }) - cell.begin();
    if (first < cell.size() && QStringLiteral("=+-@").contains(cell[first])) {
        cell.prepend(u'\'');
    }
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') ||
        cell.contains(u'\r')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

std::unique_ptr<CMatch> Rebuilt(const TStoredMatch& match, bool* whole)
{
    std::unique_ptr<CMatch> made = MakeMatch(match.GameName.toStdString(), match.Params);
    const bool replayed = Replay(*made, match.Operations);
    if (whole != nullptr) {
        *whole = replayed;
    }
    return made;
}

bool Rebuild(CGame& game, const TStoredMatch& match)
{
    game.NewGame(match.Params);
    return Replay(game, match.Operations);
}

QString ScoreText(const CMatch& match)
{
    const TGameParams& params = match.Params();
    // Every side's figure in throwing order: "2-1", "2-1-0".
    const auto pair = [&](auto value) {
        QStringList figures;
        for (int32_t player = 0; player < params.PlayerCount; ++player) {
            figures.append(QString::number(value(player)));
        }
        return figures.join(u'-');
    };
    if (params.LegsToWin > 0 && params.SetsToWin > 0 && match.MatchWinner() >= 0) {
        return QStringLiteral("Sets %1").arg(pair([&](int p) { return match.SetsWon(p); }));
    }
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        return QStringLiteral("Sets %1, Legs %2")
            .arg(pair([&](int p) { return match.SetsWon(p); }),
                 pair([&](int p) { return match.LegsInSet(p); }));
    }
    return pair([&](int p) { return match.LegsWon(p); });
}

QString CsvFileName(const TStoredMatch& match)
{
    const QString stamp =
        match.Started.toString(QStringLiteral(" yyyy-MM-dd HH-mm")) + QStringLiteral(".csv");
    // The same in every language: the file is named as the match is stored.
    QString players = Sides(match).join(QStringLiteral(" v "));
    players.replace(u'/', u'-');
    return CutToBytes(players, kFileNameBytes - stamp.toUtf8().size()) + stamp;
}

// Shown to the operator: in the program's language (English when no translation is installed).
QString Describe(const TStoredMatch& match)
{
    const QString players = Sides(match).join(QCoreApplication::translate("Describe", " v "));
    // A won match is told by its result, not by the leg it ended in.
    const QString leg =
        match.State == TMatchState::Won
            ? QString()
            : kDot + QCoreApplication::translate("Describe", "Leg %1").arg(match.Legs);
    return players + kDot +
           QCoreApplication::translate("GameNames", match.GameName.toUtf8().constData()) + leg +
           kDot +
           QString(match.Score)
               .replace(QStringLiteral("Sets "), QCoreApplication::translate("Describe", "Sets "))
               .replace(QStringLiteral(", Legs "),
                        QCoreApplication::translate("Describe", ", Legs "));
}

QByteArray MatchCsv(const TStoredMatch& match)
{
    // As far as it replays; each cell is made on its own and joined: no cell's text is ever
    // read again as a pattern.
    const TTurnSheet sheet = Rebuilt(match)->TurnSheet();
    QStringList columns;
    for (const std::string& column : sheet.Columns) {
        columns.append(QString::fromStdString(column));
    }
    QString csv = columns.join(u',') + QStringLiteral("\r\n");
    for (const std::vector<std::string>& row : sheet.Rows) {
        QStringList cells;
        for (size_t column = 0; column < row.size(); ++column) {
            const QString cell = QString::fromStdString(row[column]);
            const bool name = column < sheet.Names.size() && sheet.Names[column];
            cells.append(name ? CsvText(cell) : CsvFigure(cell));
        }
        csv += cells.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}
