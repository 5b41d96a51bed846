#include "MatchFormat.h"

#include "UnitVTXGameLogic.h"

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

bool PlaysSets(const TGameParams& params)
{
    return params.LegsToWin > 0 && params.SetsToWin > 0;
}

// "1 leg", "3 legs".
QString Counted(int count, const char* noun)
{
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(noun))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString MatchTitle(const QString& gameName, const CGame& game)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return gameName;
    }
    QString title = gameName + kDot;
    const int32_t winner = game.MatchWinner();
    const bool over = winner >= 0;
    const QString result =
        kDot + QString::fromStdString(game.PlayerName(winner)) + QStringLiteral(" wins the match");
    if (PlaysSets(params)) {
        title += QStringLiteral("first to %1 of %2")
                     .arg(Counted(params.SetsToWin, "set"), Counted(params.LegsToWin, "leg"));
        if (over) {
            return title + result;
        }
        title += kDot + QStringLiteral("Set %1").arg(game.SetNumber());
        return title + kDot + QStringLiteral("Leg %1").arg(game.LegNumberInSet());
    }
    title += QStringLiteral("first to ") + Counted(params.LegsToWin, "leg");
    return over ? title + result : title + kDot + QStringLiteral("Leg %1").arg(game.LegCount());
}

QString MatchScoreText(const CGame& game, int player)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    // Once a match of sets is won, the legs of a set no longer in play say nothing.
    if (PlaysSets(params) && game.MatchWinner() >= 0) {
        return QStringLiteral("Sets %1").arg(game.SetsWon(player));
    }
    QString text = QStringLiteral("Legs %1").arg(game.LegsInSet(player));
    if (PlaysSets(params)) {
        text += kDot + QStringLiteral("Sets %1").arg(game.SetsWon(player));
    }
    return text;
}

QString WinLine(const CGame& game)
{
    const CLeg* leg = game.CurrentLeg();
    if (leg == nullptr || !leg->Finished()) {
        return {};
    }
    const TGameParams& params = game.Params();
    for (int32_t player = 0; player < leg->SheetCount(); ++player) {
        if (!leg->GetSheet(player)->Won()) {
            continue;
        }
        const QString name = QString::fromStdString(game.PlayerName(player));
        // The deciding leg of a set starts the leg count again.
        const bool setWon = PlaysSets(params) && game.LegsInSet(player) == 0;
        return name + (game.MatchWinner() >= 0 ? QStringLiteral(" wins the match")
                       : setWon                ? QStringLiteral(" wins the set")
                                               : QStringLiteral(" wins the leg"));
    }
    return {};
}

QString SideBarName(const CGame& game, int player)
{
    QString name = QString::fromStdString(game.PlayerName(player));
    const CLeg* leg = game.CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (game.Params().TeamSize == 2 && sheet != nullptr && !sheet->Won()) {
        name += kDot + QString::fromStdString(game.ThrowerName(
                           player, game.ThrowerFor(game.LegCount() - 1, sheet->EntryCount())));
    }
    return name;
}
