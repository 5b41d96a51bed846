#include "store/CompetitionService.h"

#include "store/CompetitionWorker.h"

#include <QPointer>
#include <QSqlError>

TCompetitionService::TCompetitionService(QString localPath)
    : m_LocalPath(std::move(localPath)),
      m_ReportConnection(
          QStringLiteral("competitions-report-%1").arg(reinterpret_cast<quintptr>(this)))
{
    m_Thread.setObjectName(QStringLiteral("competitions"));
}

TCompetitionService::~TCompetitionService()
{
    Stop();
    if (QSqlDatabase::contains(m_ReportConnection)) {
        QSqlDatabase::database(m_ReportConnection, false).close();
        QSqlDatabase::removeDatabase(m_ReportConnection);
    }
}

void TCompetitionService::Stop()
{
    if (m_Worker == nullptr) {
        return;
    }
    TCompetitionWorker* worker = m_Worker;
    m_Worker = nullptr;
    QMetaObject::invokeMethod(worker, [worker] { delete worker; });
    m_Thread.quit();
    m_Thread.wait();
}

void TCompetitionService::OnKeeper(std::function<void()> call)
{
    if (m_Worker != nullptr) {
        QMetaObject::invokeMethod(m_Worker, std::move(call));
    }
}

void TCompetitionService::Start(const QString& conninfo, const QString& board)
{
    Stop();
    m_Board = board;
    m_Club = conninfo.trimmed();
    QPointer<TCompetitionService> self(this);
    m_Worker = new TCompetitionWorker([self](const TCompetitionSnapshot& snapshot) {
        if (self) {
            QMetaObject::invokeMethod(self, [self, snapshot] {
                if (self) {
                    self->m_Known = snapshot;
                    emit self->Changed();
                }
            });
        }
    });
    m_Worker->moveToThread(&m_Thread);
    m_Thread.start();
    TCompetitionWorker* worker = m_Worker;
    OnKeeper(
        [worker, path = m_LocalPath, conninfo, board] { worker->Start(path, conninfo, board); });
}

void TCompetitionService::Create(const TCompetitionRecord& record,
                                 std::function<void(QString)> done)
{
    QPointer<TCompetitionService> self(this);
    TCompetitionWorker* worker = m_Worker;
    OnKeeper([worker, record, self, done] {
        worker->Create(record, [self, done](const QString& problem) {
            QMetaObject::invokeMethod(self, [done, problem] { done(problem); });
        });
    });
}

void TCompetitionService::Claim(const QString& competition, int32_t fixture,
                                const QString& matchKey, bool takeOver,
                                std::function<void(TFixtureClaim, QString)> done)
{
    QPointer<TCompetitionService> self(this);
    TCompetitionWorker* worker = m_Worker;
    OnKeeper([worker, competition, fixture, matchKey, takeOver, self, done] {
        worker->Claim(competition, fixture, matchKey, takeOver,
                      [self, done](const TFixtureClaim& claim, const QString& problem) {
                          QMetaObject::invokeMethod(
                              self, [done, claim, problem] { done(claim, problem); });
                      });
    });
}

void TCompetitionService::Release(const QString& competition, int32_t fixture)
{
    TCompetitionWorker* worker = m_Worker;
    OnKeeper([worker, competition, fixture] { worker->Release(competition, fixture); });
}

bool TCompetitionService::Report(const TStoredResult& result, QString& problem)
{
    if (!QSqlDatabase::contains(m_ReportConnection)) {
        QSqlDatabase local =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ReportConnection);
        local.setDatabaseName(m_LocalPath);
        local.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    }
    QSqlDatabase local = QSqlDatabase::database(m_ReportConnection, false);
    if (!local.isOpen() && !local.open()) {
        problem = local.lastError().text();
        return false;
    }
    CCompetitionStore store(local);
    const bool kept =
        store.Prepare() &&
        store.AddResult(result, m_Club.isEmpty() ? CCompetitionStore::TTable::Results
                                                 : CCompetitionStore::TTable::Waiting);
    if (!kept) {
        problem = store.Problem();
        return false;
    }
    TCompetitionWorker* worker = m_Worker;
    OnKeeper([worker] { worker->Sent(); });
    return true;
}
