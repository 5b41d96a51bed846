#include "ui/entry/DartPad.h"

#include "bot/Board.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace {

// The board with its numbers: the numbers ring ends here (mm from the centre).
constexpr double kNumbersRadius = 200.0;
constexpr double kEdgeRadius = 225.0;

// A ring's sector of segment `index` (clockwise from the top), in mm, y down for painting.
QPainterPath Sector(size_t index, double inner, double outer)
{
    // Qt's angles run counter-clockwise from three o'clock.
    const double start =
        90.0 - (static_cast<double>(index) * kSegmentDegrees) - kSegmentDegrees / 2;
    QPainterPath path;
    path.arcMoveTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), start);
    path.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), start, kSegmentDegrees);
    path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), start + kSegmentDegrees,
               -kSegmentDegrees);
    path.closeSubpath();
    return path;
}

} // namespace

TDartPad::TDartPad(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DartPad"));
    setMinimumSize(160, 200);
    setAttribute(Qt::WA_AcceptTouchEvents, false); // taps arrive as mouse presses
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addStretch(1);
    m_Buttons = new QWidget(this);
    auto* row = new QHBoxLayout(m_Buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const struct
    {
        const char* Name;
        const char* Text;
        void (TDartPad::*Signal)();
    } buttons[] = {
        {"ButtonPadBack", QT_TR_NOOP("Back"), &TDartPad::BackChosen},
        {"ButtonPadEnter", QT_TR_NOOP("Enter"), &TDartPad::EnterChosen},
    };
    auto* miss = new QPushButton(tr("Miss"), m_Buttons);
    miss->setObjectName(QStringLiteral("ButtonPadMiss"));
    miss->setFocusPolicy(Qt::NoFocus);
    connect(miss, &QPushButton::clicked, this, [this] { emit DartChosen({0, 1}); });
    row->addWidget(miss);
    for (const auto& button : buttons) {
        auto* push = new QPushButton(tr(button.Text), m_Buttons);
        push->setObjectName(QString::fromLatin1(button.Name));
        push->setFocusPolicy(Qt::NoFocus); // the keyboard stays in the Thrown box
        connect(push, &QPushButton::clicked, this, button.Signal);
        row->addWidget(push);
    }
    column->addWidget(m_Buttons);
}

QSize TDartPad::sizeHint() const
{
    return {300, 340};
}

double TDartPad::Scale() const
{
    const double room = std::min(width() - 8.0, m_Buttons->y() - 8.0);
    return std::max(room, 1.0) / (2.0 * kEdgeRadius);
}

QPointF TDartPad::Centre() const
{
    return {width() / 2.0, (m_Buttons->y()) / 2.0};
}

TDart TDartPad::DartAt(QPointF position) const
{
    const QPointF offset = (position - Centre()) / Scale();
    return DartOf(BedAt({offset.x(), -offset.y()}));
}

QPointF TDartPad::PositionOf(const TDart& dart) const
{
    const TRing ring = dart.Segment == 25 ? (dart.Multiplier == 2 ? TRing::Bull : TRing::OuterBull)
                       : dart.Multiplier == 3 ? TRing::Treble
                       : dart.Multiplier == 2 ? TRing::Double
                                              : TRing::Single;
    const TPoint point = AimPoint({ring, dart.Segment});
    return Centre() + QPointF(point.X, -point.Y) * Scale();
}

void TDartPad::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(Centre());
    painter.scale(Scale(), Scale());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawEllipse(QPointF(), kEdgeRadius, kEdgeRadius);
    const QColor dark(0x1A, 0x1A, 0x1A);
    const QColor light(0xF2, 0xE6, 0xC8);
    const QColor red(0xD0, 0x20, 0x20);
    const QColor green(0x10, 0x90, 0x40);
    painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0.8));
    for (size_t index = 0; index < kBoardSegments.size(); ++index) {
        const bool even = index % 2 == 0; // the 20 and every other: dark with red rings
        painter.setBrush(even ? red : green);
        painter.drawPath(Sector(index, kDoubleInnerRadius, kDoubleOuterRadius));
        painter.drawPath(Sector(index, kTrebleInnerRadius, kTrebleOuterRadius));
        painter.setBrush(even ? dark : light);
        painter.drawPath(Sector(index, kTrebleOuterRadius, kDoubleInnerRadius));
        painter.drawPath(Sector(index, kOuterBullRadius, kTrebleInnerRadius));
    }
    painter.setBrush(green);
    painter.drawEllipse(QPointF(), kOuterBullRadius, kOuterBullRadius);
    painter.setBrush(red);
    painter.drawEllipse(QPointF(), kInnerBullRadius, kInnerBullRadius);
    // The numbers round the board, upright.
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (size_t index = 0; index < kBoardSegments.size(); ++index) {
        const double angle =
            static_cast<double>(index) * kSegmentDegrees * std::numbers::pi / 180.0;
        const QPointF at(std::sin(angle) * (kDoubleOuterRadius + kNumbersRadius) / 2.0 * 1.1,
                         -std::cos(angle) * (kDoubleOuterRadius + kNumbersRadius) / 2.0 * 1.1);
        painter.drawText(QRectF(at - QPointF(20, 14), QSizeF(40, 28)), Qt::AlignCenter,
                         QString::number(kBoardSegments[index]));
    }
}

void TDartPad::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || event->position().y() >= m_Buttons->y()) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF offset = (event->position() - Centre()) / Scale();
    // Beyond the numbers is no tap on the board.
    if (std::hypot(offset.x(), offset.y()) > kEdgeRadius) {
        return;
    }
    emit DartChosen(DartAt(event->position()));
}
