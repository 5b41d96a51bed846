#include "app/MatchKeeper.h"

#include "ui/history/HistoryDialog.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QCoreApplication>

TMatchKeeper::TMatchKeeper(TFormVTX& main, TNewGameDialog& dialog, QString storePath,
                           QObject* parent)
    : QObject(parent), m_Main(main), m_Dialog(dialog), m_Path(std::move(storePath))
{
    connect(&main.Session(), &TMatchSession::MatchStarted, this, &TMatchKeeper::MatchStarted);
    connect(&main.Session(), &TMatchSession::OperationApplied, this,
            &TMatchKeeper::OperationApplied);
    connect(&main, &TFormVTX::ResumeRequested, this, &TMatchKeeper::Resume);
    connect(&main, &TFormVTX::HistoryRequested, this, &TMatchKeeper::ShowHistory);
    connect(&main, &TFormVTX::ExportRequested, this, &TMatchKeeper::ExportCurrent);
    connect(&dialog, &TNewGameDialog::FirstPainted, this, &TMatchKeeper::OpenStore);
}

TMatchKeeper::~TMatchKeeper() = default;

void TMatchKeeper::OpenStore()
{
    if (m_Store != nullptr) {
        return;
    }
    m_Store = std::make_unique<CMatchStore>(m_Path);
    m_Store->Open();
    SayProblem(); // also a damaged file that was set aside
    m_Resumable = m_Store->LastInPlay();
    m_Dialog.SetResumable(m_Resumable ? Describe(*m_Resumable) : QString());
}

void TMatchKeeper::SayProblem()
{
    if (m_Store == nullptr || m_Store->Problem().isEmpty() || m_Store->Problem() == m_ProblemSaid) {
        return;
    }
    m_ProblemSaid = m_Store->Problem();
    const bool saving = m_Store->IsOpen() && m_Store->IsWriter() && m_Store->Unwritten() == 0;
    m_Main.ShowNotice(
        saving ? QCoreApplication::translate("TMatchKeeper", "Match store: %1.").arg(m_ProblemSaid)
               : QCoreApplication::translate("TMatchKeeper", "Matches are not being saved: %1.")
                     .arg(m_ProblemSaid));
}

void TMatchKeeper::MatchStarted(const QString& gameName, const TGameParams& params)
{
    OpenStore();
    m_Current = TStoredMatch{};
    m_Current.GameName = gameName;
    m_Current.Params = params;
    m_Current.Started = QDateTime::currentDateTime();
    m_Resumable.reset();
    m_Dialog.SetResumable({});
    // Kept by the store until it can be written, when it cannot now.
    m_Store->BeginMatch(gameName, params);
    m_Current.Id = m_Store->CurrentMatch();
    SayProblem();
}

void TMatchKeeper::OperationApplied(const TMatchOperation& operation)
{
    m_Current.Operations.push_back(operation);
    if (m_Store != nullptr) {
        if (const CGamesMatch* games = m_Main.Session().Games()) {
            m_Store->Record(operation, *games);
        } else {
            m_Store->Record(operation, m_Main.Session().Game());
        }
        m_Current.Id = m_Store->CurrentMatch();
        SayProblem();
    }
}

void TMatchKeeper::Resume()
{
    if (!m_Resumable) {
        return;
    }
    const TStoredMatch match = *m_Resumable;
    ResumeStored(match);
}

void TMatchKeeper::ResumeStored(const TStoredMatch& match)
{
    m_Current = match;
    m_Resumable.reset();
    m_Dialog.SetResumable({});
    std::vector<size_t> skipped;
    const bool whole =
        m_Main.ResumeMatch(m_Current.GameName, m_Current.Params, m_Current.Operations, &skipped);
    if (!whole) {
        QStringList numbers;
        for (const size_t index : skipped) {
            numbers << QString::number(index + 1);
        }
        m_Main.ShowNotice(
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
        m_Main.ShowNotice(
            QCoreApplication::translate("TMatchKeeper", "The stored match was read with care: %1.")
                .arg(match.Problems.join(QStringLiteral("; "))));
    }
    if (m_Store != nullptr && m_Store->IsOpen() && !m_Store->ContinueMatch(m_Current.Id, !whole)) {
        SayProblem();
    }
}

void TMatchKeeper::ShowHistory()
{
    OpenStore();
    if (!m_Store->IsOpen()) {
        SayProblem();
        return;
    }
    THistoryDialog history(*m_Store, &m_Main);
    history.exec();
    m_Main.activateWindow();
    if (history.ResumeMatch() != 0) {
        if (const std::optional<TStoredMatch> match = m_Store->Load(history.ResumeMatch())) {
            ResumeStored(*match);
        }
    }
}

void TMatchKeeper::ExportCurrent()
{
    if (m_Main.Game().CurrentLeg() == nullptr) {
        return;
    }
    m_Current.Legs = m_Main.Game().LegCount();
    m_Current.Score = ScoreText(m_Main.Game());
    ExportMatchAsCsv(&m_Main, MatchCsv(m_Current), CsvFileName(m_Current));
    m_Main.activateWindow();
}
