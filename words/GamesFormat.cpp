#include "words/GamesFormat.h"

#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "words/ShownText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

} // namespace

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
