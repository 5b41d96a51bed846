#include "words/Refusals.h"

#include "model/UnitVTXGameLogic.h"

#include <QCoreApplication>

QString RefusalText(const TThrowCheck& check, TGameKind kind)
{
    switch (check.Refusal) {
    case TRefusal::None:
        return {};
    case TRefusal::LegFinished:
        return QCoreApplication::translate("Refusal", "The leg is over");
    case TRefusal::NoTotal:
        return QCoreApplication::translate("Refusal", "There is no total to finish");
    case TRefusal::NotAScore:
        return QCoreApplication::translate("Refusal", "%1 cannot be scored with three darts")
            .arg(check.Score);
    case TRefusal::TooFewDarts:
        return QCoreApplication::translate("Refusal", "%1 needs at least %2 darts")
            .arg(check.Score)
            .arg(CGame::CheckOutDarts(check.Score));
    case TRefusal::Bust:
        return QCoreApplication::translate("Refusal", "Bust: %1 is more than the %2 left")
            .arg(check.Score)
            .arg(check.Previous);
    case TRefusal::LeavesOne:
        return QCoreApplication::translate("Refusal", "That would leave 1");
    case TRefusal::NoDoubleFinish:
        return QCoreApplication::translate("Refusal", "%1 cannot be finished on a double")
            .arg(check.Score);
    case TRefusal::TotalTooLarge:
        return QCoreApplication::translate("Refusal", "That total is too large to count");
    case TRefusal::NoSuchTurn:
        return QCoreApplication::translate("Refusal", "Only a turn can be corrected");
    case TRefusal::FinishesTooSoon:
        return QCoreApplication::translate("Refusal",
                                           "That would finish the leg before the turns after it");
    case TRefusal::ChangesLegResult:
        return QCoreApplication::translate("Refusal", "That would change how the leg was won");
    case TRefusal::DartAfterEnd:
        // X01's turn ends on a finish or a bust; the other games' on a win or a target done.
        return kind == TGameKind::X01
                   ? QCoreApplication::translate(
                         "Refusal", "No dart can follow the one that finished or bust the turn")
                   : QCoreApplication::translate("Refusal",
                                                 "No dart can follow the one that ended the turn");
    case TRefusal::GameOver:
        return QCoreApplication::translate(
            "Refusal", "The leg is over: Next Leg (Ctrl+Enter) starts the next");
    case TRefusal::TooManyDarts:
        return QCoreApplication::translate("Refusal", "At most three darts a turn");
    case TRefusal::NotADart:
        return QCoreApplication::translate("Refusal", "No board has that dart");
    case TRefusal::NotTheirTurn:
        return QCoreApplication::translate("Refusal", "It is another side's turn");
    case TRefusal::NothingToUndo:
    case TRefusal::NextLegUnderway:
        return QCoreApplication::translate("Refusal", "There is no turn to take back");
    case TRefusal::MatchOver:
        return QCoreApplication::translate("Refusal", "The match is over");
    case TRefusal::NoCorrection:
        return QCoreApplication::translate("Refusal", "Undo the turn and enter it again");
    }
    return {};
}

TLeftTurn LeftTurn(int32_t before, int32_t left, bool countsUp,
                   const std::function<TThrowCheck(int32_t score)>& check)
{
    if (countsUp) {
        return {0, QCoreApplication::translate(
                       "Refusal", "This game counts up: enter the score, not what is left")};
    }
    if (left > before) {
        return {0, QCoreApplication::translate("Refusal", "From %1, %2 cannot be left")
                       .arg(before)
                       .arg(left)};
    }
    const int32_t score = before - left;
    const TThrowCheck verdict = check(score);
    switch (verdict.Refusal) {
    case TRefusal::None:
        return {score, {}};
    case TRefusal::NotAScore:
    case TRefusal::TooFewDarts:
    case TRefusal::NoDoubleFinish:
    case TRefusal::Bust:
        // The reason names a score the operator never typed: say which one it is.
        return {score, QCoreApplication::translate("Refusal", "From %1, %2 left means %3: %4")
                           .arg(before)
                           .arg(left)
                           .arg(score)
                           .arg(RefusalText(verdict))};
    default:
        return {score, RefusalText(verdict)};
    }
}
