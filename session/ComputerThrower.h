#pragma once

// The computer as a source of operations: on a computer side's turn it throws by itself, in
// every game (bot/Computer.h). After
// a pause its darts are shown one by one (DartsShown), then the turn goes to the match session
// like a typed one, so the store, the caller and every window follow it. The operator can
// pause it, and after an undo it waits until a turn of someone else is recorded: it never
// throws again straight over a turn the operator has just taken back.

#include "bot/Computer.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class TMatchSession;
struct TMatchOperation;

class TComputerThrower final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultPauseMilliseconds = 1000;
    static constexpr int kMaxPauseMilliseconds = 10000;

    explicit TComputerThrower(TMatchSession& session, QObject* parent = nullptr);
    ~TComputerThrower() override;

    // The pause before the first dart; the darts that follow and the recording come half a
    // pause apart.
    void SetPause(int milliseconds);
    int Pause() const { return m_Pause; }
    // Whether the match in play has a side the computer throws for.
    bool HasComputer() const;
    bool IsPaused() const { return m_Paused; }
    // Paused, it throws nothing and a turn it was showing is taken off; going on again also
    // ends a wait after an undo.
    void SetPaused(bool paused);
    // Waiting after an undo until someone else's turn is recorded.
    bool IsWaiting() const { return m_Waiting; }
    // A turn shown in full waits for the operator to be done (OperatorBusy).
    bool IsHeld() const { return m_Held; }
    // The side whose darts are being shown, -1 when none.
    int Throwing() const { return m_Turn ? m_Player : -1; }
    // Its darts shown so far ("T20 · T20"); empty when none.
    const QString& Shown() const { return m_ShownText; }

    // While this says the operator is busy (a correction open, a turn being typed), a turn
    // whose darts have been shown is not recorded: it is recorded once the operator is done,
    // so that it never closes or takes over what is being typed.
    std::function<bool()> OperatorBusy;

    // "T20 · T20 · 20": the first `count` darts of `turn` as the board shows them.
    static QString DartsText(const TBotTurn& turn, int count);

signals:
    // The darts of side `player`'s turn shown so far; an empty text takes them off.
    void DartsShown(int player, const QString& darts);
    // Paused, waiting, or the match's computers changed: the window's action follows.
    void StateChanged();

private:
    void MatchChanged();
    void OnOperationApplied(const TMatchOperation& operation);
    // Takes off a turn being shown and, when a computer is to throw and may, starts its turn.
    void Follow();
    void Step();
    void Stop();

    TMatchSession& m_Session;
    // One thrower per side; none for a person.
    std::vector<std::unique_ptr<CComputer>> m_Bots;
    QTimer m_Timer;
    int m_Pause = kDefaultPauseMilliseconds;
    bool m_Paused = false;
    bool m_Waiting = false;
    bool m_Applying = false;
    bool m_Held = false;
    // The turn being shown: its side, the turn, the darts shown of it.
    int m_Player = -1;
    std::unique_ptr<TComputerTurn> m_Turn;
    int m_Shown = 0;
    QString m_ShownText;
};
