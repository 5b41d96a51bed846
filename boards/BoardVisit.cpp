#include "boards/BoardVisit.h"

#include "session/MatchSession.h"

TBoardVisit::TBoardVisit(TMatchSession& session, TBoardEntry& entry)
    : m_Session(session), m_Entry(entry)
{
    // Enter, a typed total or an undo during a visit enters or changes its turn: the board's
    // later darts of that visit are not another turn.
    connect(&session, &TMatchSession::OperationApplied, this, [this] {
        if (m_InVisit && !m_Entering) {
            m_Done = true;
        }
    });
    connect(&session, &TMatchSession::MatchStarted, this, &TBoardVisit::Reset);
    connect(&session, &TMatchSession::Resumed, this, &TBoardVisit::Reset);
}

void TBoardVisit::Reset()
{
    m_InVisit = false;
    m_Side = -1;
    m_Darts.clear();
    m_Done = false;
    m_Ignored = false;
}

bool TBoardVisit::EndsTurn(const std::vector<TDart>& darts) const
{
    if (darts.empty() || darts.size() > 3) {
        return false;
    }
    if (darts.size() == 3) {
        // The third dart ends the visit only at takeout, unless it finishes: the accepted
        // check of a finishing turn claims its darts.
        const TThrowCheck check =
            m_Session.Check({TOperationKind::Turn, m_Side, 0, 0, 0, -1, darts});
        return check.Accepted() && check.Darts == 3;
    }
    // One more dart is refused exactly when the turn is over: the match's own rule, whatever
    // its game.
    std::vector<TDart> more = darts;
    more.push_back({0, 1});
    return m_Session.Check({TOperationKind::Turn, m_Side, 0, 0, 0, -1, more}).Refusal ==
           TRefusal::DartAfterEnd;
}

void TBoardVisit::Read(std::vector<TDart> darts)
{
    if (darts.size() > 3) {
        darts.resize(3);
    }
    if (darts.empty() || darts == m_Darts) {
        return;
    }
    if (m_Ignored) {
        return;
    }
    const CMatch& match = m_Session.Match();
    if (!m_InVisit) {
        // A new visit: its side is the one to throw now, if a dart may be taken at all.
        m_InVisit = true;
        m_Side = match.LegCount() > 0 ? match.SideToThrow() : -1;
        QString reason;
        if (match.LegCount() == 0) {
            reason = tr("Board: no match is in play; the darts are not recorded");
        } else if (m_Entry.InputHeld()) {
            reason = tr("Board: the winner is being shown; the darts are not recorded");
        } else if (m_Side < 0 || match.LegOver()) {
            reason = tr("Board: the leg is over; the darts are not recorded");
        } else if (m_Entry.ComputerThrows(m_Side)) {
            reason = tr("Board: the computer throws for %1; the darts are not recorded")
                         .arg(QString::fromStdString(match.PlayerName(m_Side)));
        }
        if (!reason.isEmpty()) {
            m_Ignored = true;
            emit Said(reason);
            return;
        }
    }
    if (m_Done) {
        emit Said(tr("Board: this turn is entered; take the darts out"));
        return;
    }
    m_Entry.ShowDarts(m_Side, m_Darts, darts);
    m_Darts = darts;
    emit DartsShown(m_Side, m_Darts);
    if (EndsTurn(darts)) {
        Enter();
    }
}

void TBoardVisit::Enter()
{
    m_Entering = true;
    m_Entry.SubmitDarts(m_Side);
    m_Entering = false;
    m_Done = true;
}

void TBoardVisit::End()
{
    if (m_InVisit && !m_Ignored && !m_Done) {
        Enter();
    }
    Reset();
}

void TBoardVisit::Clear()
{
    if (m_InVisit && !m_Ignored && !m_Done) {
        m_Entry.ShowDarts(m_Side, m_Darts, {});
    }
    Reset();
}
