#include "MatchSession.h"

#include <utility>

TMatchSession::TMatchSession(QObject* parent) : QObject(parent) {}

void TMatchSession::Start(const QString& title, const TGameParams& params)
{
    m_Title = title;
    m_Game.NewGame(params);
    emit MatchStarted(m_Title, m_Game.GetParams());
}

bool TMatchSession::Apply(const TMatchOperation& operation)
{
    if (!ApplyOperation(m_Game, operation)) {
        return false;
    }
    emit OperationApplied(operation);
    return true;
}

bool TMatchSession::Resume(const QString& title, const TGameParams& params,
                           const std::vector<TMatchOperation>& operations)
{
    const auto sheetChanged = std::exchange(m_Game.OnSheetChanged, nullptr);
    const auto turnChanged = std::exchange(m_Game.OnTurnChanged, nullptr);
    const auto legWon = std::exchange(m_Game.OnLegWon, nullptr);
    m_Title = title;
    m_Game.NewGame(params);
    bool whole = true;
    for (const TMatchOperation& operation : operations) {
        whole = whole && ApplyOperation(m_Game, operation);
    }
    m_Game.OnSheetChanged = sheetChanged;
    m_Game.OnTurnChanged = turnChanged;
    m_Game.OnLegWon = legWon;
    emit Resumed();
    return whole;
}
