#include "store/MatchKeeper.h"

#include <QCoreApplication>

TMatchKeeper::TMatchKeeper(TMatchSession& session, QString storePath, QObject* parent)
    : QObject(parent), m_Session(session), m_Path(std::move(storePath))
{
    connect(&session, &TMatchSession::MatchStarted, this, &TMatchKeeper::OnMatchStarted);
    connect(&session, &TMatchSession::OperationApplied, this, &TMatchKeeper::OnOperationApplied);
}

// The check and the checkpoint use the file on connections of their own; they are waited for,
// never cut short, so that no connection outlives the program's SQL driver.
TMatchKeeper::~TMatchKeeper()
{
    for (QThread* thread : {m_Check.get(), m_Checkpoint.get()}) {
        if (thread != nullptr) {
            thread->wait();
        }
    }
}

void TMatchKeeper::OpenStore()
{
    if (m_Store != nullptr) {
        return;
    }
    m_Store = std::make_unique<CMatchStore>(m_Path);
    m_Store->Open();
    SayProblem(); // also a damaged file that was set aside
    m_Resumable = m_Store->LastInPlay();
    emit ResumableChanged(m_Resumable ? Describe(*m_Resumable) : QString());
    CheckInBackground();
}

void TMatchKeeper::CheckInBackground()
{
    // Only the program that writes the store can set it aside.
    if (!m_Store->IsOpen() || !m_Store->IsWriter()) {
        return;
    }
    auto result = std::make_shared<TStoreCheck>();
    m_Check = OnOwnThread([path = m_Path, result] { *result = CheckStoreFile(path); },
                          [this, result] { OnChecked(*result); });
}

std::unique_ptr<QThread> TMatchKeeper::OnOwnThread(std::function<void()> work,
                                                   std::function<void()> done)
{
    std::unique_ptr<QThread> thread(QThread::create(std::move(work)));
    if (done) {
        connect(thread.get(), &QThread::finished, this, std::move(done)); // before it can finish
    }
    thread->start(QThread::LowPriority);
    return thread;
}

void TMatchKeeper::AfterWrite()
{
    SayProblem();
    if (m_Store->FoundDamaged()) {
        DamageFound();
    }
}

void TMatchKeeper::OnChecked(const TStoreCheck& check)
{
    m_CheckHeard = true;
    if (check.Damaged) {
        DamageFound();
    }
}

void TMatchKeeper::DamageFound()
{
    if (m_DamageFound) {
        return; // said once
    }
    m_DamageFound = true;
    if (!m_Playing) {
        Repair();
        return;
    }
    emit Notice(QCoreApplication::translate(
                    "TMatchKeeper", "Match store: %1 is damaged; it is set aside, with what still "
                                    "reads carried over, when the next match starts.")
                    .arg(m_Path));
}

void TMatchKeeper::Repair()
{
    m_DamageFound = false;
    m_Store->SetDamagedAside();
    SayProblem();
    m_Resumable = m_Store->LastInPlay();
    emit ResumableChanged(m_Resumable ? Describe(*m_Resumable) : QString());
}

void TMatchKeeper::SayProblem()
{
    if (m_Store == nullptr || m_Store->Problem().isEmpty() || m_Store->Problem() == m_ProblemSaid) {
        return;
    }
    m_ProblemSaid = m_Store->Problem();
    const bool saving = m_Store->IsOpen() && m_Store->IsWriter() && m_Store->Unwritten() == 0;
    emit Notice(
        saving ? QCoreApplication::translate("TMatchKeeper", "Match store: %1.").arg(m_ProblemSaid)
               : QCoreApplication::translate("TMatchKeeper", "Matches are not being saved: %1.")
                     .arg(m_ProblemSaid));
}

void TMatchKeeper::OnMatchStarted(const QString& gameName, const TGameParams& params)
{
    OpenStore();
    if (m_DamageFound) {
        Repair();
    }
    m_Playing = true;
    m_Current = TStoredMatch{};
    m_Current.GameName = gameName;
    m_Current.Params = params;
    m_Current.Started = QDateTime::currentDateTime();
    m_Resumable.reset();
    emit ResumableChanged({});
    // Kept by the store until it can be written, when it cannot now.
    m_Store->BeginMatch(gameName, params);
    m_Current.Id = m_Store->CurrentMatch();
    AfterWrite();
}

void TMatchKeeper::OnOperationApplied(const TMatchOperation& operation)
{
    m_Current.Operations.push_back(operation);
    if (m_Store != nullptr) {
        m_Store->Record(operation, m_Session.Match());
        m_Current.Id = m_Store->CurrentMatch();
        if (++m_SinceCheckpoint >= kCheckpointOperations && m_Store->IsWriter() &&
            (m_Checkpoint == nullptr || m_Checkpoint->isFinished())) {
            m_SinceCheckpoint = 0;
            m_Checkpoint = OnOwnThread([path = m_Path] { CheckpointStoreFile(path); });
        }
        AfterWrite();
    }
}

void TMatchKeeper::ResumeStored(const TStoredMatch& match, const TResume& resume)
{
    m_Playing = true;
    m_Current = match;
    m_Resumable.reset();
    emit ResumableChanged({});
    std::vector<size_t> skipped;
    const bool whole = resume(m_Current, &skipped);
    if (!whole) {
        QStringList numbers;
        for (const size_t index : skipped) {
            numbers << QString::number(index + 1);
        }
        emit Notice(
            (skipped.size() == 1
                 ? QCoreApplication::translate(
                       "TMatchKeeper",
                       "The stored match could not be replayed whole: its operation %1 of %2 "
                       "could not be applied and was skipped. It is kept in the store, and the "
                       "match's stored figures are left as they were.")
                 : QCoreApplication::translate(
                       "TMatchKeeper",
                       "The stored match could not be replayed whole: its operations %1 of %2 "
                       "could not be applied and were skipped. They are kept in the store, and "
                       "the match's stored figures are left as they were."))
                .arg(numbers.join(QStringLiteral(", ")))
                .arg(m_Current.Operations.size()));
    }
    if (!match.Problems.isEmpty()) {
        emit Notice(
            QCoreApplication::translate("TMatchKeeper", "The stored match was read with care: %1.")
                .arg(match.Problems.join(QStringLiteral("; "))));
    }
    if (m_Store != nullptr && m_Store->IsOpen() && !m_Store->ContinueMatch(m_Current.Id, !whole)) {
        SayProblem();
    }
}

TStoredMatch TMatchKeeper::CurrentWithScore() const
{
    TStoredMatch current = m_Current;
    current.Legs = m_Session.Match().LegCount();
    current.Score = ScoreText(m_Session.Match());
    return current;
}
