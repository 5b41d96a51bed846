#include "ui/main/MainPages.h"

#include "model/DartNotation.h"
#include "session/ComputerThrower.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/main/NoticeBar.h"
#include "ui/main/WinnerBanner.h"
#include "ui/panels/GamePanel.h"
#include "ui/panels/PlayerPanel.h"
#include "ui/panels/SideCards.h"
#include "ui/stats/StatsPage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

TMainPages::TMainPages(const CGame& game, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_GameTitle = NewLabel(QStringLiteral("PanelGameTitle"), QString(), this);
    m_GameTitle->setTextFormat(Qt::PlainText);
    m_GameTitle->setAlignment(Qt::AlignCenter);
    m_GameTitle->setFrameShape(QFrame::StyledPanel);
    m_GameTitle->setMinimumHeight(26);
    QFont titleFont = m_GameTitle->font();
    titleFont.setBold(true);
    m_GameTitle->setFont(titleFont);
    layout->addWidget(m_GameTitle);

    m_Notebook = new QStackedWidget(this);
    m_Notebook->setObjectName(QStringLiteral("Notebook"));
    layout->addWidget(m_Notebook, 1);

    m_PanelX01 = new QWidget(m_Notebook);
    m_PanelX01->setObjectName(QStringLiteral("PanelX01"));
    // Where the keyboard rests while nobody is to throw (a leg or the match won): typing there
    // does nothing, and Enter opens no correction.
    m_PanelX01->setFocusPolicy(Qt::ClickFocus);
    auto* players = new QHBoxLayout(m_PanelX01);
    m_PanelLayout = players;
    players->setContentsMargins(0, 0, 0, 0);
    players->setSpacing(0);
    m_Cards = new TSideCards(m_PanelX01);
    m_Cards->hide();
    players->addWidget(m_Cards, 1);
    for (int player = 0; player < 2; ++player) {
        auto* panel = new TPlayerPanel(game, player, m_PanelX01);
        m_Players[static_cast<size_t>(player)] = panel;
        if (player == 1) {
            players->addStretch(1);
        }
        players->addWidget(panel);
    }
    m_Notebook->addWidget(m_PanelX01);
    m_Stats = new TStatsPage(m_Notebook);
    m_Stats->SetLegsCorrectable(true);
    m_Notebook->addWidget(m_Stats);

    m_Banner = new TWinnerBanner(m_PanelX01);

    m_Notice = new TNoticeBar(this);
    layout->addWidget(m_Notice);
}

void TMainPages::AddGamePanel(QWidget* panel)
{
    m_GamePanel = panel;
    panel->hide();
    m_PanelLayout->addWidget(panel, 1);
}

void TMainPages::LayOutFor(int sides, bool game)
{
    const bool many = sides > 2 && !game;
    m_ManySides = many;
    m_Cards->setVisible(many);
    m_Players[0]->setVisible(!game);
    m_Players[1]->setVisible(sides == 2 && !game);
    if (m_GamePanel != nullptr) {
        m_GamePanel->setVisible(game);
    }
    // The room between the two panels goes to the cards when they are shown.
    m_PanelLayout->setStretch(2, many || game ? 0 : 1);
}

std::vector<TPlayerPanel*> TMainPages::Panels() const
{
    if (m_ManySides) {
        return {m_Players[0]};
    }
    return {m_Players[0], m_Players[1]};
}

TPlayerPanel* TMainPages::PanelOf(int player) const
{
    for (TPlayerPanel* panel : Panels()) {
        if (panel->Player() == player) {
            return panel;
        }
    }
    return nullptr;
}

bool TMainPages::ShowsDefaultPage() const
{
    return m_Notebook->currentIndex() == kPageDefault;
}

bool TMainPages::ShowsStatsPage() const
{
    return m_Notebook->currentIndex() == kPageStats;
}

bool TMainPages::InputHeld() const
{
    return m_Banner->Blocking();
}

void TMainPages::ShowDartsLines(const CGame& game, const TComputerThrower& computer)
{
    const QString held =
        computer.IsPaused()
            ? QCoreApplication::translate("TMainPages", "Paused: Ctrl+P lets it throw")
        : computer.IsWaiting()
            ? QCoreApplication::translate("TMainPages",
                                          "Waits after the undo: Ctrl+P twice lets it throw")
            : QString();
    if (auto* games = qobject_cast<TGamePanel*>(m_GamePanel)) {
        games->ShowComputerDarts(computer.Throwing(), computer.Shown(), held);
    }
    int player = computer.Throwing();
    QString text = computer.Shown();
    const CLeg* leg = game.CurrentLeg();
    if (player < 0 && leg != nullptr && !leg->Finished() &&
        ComputerAverage(game.Params(), leg->PlayerToThrow()) > 0) {
        player = leg->PlayerToThrow();
        text = held;
    }
    // Otherwise a panel shows the darts of its side's last turn. A computer's panel, and every
    // panel of a match entered dart by dart, keeps the line, empty until there are darts, so
    // that nothing moves when they come.
    for (TPlayerPanel* panel : Panels()) {
        QString line = panel->Player() == player ? text : QString();
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(panel->Player()) : nullptr;
        if (line.isEmpty() && sheet != nullptr) {
            if (const std::vector<TDart>* darts = sheet->EntryDarts(sheet->EntryCount() - 1)) {
                line = QString::fromStdString(DartsText(*darts, " · ")) + QStringLiteral(" = ") +
                       QString::number(sheet->LastEntry()->Score);
            }
        }
        if (line.isEmpty() &&
            (game.Params().EnterDarts || ComputerAverage(game.Params(), panel->Player()) > 0)) {
            line = QStringLiteral(" ");
        }
        panel->ShowDarts(line);
    }
}
