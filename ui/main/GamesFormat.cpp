#include "GamesFormat.h"

#include "Cricket.h"
#include "GamesMatch.h"

#include <QStringList>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

QString Counted(int count, const char* word)
{
    return QString::number(count) + u' ' + QString::fromLatin1(word) +
           (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString GamesSideName(const CGamesMatch& match, int player)
{
    return QString::fromStdString(SideName(match.Params(), player));
}

QString GamesTitle(const QString& gameName, const CGamesMatch& match)
{
    const TGameParams& params = match.Params();
    if (params.LegsToWin <= 0) {
        return gameName;
    }
    QString title = gameName + kDot;
    title += params.SetsToWin > 0
                 ? QStringLiteral("first to %1 of %2")
                       .arg(Counted(params.SetsToWin, "set"), Counted(params.LegsToWin, "leg"))
                 : QStringLiteral("first to ") + Counted(params.LegsToWin, "leg");
    const int winner = match.MatchWinner();
    if (winner >= 0) {
        return title + kDot + GamesSideName(match, winner) + QStringLiteral(" wins the match");
    }
    if (params.SetsToWin > 0) {
        title += kDot + QStringLiteral("Set %1").arg(match.SetNumber());
    }
    return title + kDot + QStringLiteral("Leg %1").arg(match.LegNumberInSet());
}

QString GamesScoreText(const CGamesMatch& match, int player)
{
    const TGameParams& params = match.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    return params.SetsToWin > 0 ? QStringLiteral("Sets %1 · Legs %2")
                                      .arg(match.SetsWon(player))
                                      .arg(match.LegsInSet(player))
                                : QStringLiteral("Legs %1").arg(match.LegsWon(player));
}

QString GamesEndLine(const CGamesMatch& match)
{
    const CDartsGame& leg = match.CurrentLeg();
    if (!leg.Over()) {
        return {};
    }
    if (match.Players() == 1) {
        return GamesSideName(match, 0) + QStringLiteral(": game over");
    }
    if (leg.Winner() < 0) {
        return QStringLiteral("Game over: a tie");
    }
    return GamesSideName(match, leg.Winner()) + (match.MatchWinner() >= 0
                                                     ? QStringLiteral(" wins the match")
                                                     : QStringLiteral(" wins the leg"));
}

QString GamesRouteText(const CGamesMatch& match, int player)
{
    const CDartsGame& leg = match.CurrentLeg();
    if (const auto* cricket = dynamic_cast<const CCricketGame*>(&leg)) {
        QStringList open;
        for (const int32_t number : CCricketGame::kNumbers) {
            if (cricket->Marks(player, number) < 3) {
                open << (number == 25 ? QStringLiteral("Bull") : QString::number(number));
            }
        }
        return open.isEmpty() ? QString() : QStringLiteral("To close ") + open.join(u' ');
    }
    const TGameTable table = leg.Table();
    QStringList figures;
    for (size_t row = 0; row < table.RowLabels.size() && row < table.Cells.size() && row < 2;
         ++row) {
        const auto side = static_cast<size_t>(player);
        if (side < table.Cells[row].size() && !table.Cells[row][side].empty()) {
            figures << QString::fromStdString(table.RowLabels[row]) + u' ' +
                           QString::fromStdString(table.Cells[row][side]);
        }
    }
    return figures.join(kDot);
}

QString GamesRefusalText(TTurnRefusal refusal)
{
    switch (refusal) {
    case TTurnRefusal::None:
        break;
    case TTurnRefusal::GameOver:
        return QStringLiteral("The leg is over: Next Leg (Ctrl+Enter) starts the next");
    case TTurnRefusal::TooManyDarts:
        return QStringLiteral("At most three darts a turn");
    case TTurnRefusal::NotADart:
        return QStringLiteral("No board has that dart");
    case TTurnRefusal::DartAfterEnd:
        return QStringLiteral("No dart can follow the one that ended the turn");
    }
    return {};
}
