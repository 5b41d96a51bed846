// The scoreboard window's making: the frame at once, the contents (tool bar, panels, pages)
// when first needed, which at the program's start is after the New Game dialog is on screen.
#include "Caller.h"
#include "CheckoutTable.h"
#include "NoticeBar.h"
#include "PlayerPanel.h"
#include "RoomFollower.h"
#include "StatsPage.h"
#include "UnitGameDlg.h"
#include "UnitMain.h"
#include "WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

TFormVTX::TFormVTX(QWidget* parent) : TFormVTX(TContentsLater{}, parent)
{
    BuildContents();
}

TFormVTX::TFormVTX(TContentsLater, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVTX"));
    setWindowTitle(QStringLiteral("Vantorix"));
    setMinimumSize(669, 300);
    resize(669, 570);
    // Centred on the screen, and no larger than it: on a small screen (800x480) the players'
    // boxes must not start below its edge.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(size().boundedTo(area.size()).expandedTo(minimumSize()));
        QRect frame(QPoint(), size());
        frame.moveCenter(area.center());
        move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }

    // The window follows the session like every other view; it changes the match only by
    // handing operations to it.
    connect(&m_Session, &TMatchSession::MatchStarted, this,
            [this] { WhenBuilt([this] { ShowMatch(); }); });
    connect(&m_Session, &TMatchSession::Resumed, this,
            [this] { WhenBuilt([this] { ShowMatch(); }); });
    connect(&m_Session, &TMatchSession::SheetChanged, this,
            [this](CPlayerScores* sheet) { GameSheetChanged(*sheet); });
    connect(&m_Session, &TMatchSession::TurnChanged, this, &TFormVTX::GameTurnChanged);
    connect(&m_Session, &TMatchSession::LegWon, this,
            [this](CPlayerScores* sheet) { GameLegWon(*sheet); });
    connect(&m_Session, &TMatchSession::OperationApplied, this, &TFormVTX::UpdateActions);
    m_ProgramDir = QCoreApplication::applicationDirPath();
    if (!m_ProgramDir.endsWith(u'/')) {
        m_ProgramDir += u'/';
    }

    m_BannerTimer = new QTimer(this);
    m_BannerTimer->setSingleShot(true);
    m_BannerTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may end it 5% early
    m_BannerTimer->setInterval(kBannerMilliseconds);
    connect(m_BannerTimer, &QTimer::timeout, this, &TFormVTX::HideBanner);

    CreateActions();
    m_Room = std::make_unique<TRoomFollower>(m_Session, *this);
    connect(&m_Room->Caller(), &TCaller::Problem, this, &TFormVTX::ShowNotice);
    connect(m_Room.get(), &TRoomFollower::ScoreKey, this, &TFormVTX::TypeFromBoard);
    connect(m_Room.get(), &TRoomFollower::BoardVisibilityChanged, m_ActionBoard,
            &QAction::setChecked);
}

void TFormVTX::BuildContents()
{
    if (ContentsBuilt()) {
        return;
    }
    CreateToolBar();
    CreatePages();
    SetHintsShown(HintsShown());
    for (const QString& line : std::exchange(m_EarlyNotices, {})) {
        m_Notice->AddNotice(line);
    }
    OpenCheckoutTable(m_ProgramDir + QStringLiteral("VTXOutShots.ini"));
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateActions(); });
    UpdateActions();
    for (const std::function<void()>& step : std::exchange(m_WhenBuilt, {})) {
        step();
    }
}

void TFormVTX::WhenBuilt(std::function<void()> step)
{
    if (ContentsBuilt()) {
        step();
    } else {
        m_WhenBuilt.push_back(std::move(step));
    }
}

void TFormVTX::setVisible(bool visible)
{
    if (visible) {
        BuildContents();
    }
    QMainWindow::setVisible(visible);
}

void TFormVTX::OpenNewGameFirst()
{
    if (m_NewGameDialog != nullptr && !isVisible()) {
        m_ShowBehindDialog = true;
        connect(m_NewGameDialog, &TNewGameDialog::FirstPainted, this, &TFormVTX::ShowBehindDialog,
                Qt::SingleShotConnection);
    }
    m_ActionNew->trigger();
}

void TFormVTX::ShowBehindDialog()
{
    if (!std::exchange(m_ShowBehindDialog, false)) {
        return;
    }
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (m_NewGameDialog->isVisible()) {
        // Shown before this window existed on screen, the dialog is made its transient now,
        // so that a window manager keeps it in front; without one it is raised by hand.
        QWindow* dialogWindow = m_NewGameDialog->windowHandle();
        if (dialogWindow != nullptr && dialogWindow->transientParent() == nullptr) {
            dialogWindow->setTransientParent(windowHandle());
        }
        m_NewGameDialog->raise();
        m_NewGameDialog->activateWindow();
    }
}

void TFormVTX::CreatePages()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_PanelGameTitle = NewLabel(QStringLiteral("PanelGameTitle"), QString(), central);
    m_PanelGameTitle->setTextFormat(Qt::PlainText);
    m_PanelGameTitle->setAlignment(Qt::AlignCenter);
    m_PanelGameTitle->setFrameShape(QFrame::StyledPanel);
    m_PanelGameTitle->setMinimumHeight(26);
    QFont titleFont = m_PanelGameTitle->font();
    titleFont.setBold(true);
    m_PanelGameTitle->setFont(titleFont);
    layout->addWidget(m_PanelGameTitle);

    m_Notebook = new QStackedWidget(central);
    m_Notebook->setObjectName(QStringLiteral("Notebook"));
    layout->addWidget(m_Notebook, 1);

    m_PanelX01 = new QWidget(m_Notebook);
    m_PanelX01->setObjectName(QStringLiteral("PanelX01"));
    // Where the keyboard rests while nobody is to throw (a leg or the match won): typing there
    // does nothing, and Enter opens no correction.
    m_PanelX01->setFocusPolicy(Qt::ClickFocus);
    auto* players = new QHBoxLayout(m_PanelX01);
    players->setContentsMargins(0, 0, 0, 0);
    players->setSpacing(0);
    for (int player = 0; player < 2; ++player) {
        auto* panel = new TPlayerPanel(m_Game, player, m_PanelX01);
        m_Players[static_cast<size_t>(player)] = panel;
        connect(panel, &TPlayerPanel::CorrectionClosed, this, &TFormVTX::FocusThrownBox);
        connect(panel, &TPlayerPanel::CheckoutAsked, this,
                [this, player](int darts) { CheckoutAsked(player, darts); });
        if (player == 1) {
            players->addStretch(1);
        }
        players->addWidget(panel);
    }
    m_Notebook->addWidget(m_PanelX01);
    m_StatsPage = new TStatsPage(m_Notebook);
    m_StatsPage->SetLegsCorrectable(true);
    connect(m_StatsPage, &TStatsPage::LegChosen, this, &TFormVTX::CorrectLeg);
    m_Notebook->addWidget(m_StatsPage);

    // The banner floats over the page, centred, outside any layout.
    m_PanelWinner = NewBanner(QStringLiteral("PanelWinner"), m_PanelX01);
    m_PanelWinner->setFixedSize(300, 41);
    m_PanelWinner->hide();
    m_PanelX01->installEventFilter(this);

    m_Notice = new TNoticeBar(central);
    layout->addWidget(m_Notice);

    connect(m_Notebook, &QStackedWidget::currentChanged, this, &TFormVTX::NotebookPageChanged);
    setCentralWidget(central);
}
