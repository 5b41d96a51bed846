#include "app/StoreController.h"

#include "store/MatchKeeper.h"
#include "ui/history/HistoryDialog.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

TStoreController::TStoreController(TFormVTX& main, TNewGameDialog& dialog, TMatchKeeper& keeper,
                                   QObject* parent)
    : QObject(parent), m_Main(main), m_Keeper(keeper)
{
    connect(&main, &TFormVTX::ResumeRequested, this, &TStoreController::OnResumeRequested);
    connect(&main, &TFormVTX::HistoryRequested, this, &TStoreController::OnHistoryRequested);
    connect(&main, &TFormVTX::ExportRequested, this, &TStoreController::OnExportRequested);
    connect(&dialog, &TNewGameDialog::FirstPainted, &keeper, &TMatchKeeper::OpenStore);
    connect(&keeper, &TMatchKeeper::Notice, &main, &TFormVTX::ShowNotice);
    connect(&keeper, &TMatchKeeper::ResumableChanged, &dialog, &TNewGameDialog::SetResumable);
}

void TStoreController::Resume(const TStoredMatch& match)
{
    m_Keeper.ResumeStored(match, [this](const TStoredMatch& stored, std::vector<size_t>* skipped) {
        return m_Main.ResumeMatch(stored.GameName, stored.Params, stored.Operations, skipped);
    });
}

void TStoreController::OnResumeRequested()
{
    if (const std::optional<TStoredMatch> match = m_Keeper.Resumable()) {
        Resume(*match);
    }
}

void TStoreController::OnHistoryRequested()
{
    m_Keeper.OpenStore();
    CMatchStore* store = m_Keeper.Store();
    if (!store->IsOpen()) {
        m_Keeper.SayProblem();
        return;
    }
    THistoryDialog history(*store, &m_Main);
    history.exec();
    m_Main.activateWindow();
    if (history.ResumeMatch() != 0) {
        if (const std::optional<TStoredMatch> match = store->Load(history.ResumeMatch())) {
            Resume(*match);
        }
    }
}

void TStoreController::OnExportRequested()
{
    if (m_Main.Session().Match().LegCount() == 0) {
        return;
    }
    const TStoredMatch current = m_Keeper.CurrentWithScore();
    ExportMatchAsCsv(&m_Main, MatchCsv(current), CsvFileName(current));
    m_Main.activateWindow();
}
