#include "words/MatchFormat.h"

#include "model/Match.h"
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

QString MatchScoreText(const CMatch& match, int player)
{
    const TGameParams& params = match.Params();
    if (params.LegsToWin <= 0) {
        return {};
    }
    // Once a match of sets is won, the legs of a set no longer in play say nothing.
    if (PlaysSets(params) && match.MatchWinner() >= 0) {
        return QCoreApplication::translate("MatchFormat", "Sets %1").arg(match.SetsWon(player));
    }
    QString text =
        QCoreApplication::translate("MatchFormat", "Legs %1").arg(match.LegsInSet(player));
    if (PlaysSets(params)) {
        text +=
            kDot + QCoreApplication::translate("MatchFormat", "Sets %1").arg(match.SetsWon(player));
    }
    return text;
}

QString WinLine(const CMatch& match)
{
    if (match.LegCount() == 0 || !match.LegOver()) {
        return {};
    }
    const int32_t winner = match.LegWinner();
    if (winner < 0) {
        return match.Sides() == 1 ? QCoreApplication::translate("MatchFormat", "%1: game over")
                                        .arg(QString::fromStdString(match.PlayerName(0)))
                                  : QCoreApplication::translate("MatchFormat", "Game over: a tie");
    }
    // The deciding leg of a set starts the leg count again.
    const bool setWon = PlaysSets(match.Params()) && match.LegsInSet(winner) == 0;
    return (match.MatchWinner() >= 0
                ? QCoreApplication::translate("MatchFormat", "%1 wins the match")
            : setWon ? QCoreApplication::translate("MatchFormat", "%1 wins the set")
                     : QCoreApplication::translate("MatchFormat", "%1 wins the leg"))
        .arg(QString::fromStdString(match.PlayerName(winner)));
}

QString SideBarName(const CMatch& match, int player)
{
    QString name = QString::fromStdString(match.PlayerName(player));
    if (match.Params().TeamSize == 2 && match.LegCount() > 0 && match.LegWinner() != player) {
        name +=
            kDot + QString::fromStdString(match.ThrowerName(player, match.ThrowerToThrow(player)));
    }
    return name;
}
