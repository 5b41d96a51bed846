#include "app/BoardLink.h"

#include "app/StatusLine.h"
#include "model/DartNotation.h"
#include "ui/boards/BoardsDialog.h"
#include "ui/entry/TypedEntry.h"
#include "ui/main/MainActions.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QStatusBar>

namespace {

QString& ModuleFile()
{
    static QString path;
    return path;
}

} // namespace

TBoardLink::TBoardLink(TFormVTX& main, TNewGameDialog& newGame)
    : m_Main(main), m_NewGame(newGame), m_Visit(main.Session(), *this)
{
    connect(m_Main.Actions().ActionBoards, &QAction::triggered, this, &TBoardLink::OpenDialog);
    connect(&m_Visit, &TBoardVisit::Said, this, &TBoardLink::ShowStatus);
}

TBoardLink::~TBoardLink() = default;

QString TBoardLink::ModulePath()
{
    return ModuleFile().isEmpty() ? QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/boards/vantorix-boards.so")
                                  : ModuleFile();
}

void TBoardLink::SetModulePath(const QString& path)
{
    ModuleFile() = path;
}

void TBoardLink::Apply(const TSettings& settings)
{
    const QString camera = settings.BoardsCamera.value_or(QString()).trimmed();
    const QString soft = settings.BoardsSoft.value_or(QString()).trimmed();
    m_Used = settings.BoardsCamera.has_value() || settings.BoardsSoft.has_value();
    m_Camera = camera;
    m_Soft = soft;
    if (!camera.isEmpty() || !soft.isEmpty()) {
        m_Main.WhenBuilt([this, camera, soft] { SetBoards(camera, soft); });
    }
}

void TBoardLink::Take(TSettings& settings) const
{
    if (m_Used) {
        settings.BoardsCamera = m_Camera;
        settings.BoardsSoft = m_Soft;
    }
}

bool TBoardLink::Load()
{
    if (m_Service != nullptr) {
        return true;
    }
    QLibrary module(ModulePath());
    auto* create =
        reinterpret_cast<TNewBoardServiceFunction>(module.resolve(kNewBoardServiceSymbol));
    if (create == nullptr) {
        m_Main.ShowNotice(tr("The scoring boards cannot be started: %1").arg(module.errorString()));
        return false;
    }
    TBoardCalls calls;
    calls.Visit = [this](const std::vector<TDart>& darts) { OnVisit(darts); };
    calls.VisitEnded = [this] {
        if (!m_Testing) {
            m_Visit.End();
        }
    };
    calls.VisitCleared = [this] { m_Visit.Clear(); };
    calls.StatusChanged = [this](const QString& text) { ShowStatus(text); };
    m_Service.reset(create(calls));
    return true;
}

bool TBoardLink::SetBoards(const QString& camera, const QString& soft)
{
    m_Camera = camera.trimmed();
    m_Soft = soft.trimmed();
    return Start(m_Camera, m_Soft);
}

bool TBoardLink::Start(const QString& camera, const QString& soft)
{
    if (camera.isEmpty() && soft.isEmpty() && m_Service == nullptr) {
        return true;
    }
    if (!Load()) {
        return false;
    }
    QString error;
    bool usable = m_Service->SetCamera(camera, error);
    if (!usable) {
        m_Main.ShowNotice(error);
    }
    if (!m_Service->SetSoft(soft, error)) {
        m_Main.ShowNotice(error);
        usable = false;
    }
    if (camera.isEmpty() && soft.isEmpty()) {
        ShowStatus(QString());
    }
    return usable;
}

QString TBoardLink::Status() const
{
    return m_Status != nullptr ? m_Status->text() : QString();
}

void TBoardLink::ShowStatus(const QString& text)
{
    if (m_Status == nullptr) {
        if (text.isEmpty()) {
            return;
        }
        m_Status = new QLabel(&m_Main);
        m_Status->setObjectName(QStringLiteral("LabelBoardStatus"));
        m_Main.statusBar()->addWidget(m_Status, 1);
    }
    m_Status->setText(text);
    m_Status->setVisible(!text.isEmpty());
    FitStatusBar(*m_Main.statusBar());
}

void TBoardLink::OnVisit(const std::vector<TDart>& darts)
{
    if (m_Testing && !darts.empty()) {
        m_Testing = false;
        if (m_Dialog != nullptr) {
            m_Dialog->ShowTested(
                tr("Read: %1").arg(QString::fromStdString(DartText(darts.back()))));
        }
        return;
    }
    m_Visit.Read(darts);
}

void TBoardLink::OpenDialog()
{
    if (m_Dialog == nullptr) {
        m_Dialog = new TBoardsDialog(&m_Main);
        connect(m_Dialog, &TBoardsDialog::SearchAsked, this, [this] {
            if (!Load()) {
                m_Dialog->SearchDone(tr("the boards module cannot be loaded"));
                return;
            }
            QPointer<TBoardsDialog> dialog = m_Dialog;
            m_Service->Search(
                [dialog](const TFoundBoard& board) {
                    if (dialog != nullptr) {
                        dialog->AddFound(board.Address, board.Name);
                    }
                },
                [dialog](const QString& problem) {
                    if (dialog != nullptr) {
                        dialog->SearchDone(problem);
                    }
                });
        });
        connect(m_Dialog, &TBoardsDialog::TestAsked, this, [this] {
            if (m_Dialog->Camera().isEmpty() && m_Dialog->Soft().isEmpty()) {
                m_Dialog->ShowTested(tr("Set a camera service or a soft-tip board first"));
                return;
            }
            m_Testing = Start(m_Dialog->Camera().trimmed(), m_Dialog->Soft().trimmed());
        });
        connect(m_Dialog, &QDialog::finished, this, [this](int result) {
            m_Testing = false;
            if (result == QDialog::Accepted) {
                m_Used = true;
                const bool board = !m_Dialog->Camera().isEmpty() || !m_Dialog->Soft().isEmpty();
                if (board) {
                    TNewGameChoices choices = m_NewGame.Choices();
                    choices.EnterDarts = true;
                    m_NewGame.SetChoices(choices);
                }
                SetBoards(m_Dialog->Camera(), m_Dialog->Soft());
            } else {
                // What Test started with the dialog's values goes back to what was set.
                Start(m_Camera, m_Soft);
            }
        });
    }
    m_Dialog->SetBoards(m_Camera, m_Soft);
    m_Dialog->ShowTested(QString());
    m_Dialog->open();
}

bool TBoardLink::InputHeld() const
{
    return m_Main.InputBlocked();
}

bool TBoardLink::ComputerThrows(int side) const
{
    const TTypedEntry* entry = m_Main.Entry();
    return entry != nullptr && entry->ComputerThrows && entry->ComputerThrows(side);
}

void TBoardLink::ShowDarts(int side, const std::vector<TDart>& before,
                           const std::vector<TDart>& now)
{
    if (TTypedEntry* entry = m_Main.Entry()) {
        entry->ShowBoardDarts(side, before, now);
    }
}

void TBoardLink::SubmitDarts(int side)
{
    if (TTypedEntry* entry = m_Main.Entry()) {
        entry->SubmitBoardDarts(side);
    }
}
