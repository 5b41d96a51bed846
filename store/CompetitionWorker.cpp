#include "store/CompetitionWorker.h"

#include "store/ClubDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

TCompetitionWorker::TCompetitionWorker(std::function<void(const TCompetitionSnapshot&)> tell)
    : m_Tell(std::move(tell)),
      // A connection's name is its keeper's own: a process may run several (a test's boards).
      m_LocalConnection(
          QStringLiteral("competitions-local-%1").arg(reinterpret_cast<quintptr>(this))),
      m_ClubConnection(QStringLiteral("competitions-club-%1").arg(reinterpret_cast<quintptr>(this)))
{}

TCompetitionWorker::~TCompetitionWorker()
{
    Stop();
}

void TCompetitionWorker::Stop()
{
    m_Local.reset();
    m_Club.reset();
    for (const QString& name : {m_LocalConnection, m_ClubConnection}) {
        if (QSqlDatabase::contains(name)) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    }
}

void TCompetitionWorker::Start(const QString& localPath, const QString& conninfo,
                               const QString& board)
{
    m_Conninfo = conninfo.trimmed();
    m_Board = board;
    m_Known.Club = !m_Conninfo.isEmpty();
    m_Retry = new QTimer(this);
    m_Retry->setSingleShot(true);
    connect(m_Retry, &QTimer::timeout, this, &TCompetitionWorker::Connect);
    m_Look = new QTimer(this);
    m_Look->setInterval(kLookMilliseconds);
    connect(m_Look, &QTimer::timeout, this, &TCompetitionWorker::Look);
    // The match store's folder may not be made yet (its keeper makes it once New Game is up).
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    QSqlDatabase local = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_LocalConnection);
    local.setDatabaseName(localPath);
    local.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (local.open()) {
        m_Local = std::make_unique<CCompetitionStore>(local);
        if (!m_Local->Prepare()) {
            m_Known.Problem = m_Local->Problem();
            m_Local.reset();
        }
    } else {
        m_Known.Problem = local.lastError().text();
    }
    if (m_Known.Club) {
        Connect();
    } else {
        Tell();
    }
}

CCompetitionStore* TCompetitionWorker::Shared()
{
    return m_Known.Club ? m_Club.get() : m_Local.get();
}

void TCompetitionWorker::Connect()
{
    QString problem;
    if (!OpenClubDatabase(m_Conninfo, m_ClubConnection, problem)) {
        Disconnect(problem);
        return;
    }
    QSqlDatabase club = QSqlDatabase::database(m_ClubConnection, false);
    m_Club = std::make_unique<CCompetitionStore>(club);
    if (!m_Club->Prepare()) {
        Disconnect(m_Club->Problem());
        return;
    }
    club.driver()->subscribeToNotification(CCompetitionStore::Channel());
    connect(club.driver(), &QSqlDriver::notification, this, &TCompetitionWorker::Tell,
            Qt::UniqueConnection);
    m_Tries = 0;
    m_Known.Connected = true;
    m_Known.Problem.clear();
    m_Look->start();
    Flush();
    Tell();
}

void TCompetitionWorker::Disconnect(const QString& problem)
{
    m_Club.reset();
    if (QSqlDatabase::contains(m_ClubConnection)) {
        QSqlDatabase::database(m_ClubConnection, false).close();
    }
    m_Look->stop();
    m_Known.Connected = false;
    m_Known.Problem = problem;
    // 1, 2, 4, ... 30 s between tries.
    const int wait = std::min(kLongestRetryMilliseconds, 1000 << std::min(m_Tries, 5));
    ++m_Tries;
    m_Retry->start(wait);
    Tell();
}

void TCompetitionWorker::Look()
{
    if (!m_Club) {
        return;
    }
    QSqlQuery alive(QSqlDatabase::database(m_ClubConnection, false));
    if (!alive.exec(QStringLiteral("SELECT 1"))) {
        Disconnect(alive.lastError().text().trimmed());
        return;
    }
    Flush();
}

void TCompetitionWorker::Flush()
{
    if (!m_Local || !m_Club) {
        return;
    }
    for (const TStoredResult& result : m_Local->Waiting()) {
        // Kept by its key: sent again after an answer that never came, it is there once.
        if (!m_Club->AddResult(result)) {
            Disconnect(m_Club->Problem());
            return;
        }
        if (!m_Local->RemoveWaiting(result.MatchKey)) {
            break;
        }
    }
}

void TCompetitionWorker::Tell()
{
    CCompetitionStore* shared = Shared();
    if (shared != nullptr) {
        TCompetitionSnapshot read;
        read.Competitions = shared->Competitions();
        for (const TCompetitionRecord& record : read.Competitions) {
            read.Results[record.Id] = shared->Results(record.Id);
            read.Claims[record.Id] = shared->Claims(record.Id);
        }
        if (shared->Problem().isEmpty() || read.Competitions.size() > 0) {
            m_Known.Competitions = std::move(read.Competitions);
            m_Known.Results = std::move(read.Results);
            m_Known.Claims = std::move(read.Claims);
        }
    }
    m_Known.Waiting = m_Known.Club && m_Local ? static_cast<int32_t>(m_Local->Waiting().size()) : 0;
    m_Tell(m_Known);
}

void TCompetitionWorker::Create(const TCompetitionRecord& record,
                                const std::function<void(QString)>& done)
{
    CCompetitionStore* shared = Shared();
    if (shared == nullptr) {
        done(m_Known.Problem.isEmpty() ? QStringLiteral("The competitions cannot be kept.")
                                       : m_Known.Problem);
        return;
    }
    done(shared->Create(record) ? QString() : shared->Problem());
    Tell();
}

void TCompetitionWorker::Claim(const QString& competition, int32_t fixture, const QString& matchKey,
                               bool takeOver,
                               const std::function<void(TFixtureClaim, QString)>& done)
{
    CCompetitionStore* shared = Shared();
    if (shared == nullptr) {
        done({}, m_Known.Problem);
        return;
    }
    const std::optional<TFixtureClaim> claim =
        shared->Claim(competition, fixture, m_Board, matchKey, takeOver);
    done(claim.value_or(TFixtureClaim{}), claim ? QString() : shared->Problem());
    Tell();
}

void TCompetitionWorker::Release(const QString& competition, int32_t fixture)
{
    if (CCompetitionStore* shared = Shared()) {
        (void)shared->Release(competition, fixture, m_Board);
    }
    Tell();
}

void TCompetitionWorker::Sent()
{
    Flush();
    Tell();
}
