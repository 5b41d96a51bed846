#pragma once

// Follows the match in play into the match store, whatever its game, and keeps the match in
// play in memory for its export. The store is opened when first asked (after the New Game
// dialog is painted, or at the first match), so it adds nothing to start-up. Its whole check
// runs on a thread of its own once it is open; a store found damaged is set aside (what reads
// carried over) at once when no match is being recorded, else when the next match starts. A
// store that cannot be used is said once (Notice) and play goes on unsaved.

#include "session/MatchSession.h"
#include "store/MatchStore.h"
#include "store/StoreCheck.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>

class TMatchKeeper final : public QObject
{
    Q_OBJECT

public:
    TMatchKeeper(TMatchSession& session, QString storePath, QObject* parent = nullptr);
    ~TMatchKeeper() override;

    // Opens the store if it was not tried yet, and offers the match to resume.
    void OpenStore();
    CMatchStore* Store() const { return m_Store.get(); }
    // The match in play as recorded so far (in memory, saved or not), with its legs and score.
    const TStoredMatch& Current() const { return m_Current; }
    TStoredMatch CurrentWithScore() const;
    // The last match left in play, to offer for resuming; none once a match is started.
    const std::optional<TStoredMatch>& Resumable() const { return m_Resumable; }
    // Puts `match` back in play through `resume` (which replays it in the session and says
    // which operations were skipped) and goes on recording it; says what was skipped.
    using TResume = std::function<bool(const TStoredMatch&, std::vector<size_t>*)>;
    void ResumeStored(const TStoredMatch& match, const TResume& resume);
    // Says the store's problem if it has a new one.
    void SayProblem();
    // Whether the store's whole check is done (or was never started: no store written here).
    bool Checked() const { return m_Check == nullptr || m_CheckHeard; }

signals:
    // What the operator should read in the notice strip.
    void Notice(const QString& text);
    // The description of the match offered for resuming; empty: none.
    void ResumableChanged(const QString& description);

private:
    void OnMatchStarted(const QString& gameName, const TGameParams& params);
    void OnOperationApplied(const TMatchOperation& operation);
    void CheckInBackground();
    // Starts `work` (a job on the store's file, on a connection of its own) on a thread; `done`
    // runs here once it has finished.
    std::unique_ptr<QThread> OnOwnThread(std::function<void()> work,
                                         std::function<void()> done = {});
    // Says what the store's last write met, and mends damage it found.
    void AfterWrite();
    void OnChecked(const TStoreCheck& check);
    // Sets the damaged store aside and offers what was in play in the one made for it.
    void Repair();
    // Damage found by the check or by a write: mended now when no match is being recorded,
    // else said and mended when the next match starts.
    void DamageFound();

    TMatchSession& m_Session;
    QString m_Path;
    std::unique_ptr<CMatchStore> m_Store;
    TStoredMatch m_Current;
    std::optional<TStoredMatch> m_Resumable;
    QString m_ProblemSaid;
    std::unique_ptr<QThread> m_Check;
    // The journal copied into the store file every so many operations, off the turn's path.
    static constexpr int kCheckpointOperations = 100;
    std::unique_ptr<QThread> m_Checkpoint;
    int m_SinceCheckpoint = 0;
    bool m_Playing = false;     // a match has been started or resumed into the store
    bool m_DamageFound = false; // set aside when the next match starts
    bool m_CheckHeard = false;
};
