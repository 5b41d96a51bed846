#include "MatchFormat.h"

#include "UnitVTXGameLogic.h"

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

bool PlaysSets(const TGameParams& params)
{
    return params.LegsToWin > 0 && params.SetsToWin > 0;
}

} // namespace

QString MatchTitle(const QString& gameName, const CGame& game)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return gameName;
    }
    QString title = gameName + kDot;
    if (PlaysSets(params)) {
        title += QStringLiteral("first to %1 set%2 of %3 legs")
                     .arg(params.SetsToWin)
                     .arg(params.SetsToWin == 1 ? QString() : QStringLiteral("s"))
                     .arg(params.LegsToWin);
        title += kDot + QStringLiteral("Set %1").arg(game.SetNumber());
        return title + kDot + QStringLiteral("Leg %1").arg(game.LegNumberInSet());
    }
    title += QStringLiteral("first to %1 leg%2")
                 .arg(params.LegsToWin)
                 .arg(params.LegsToWin == 1 ? QString() : QStringLiteral("s"));
    return title + kDot + QStringLiteral("Leg %1").arg(game.LegCount());
}

QString MatchScoreText(const CGame& game, int player)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    QString text = QStringLiteral("Legs %1").arg(game.LegsInSet(player));
    if (PlaysSets(params)) {
        text += kDot + QStringLiteral("Sets %1").arg(game.SetsWon(player));
    }
    return text;
}
