#pragma once

// The scoring boards, as the program wires them: with a camera service or a soft-tip board set
// (Boards/Camera, Boards/Soft, or the "Scoring Boards" dialog), the boards module is loaded
// (never before) and each visit it reads becomes the thrower's darts in the window's entry, and
// a turn of the match session when the visit is over, like a typed turn; how the board stands
// is said in the status bar.

#include "app/SettingsFile.h"
#include "boards/BoardService.h"
#include "boards/BoardVisit.h"
#include "ui/boards/BoardsDialog.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QLabel;

class TFormVTX;
class TNewGameDialog;

class TBoardLink final : public QObject, private TBoardEntry
{
    Q_OBJECT

public:
    TBoardLink(TFormVTX& main, TNewGameDialog& newGame);
    ~TBoardLink() override;

    // Takes Boards/Camera and Boards/Soft; with either set, the boards start once the window's
    // contents are made.
    void Apply(const TSettings& settings);
    // Puts them into `settings` once a board has been set.
    void Take(TSettings& settings) const;

    // Sets the boards (empty: none) and starts them; false, with the reason in the notice
    // strip, when one cannot be used.
    bool SetBoards(const QString& camera, const QString& soft);
    // The status bar's line ("Board: ready"); empty while no board is set.
    QString Status() const;
    TBoardVisit& Visit() { return m_Visit; }
    // The dialog of ActionBoards while it is open.
    TBoardsDialog* Dialog() const { return m_Dialog; }

    // The module's file, boards/vantorix-boards.so beside the running executable; tests point
    // elsewhere.
    static QString ModulePath();
    static void SetModulePath(const QString& path);

private:
    bool Load();
    // Runs the boards at these addresses (empty: none) without setting them.
    bool Start(const QString& camera, const QString& soft);
    void OpenDialog();
    void ShowStatus(const QString& text);
    void OnVisit(const std::vector<TDart>& darts);

    // The window's entry, as the visit sees it.
    bool InputHeld() const override;
    bool ComputerThrows(int side) const override;
    void ShowDarts(int side, const std::vector<TDart>& before,
                   const std::vector<TDart>& now) override;
    void SubmitDarts(int side) override;

    TFormVTX& m_Main;
    TNewGameDialog& m_NewGame;
    TBoardVisit m_Visit;
    std::unique_ptr<TBoardService> m_Service;
    QString m_Camera;
    QString m_Soft;
    bool m_Used = false;
    // The dialog's Test waits for a dart: the next one read is shown there, not entered.
    bool m_Testing = false;
    QPointer<QLabel> m_Status;
    QPointer<TBoardsDialog> m_Dialog;
};
