#include "session/MatchSession.h"

#include "games/DartsGame.h"
#include "games/MatchFactory.h"

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

void TMatchSession::Make(const QString& title, const TGameParams& params)
{
    m_Quiet = true;
    // The X01 match is played on the sheets its readers follow, not on a copy of them.
    m_Match = &StartMatch(title.toStdString(), params, m_Game, m_Other);
    m_LastMoveWasUndo = false;
}

void TMatchSession::Start(const QString& title, const TGameParams& params)
{
    m_Title = title;
    Make(title, params);
    m_Quiet = false;
    emit MatchStarted(m_Title, m_Game.GetParams());
}

TThrowCheck TMatchSession::Check(const TMatchOperation& operation) const
{
    return m_Match->Check(operation);
}

bool TMatchSession::Apply(const TMatchOperation& operation)
{
    // Darts decide their turn: followers (the store) hear the total and claim they make.
    const TThrowCheck check = m_Match->Check(operation);
    if (!check.Accepted()) {
        return false;
    }
    TMatchOperation applied = operation;
    if (!operation.Thrown.empty()) {
        applied.Score = check.Score;
        applied.Darts = check.Darts;
    }
    if (!m_Match->Apply(applied)) {
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
    Make(title, params);
    std::vector<size_t> refused;
    const bool whole = Replay(*m_Match, operations, &refused);
    // The computer waits as it did: the last move that stands decides.
    for (size_t index = 0, next = 0; index < operations.size(); ++index) {
        if (next < refused.size() && refused[next] == index) {
            ++next;
        } else {
            NoteMove(operations[index].Kind);
        }
    }
    if (skipped != nullptr) {
        skipped->insert(skipped->end(), refused.begin(), refused.end());
    }
    m_Quiet = false;
    emit Resumed();
    return whole;
}
