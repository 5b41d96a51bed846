#pragma once

// The competitions as the windows use them: a snapshot kept current by the keeper's thread
// (TCompetitionWorker), and the calls that change them, each answered on this thread. A
// result is written to the local store here and now, so that a board cut off from the club's
// server, or killed a moment later, never loses it; the keeper sends it on.

#include "store/CompetitionSnapshot.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class TCompetitionWorker;

class TCompetitionService final : public QObject
{
    Q_OBJECT

public:
    // Over the local store's file (the match store's, where the competition tables live too).
    explicit TCompetitionService(QString localPath);
    ~TCompetitionService() override;

    // Starts the keeper: with `conninfo` (a club's server) or without; `board` is this board's
    // name among the club's. Started once; a later call restarts it with the new values.
    void Start(const QString& conninfo, const QString& board);
    bool Started() const { return m_Worker != nullptr; }
    const TCompetitionSnapshot& Known() const { return m_Known; }
    const QString& Board() const { return m_Board; }

    void Create(const TCompetitionRecord& record, std::function<void(QString)> done);
    void Claim(const QString& competition, int32_t fixture, const QString& matchKey, bool takeOver,
               std::function<void(TFixtureClaim, QString)> done);
    void Release(const QString& competition, int32_t fixture);
    // False, with the reason, when not even the local store takes it.
    bool Report(const TStoredResult& result, QString& problem);

signals:
    void Changed();

private:
    void Stop();
    // Runs `call` on the keeper's thread.
    void OnKeeper(std::function<void()> call);

    QString m_LocalPath;
    QString m_ReportConnection;
    QString m_Board;
    QString m_Club;
    QThread m_Thread;
    TCompetitionWorker* m_Worker = nullptr;
    TCompetitionSnapshot m_Known;
};
