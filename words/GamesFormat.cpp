#include "words/GamesFormat.h"

#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "words/MatchFormat.h"
#include "words/ShownText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

} // namespace

QString GamesSideName(const CGamesMatch& match, int player)
{
    return QString::fromStdString(SideName(match.Params(), player));
}

QString GamesScoreText(const CGamesMatch& match, int player)
{
    const TGameParams& params = match.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    return params.SetsToWin > 0
               ? QCoreApplication::translate("MatchFormat", "Sets %1 · Legs %2")
                     .arg(match.SetsWon(player))
                     .arg(match.LegsInSet(player))
               : QCoreApplication::translate("MatchFormat", "Legs %1").arg(match.LegsWon(player));
}

QString GamesEndLine(const CGamesMatch& match)
{
    const CDartsGame& leg = match.CurrentLeg();
    if (!leg.Over()) {
        return {};
    }
    if (match.Players() == 1) {
        return QCoreApplication::translate("MatchFormat", "%1: game over")
            .arg(GamesSideName(match, 0));
    }
    if (leg.Winner() < 0) {
        return QCoreApplication::translate("MatchFormat", "Game over: a tie");
    }
    return (match.MatchWinner() >= 0
                ? QCoreApplication::translate("MatchFormat", "%1 wins the match")
                : QCoreApplication::translate("MatchFormat", "%1 wins the leg"))
        .arg(GamesSideName(match, leg.Winner()));
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
        return open.isEmpty()
                   ? QString()
                   : QCoreApplication::translate("MatchFormat", "To close %1").arg(open.join(u' '));
    }
    const TGameTable table = leg.Table();
    QStringList figures;
    for (size_t row = 0; row < table.RowLabels.size() && row < table.Cells.size() && row < 2;
         ++row) {
        const auto side = static_cast<size_t>(player);
        if (side < table.Cells[row].size() && !table.Cells[row][side].empty()) {
            figures << GamesText(table.RowLabels[row]) + u' ' + GamesText(table.Cells[row][side]);
        }
    }
    return figures.join(kDot);
}
