#pragma once

#include "store/MatchStore.h"

#include <QObject>
#include <memory>

class TFormVTX;
class TNewGameDialog;

// Follows the match in play into the match store, offers the last unfinished match for
// resuming, and answers the window's History and Export. The store is opened once the New
// Game dialog has been painted (or at the first match, whichever comes first), so it adds
// nothing to start-up. A store that cannot be used is said once in the window's notice strip
// and play goes on unsaved; the match in play is still kept in memory for its export.
class TMatchKeeper final : public QObject
{
    Q_OBJECT

public:
    TMatchKeeper(TFormVTX& main, TNewGameDialog& dialog, QString storePath,
                 QObject* parent = nullptr);
    ~TMatchKeeper() override;

    // Opens the store if it was not tried yet, and offers the match to resume.
    void OpenStore();
    CMatchStore* Store() const { return m_Store.get(); }
    // The match in play as recorded so far (in memory, saved or not).
    const TStoredMatch& Current() const { return m_Current; }

private:
    void MatchStarted(const QString& gameName, const TGameParams& params);
    void OperationApplied(const TMatchOperation& operation);
    void Resume();
    // Puts `match` back in play, replayed, and goes on recording it.
    void ResumeStored(const TStoredMatch& match);
    void ShowHistory();
    void ExportCurrent();
    void SayProblem();

    TFormVTX& m_Main;
    TNewGameDialog& m_Dialog;
    QString m_Path;
    std::unique_ptr<CMatchStore> m_Store;
    TStoredMatch m_Current;
    std::optional<TStoredMatch> m_Resumable;
    QString m_ProblemSaid;
};
