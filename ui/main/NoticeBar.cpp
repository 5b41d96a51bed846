#include "ui/main/NoticeBar.h"

#include "ui/common/WidgetHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

TNoticeBar::TNoticeBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelNotice"));
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
    SetToolTipColours(*this);

    m_Text = new QLabel(this);
    m_Text->setObjectName(QStringLiteral("LabelNotice"));
    m_Text->setTextFormat(Qt::PlainText);
    m_Text->setWordWrap(true);
    m_Text->setFocusPolicy(Qt::NoFocus);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("ButtonNoticeClose"));
    close->setText(QStringLiteral("\u00D7"));
    close->setToolTip(tr("Dismiss"));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, this, &TNoticeBar::Dismiss);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(m_Text, 1);
    layout->addWidget(close, 0, Qt::AlignTop);
    hide();
}

void TNoticeBar::AddNotice(const QString& line)
{
    if (!m_Lines.contains(line)) {
        m_Lines << line;
        m_Text->setText(m_Lines.join(u'\n'));
    }
    show();
}

void TNoticeBar::Dismiss()
{
    m_Lines.clear();
    m_Text->clear();
    hide();
}

void TNoticeBar::mousePressEvent(QMouseEvent* event)
{
    Dismiss();
    event->accept();
}
