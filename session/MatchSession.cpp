#include "session/MatchSession.h"

#include <utility>

TMatchSession::TMatchSession(QObject* parent) : QObject(parent)
{
    m_Game.OnSheetChanged = [this](CPlayerScores& sheet) {
        if (!m_Quiet) {
            emit SheetChanged(&sheet);
        }
    };
    m_Game.OnTurnChanged = [this](CPlayerScores* sheet) {
        if (!m_Quiet) {
            emit TurnChanged(sheet);
        }
    };
    m_Game.OnLegWon = [this](CPlayerScores& sheet) {
        if (!m_Quiet) {
            emit LegWon(&sheet);
        }
    };
}

// The legs go before the signals: no follower hears a match being taken apart.
TMatchSession::~TMatchSession()
{
    m_Quiet = true;
    m_Game.ClearLegs();
}

void TMatchSession::StartGames(const QString& title, const TGameParams& params)
{
    const TGameKind kind = GameKindOf(title.toStdString());
    m_Games = kind == TGameKind::X01 ? nullptr : std::make_unique<CGamesMatch>(kind, params);
}

TTurnRefusal TMatchSession::CheckGamesTurn(const std::vector<TDart>& darts) const
{
    return m_Games != nullptr ? m_Games->CheckTurn(darts) : TTurnRefusal::GameOver;
}

void TMatchSession::Start(const QString& title, const TGameParams& params)
{
    m_Title = title;
    StartGames(title, params);
    m_Quiet = true;
    m_Game.NewGame(params);
    m_Quiet = false;
    m_LastMoveWasUndo = false;
    emit MatchStarted(m_Title, m_Game.GetParams());
}

TThrowCheck TMatchSession::Check(const TMatchOperation& operation) const
{
    const CLeg* leg = m_Game.CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(operation.Player) : nullptr;
    switch (operation.Kind) {
    case TOperationKind::Turn:
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->CheckDarts(operation.Thrown);
        }
        return sheet != nullptr ? sheet->CheckThrow(operation.Score, operation.Darts)
                                : TThrowCheck{TRefusal::NoSuchTurn};
    case TOperationKind::Correction:
        if (sheet != nullptr && !operation.Thrown.empty() &&
            (operation.Leg < 0 || operation.Leg == m_Game.LegCount() - 1)) {
            return sheet->CheckReplaceDarts(operation.Entry, operation.Thrown);
        }
        return m_Game.CheckCorrectionInLeg(
            operation.Leg >= 0 ? operation.Leg : m_Game.LegCount() - 1, operation.Player,
            operation.Entry, operation.Score, operation.Darts);
    case TOperationKind::Undo:
    case TOperationKind::NextLeg:
    case TOperationKind::UndoNextLeg:
        break;
    }
    return {};
}

bool TMatchSession::Apply(const TMatchOperation& operation)
{
    if (m_Games != nullptr) {
        if (!ApplyOperation(*m_Games, operation)) {
            return false;
        }
        NoteMove(operation.Kind);
        emit OperationApplied(operation);
        return true;
    }
    if (operation.Thrown.empty()) {
        if (!ApplyOperation(m_Game, operation)) {
            return false;
        }
        NoteMove(operation.Kind);
        emit OperationApplied(operation);
        return true;
    }
    // Darts decide their turn: followers (the store) hear the total and claim they make.
    const TThrowCheck check = Check(operation);
    TMatchOperation applied = operation;
    applied.Score = check.Score;
    applied.Darts = check.Darts;
    if (!check.Accepted() || !ApplyOperation(m_Game, applied)) {
        return false;
    }
    NoteMove(applied.Kind);
    emit OperationApplied(applied);
    return true;
}

void TMatchSession::NoteMove(TOperationKind kind)
{
    if (kind != TOperationKind::Correction) {
        m_LastMoveWasUndo = kind == TOperationKind::Undo || kind == TOperationKind::UndoNextLeg;
    }
}

bool TMatchSession::Resume(const QString& title, const TGameParams& params,
                           const std::vector<TMatchOperation>& operations,
                           std::vector<size_t>* skipped)
{
    m_Title = title;
    StartGames(title, params);
    m_Quiet = true;
    m_Game.NewGame(params);
    m_LastMoveWasUndo = false;
    bool whole = true;
    for (size_t index = 0; index < operations.size(); ++index) {
        const TMatchOperation& operation = operations[index];
        if (!(m_Games != nullptr ? ApplyOperation(*m_Games, operation)
                                 : ApplyOperation(m_Game, operation))) {
            whole = false;
            if (skipped != nullptr) {
                skipped->push_back(index);
            }
        } else {
            NoteMove(operation.Kind);
        }
    }
    m_Quiet = false;
    emit Resumed();
    return whole;
}
