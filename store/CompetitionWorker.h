#pragma once

// The competitions' keeper on a thread of its own, so that a club's server slow to answer or
// away never holds the window: the local store always, the club's server when one is set. A
// result is first in the local store (the service writes it there) and goes from there,
// exactly once by its match's key, to the club's server whenever it can be reached; the server's
// notifications (and a look every few seconds) keep what every board shows current.

#include "store/CompetitionSnapshot.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class TCompetitionWorker final : public QObject
{
    Q_OBJECT

public:
    // How often the club's server is looked at while connected (a server gone away is found
    // then), and the longest wait between tries to reach it.
    static constexpr int kLookMilliseconds = 3000;
    static constexpr int kLongestRetryMilliseconds = 30000;

    // Every answer is handed to `tell` (on this worker's thread; the caller passes it on).
    explicit TCompetitionWorker(std::function<void(const TCompetitionSnapshot&)> tell);
    ~TCompetitionWorker() override;

    // Each runs on the worker's thread.
    void Start(const QString& localPath, const QString& conninfo, const QString& board);
    void Create(const TCompetitionRecord& record, const std::function<void(QString)>& done);
    // `done` gets the claim that holds (empty Board when none could be made, with the reason).
    void Claim(const QString& competition, int32_t fixture, const QString& matchKey, bool takeOver,
               const std::function<void(TFixtureClaim, QString)>& done);
    void Release(const QString& competition, int32_t fixture);
    // A result was kept in the local store: on to the club's server, if one is set.
    void Sent();
    void Stop();

private:
    void Connect();
    void Disconnect(const QString& problem);
    void Look();
    void Flush();
    void Tell();
    CCompetitionStore* Shared();

    std::function<void(const TCompetitionSnapshot&)> m_Tell;
    const QString m_LocalConnection;
    const QString m_ClubConnection;
    std::unique_ptr<CCompetitionStore> m_Local;
    std::unique_ptr<CCompetitionStore> m_Club;
    QString m_Conninfo;
    QString m_Board;
    TCompetitionSnapshot m_Known;
    QTimer* m_Retry = nullptr;
    QTimer* m_Look = nullptr;
    int m_Tries = 0;
};
