#include "MainPages.h"

#include "NoticeBar.h"
#include "PlayerPanel.h"
#include "StatsPage.h"
#include "WidgetHelpers.h"
#include "WinnerBanner.h"

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
    players->setContentsMargins(0, 0, 0, 0);
    players->setSpacing(0);
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
