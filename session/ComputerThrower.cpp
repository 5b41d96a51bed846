#include "session/ComputerThrower.h"

#include "session/MatchSession.h"

#include <algorithm>

namespace {

// How often a turn held for a busy operator looks again.
constexpr int kBusyPollMilliseconds = 100;

} // namespace

TComputerThrower::TComputerThrower(TMatchSession& session, QObject* parent)
    : QObject(parent), m_Session(session)
{
    m_Timer.setSingleShot(true);
    connect(&m_Timer, &QTimer::timeout, this, &TComputerThrower::Step);
    connect(&session, &TMatchSession::MatchStarted, this, &TComputerThrower::MatchChanged);
    connect(&session, &TMatchSession::Resumed, this, &TComputerThrower::MatchChanged);
    connect(&session, &TMatchSession::OperationApplied, this,
            &TComputerThrower::OnOperationApplied);
}

TComputerThrower::~TComputerThrower() = default;

void TComputerThrower::SetPause(int milliseconds)
{
    m_Pause = std::clamp(milliseconds, 0, kMaxPauseMilliseconds);
}

bool TComputerThrower::HasComputer() const
{
    return std::any_of(m_Bots.begin(), m_Bots.end(),
                       [](const auto& bot) { return bot != nullptr; });
}

void TComputerThrower::SetPaused(bool paused)
{
    if (paused == m_Paused) {
        return;
    }
    m_Paused = paused;
    if (!paused) {
        m_Waiting = false;
    }
    Follow();
    emit StateChanged();
}

QString TComputerThrower::DartsText(const TBotTurn& turn, int count)
{
    QStringList darts;
    for (int index = 0; index < std::min(count, 3); ++index) {
        QString name = QString::fromStdString(turn.Thrown[static_cast<size_t>(index)]);
        if (name.isEmpty()) {
            break;
        }
        // A single is called by its number, as the room says it.
        if (name.startsWith(u'S')) {
            name.remove(0, 1);
        }
        darts << name;
    }
    return darts.join(QStringLiteral(" · "));
}

void TComputerThrower::MatchChanged()
{
    Stop();
    const TGameParams& params = m_Session.Game().Params();
    m_Bots.clear();
    for (int32_t side = 0; side < params.PlayerCount; ++side) {
        const int32_t average = ComputerAverage(params, side);
        m_Bots.push_back(average > 0 ? std::make_unique<CComputer>(average, params.ComputerSeed)
                                     : nullptr);
    }
    // A match resumed right after an undo waits as it did; a new one never does.
    m_Waiting = m_Session.LastMoveWasUndo();
    Follow();
    emit StateChanged();
}

void TComputerThrower::OnOperationApplied(const TMatchOperation& operation)
{
    if (m_Bots.empty()) {
        return; // people only: nothing to follow on a typed turn
    }
    if (!m_Applying) {
        const bool wasWaiting = m_Waiting;
        switch (operation.Kind) {
        case TOperationKind::Undo:
        case TOperationKind::UndoNextLeg:
            m_Waiting = true;
            break;
        case TOperationKind::Turn:
        case TOperationKind::NextLeg:
            m_Waiting = false;
            break;
        case TOperationKind::Correction:
            break;
        }
        if (wasWaiting != m_Waiting) {
            emit StateChanged();
        }
    }
    Follow();
}

void TComputerThrower::Stop()
{
    m_Timer.stop();
    m_Held = false;
    if (m_Turn) {
        m_Turn.reset();
        m_ShownText.clear();
        emit DartsShown(m_Player, QString());
    }
    m_Player = -1;
}

void TComputerThrower::Follow()
{
    Stop();
    const CMatch& match = m_Session.Match();
    if (m_Paused || m_Waiting || match.LegOver()) {
        return;
    }
    const int32_t player = match.SideToThrow();
    if (player < 0 || static_cast<size_t>(player) >= m_Bots.size() ||
        !m_Bots[static_cast<size_t>(player)]) {
        return;
    }
    m_Player = player;
    m_Turn = std::make_unique<TComputerTurn>(
        m_Bots[static_cast<size_t>(player)]->NextTurn(match, m_Session.Game(), player));
    m_Shown = 0;
    m_Timer.start(m_Pause);
}

void TComputerThrower::Step()
{
    if (!m_Turn) {
        return;
    }
    const int thrown =
        static_cast<int>(std::count_if(m_Turn->Thrown.begin(), m_Turn->Thrown.end(),
                                       [](const std::string& dart) { return !dart.empty(); }));
    if (m_Shown < thrown) {
        ++m_Shown;
        m_ShownText = DartsText({0, 0, m_Turn->Thrown, 0}, m_Shown);
        emit DartsShown(m_Player, m_ShownText);
        m_Timer.start(m_Pause / 2);
        return;
    }
    m_Held = OperatorBusy && OperatorBusy();
    if (m_Held) {
        m_Timer.start(kBusyPollMilliseconds);
        return;
    }
    const TMatchOperation operation = m_Turn->Operation;
    const int player = m_Player;
    m_Turn.reset();
    m_Player = -1;
    m_ShownText.clear();
    emit DartsShown(player, QString());
    m_Applying = true;
    const bool applied = m_Session.Apply(operation);
    m_Applying = false;
    if (!applied) {
        // The match would not take the turn: the operator enters it; the computer waits.
        m_Waiting = true;
        emit StateChanged();
    }
}
