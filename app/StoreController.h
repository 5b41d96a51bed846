#pragma once

// The store's dialogs: History (and resuming a match from it), the resume offered by New Game,
// and the export of the match in play. It joins the window's requests to the keeper, and the
// keeper's notices and the match to resume to the window and the New Game dialog.

#include <QObject>

class TFormVTX;
class TMatchKeeper;
class TNewGameDialog;
struct TStoredMatch;

class TStoreController final : public QObject
{
    Q_OBJECT

public:
    TStoreController(TFormVTX& main, TNewGameDialog& dialog, TMatchKeeper& keeper,
                     QObject* parent = nullptr);

private:
    void OnResumeRequested();
    void OnHistoryRequested();
    void OnExportRequested();
    void Resume(const TStoredMatch& match);

    TFormVTX& m_Main;
    TMatchKeeper& m_Keeper;
};
