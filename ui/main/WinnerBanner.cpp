#include "ui/main/WinnerBanner.h"

#include "ui/common/WidgetHelpers.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QTimer>

namespace {

bool IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

TWinnerBanner::TWinnerBanner(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("PanelWinner"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    SetToolTipColours(*this);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(16);
    setFont(bold);
    setFixedSize(300, 41);
    hide();
    m_Timer = new QTimer(this);
    m_Timer->setSingleShot(true);
    m_Timer->setTimerType(Qt::PreciseTimer); // a coarse timer may end it 5% early
    m_Timer->setInterval(kMilliseconds);
    connect(m_Timer, &QTimer::timeout, this, &TWinnerBanner::End);
    // Floating over the page, outside any layout: it stays in the middle as the page resizes.
    parent->installEventFilter(this);
}

TWinnerBanner::~TWinnerBanner()
{
    qApp->removeEventFilter(this);
}

void TWinnerBanner::ShowWinner(const QString& format, const QString& name)
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - metrics.horizontalAdvance(format.arg(u"")) -
                     2 * metrics.averageCharWidth();
    ShowFor(format.arg(metrics.elidedText(name, Qt::ElideRight, std::max(room, 1))));
}

void TWinnerBanner::ShowFor(const QString& text)
{
    setText(text);
    Place();
    show();
    raise();
    qApp->installEventFilter(this);
    m_Timer->start();
}

void TWinnerBanner::End()
{
    m_Timer->stop();
    hide();
    qApp->removeEventFilter(this);
    emit Ended();
}

bool TWinnerBanner::Blocking() const
{
    return m_Timer->isActive();
}

void TWinnerBanner::Place()
{
    const QRect area = parentWidget()->rect();
    move(area.center() - rect().center());
}

bool TWinnerBanner::eventFilter(QObject* watched, QEvent* event)
{
    if (Blocking() && IsUserInput(event)) {
        return true;
    }
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        Place();
    }
    return QLabel::eventFilter(watched, event);
}
