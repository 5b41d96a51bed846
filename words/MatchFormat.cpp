#include "words/MatchFormat.h"

#include "model/UnitVTXGameLogic.h"
#include "words/ShownText.h"

#include <QCoreApplication>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

bool PlaysSets(const TGameParams& params)
{
    return params.LegsToWin > 0 && params.SetsToWin > 0;
}

// "1 leg", "3 legs", "1 set", "2 sets".
QString Counted(int count, const char* noun)
{
    const bool legs = QLatin1String(noun) == QLatin1String("leg");
    if (count == 1) {
        return legs ? QCoreApplication::translate("MatchFormat", "1 leg")
                    : QCoreApplication::translate("MatchFormat", "1 set");
    }
    return (legs ? QCoreApplication::translate("MatchFormat", "%1 legs")
                 : QCoreApplication::translate("MatchFormat", "%1 sets"))
        .arg(count);
}

} // namespace

QString MatchLengthText(const TGameParams& params)
{
    return PlaysSets(params)
               ? QCoreApplication::translate("MatchFormat", "first to %1 of %2")
                     .arg(Counted(params.SetsToWin, "set"), Counted(params.LegsToWin, "leg"))
               : QCoreApplication::translate("MatchFormat", "first to %1")
                     .arg(Counted(params.LegsToWin, "leg"));
}

QString MatchTitle(const QString& gameName, const CMatch& game)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return GameNameShown(gameName);
    }
    QString title = GameNameShown(gameName) + kDot + MatchLengthText(params);
    const int32_t winner = game.MatchWinner();
    const bool over = winner >= 0;
    const QString result = kDot + QCoreApplication::translate("MatchFormat", "%1 wins the match")
                                      .arg(QString::fromStdString(game.PlayerName(winner)));
    if (PlaysSets(params)) {
        if (over) {
            return title + result;
        }
        title += kDot + QCoreApplication::translate("MatchFormat", "Set %1").arg(game.SetNumber());
        return title + kDot +
               QCoreApplication::translate("MatchFormat", "Leg %1").arg(game.LegNumberInSet());
    }
    // Without sets the leg in its set is the leg of the match.
    return over ? title + result
                : title + kDot +
                      QCoreApplication::translate("MatchFormat", "Leg %1")
                          .arg(game.LegNumberInSet());
}

QString MatchScoreText(const CGame& game, int player)
{
    const TGameParams& params = game.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    // Once a match of sets is won, the legs of a set no longer in play say nothing.
    if (PlaysSets(params) && game.MatchWinner() >= 0) {
        return QCoreApplication::translate("MatchFormat", "Sets %1").arg(game.SetsWon(player));
    }
    QString text =
        QCoreApplication::translate("MatchFormat", "Legs %1").arg(game.LegsInSet(player));
    if (PlaysSets(params)) {
        text +=
            kDot + QCoreApplication::translate("MatchFormat", "Sets %1").arg(game.SetsWon(player));
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
        return (game.MatchWinner() >= 0
                    ? QCoreApplication::translate("MatchFormat", "%1 wins the match")
                : setWon ? QCoreApplication::translate("MatchFormat", "%1 wins the set")
                         : QCoreApplication::translate("MatchFormat", "%1 wins the leg"))
            .arg(name);
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
