#include "ui/main/ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <utility>

namespace {

enum class TShape
{
    Document,
    Info,
    Cross,
    Bulb,
    NextArrow,
    Target,
    UndoArrow,
    Bars,
    Clock,
    Screen
};

// An icon drawn by code: every pixmap is painted at the size asked for.
class TPaintedIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }
};

class TShapeIconEngine final : public TPaintedIconEngine
{
public:
    explicit TShapeIconEngine(TShape shape) : m_Shape(shape) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        const bool disabled = mode == QIcon::Disabled;
        const QColor ink = disabled ? QColor(160, 160, 160) : QColor(50, 60, 75);
        const QColor accent = disabled ? QColor(190, 190, 190) : QColor(40, 120, 200);
        const QColor warm = disabled ? QColor(200, 200, 200) : QColor(200, 60, 50);
        QPen pen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter->setPen(pen);
        switch (m_Shape) {
        case TShape::Document: {
            QPainterPath page;
            page.moveTo(3.5, 1.5);
            page.lineTo(9.5, 1.5);
            page.lineTo(12.5, 4.5);
            page.lineTo(12.5, 14.5);
            page.lineTo(3.5, 14.5);
            page.closeSubpath();
            painter->setBrush(Qt::white);
            painter->drawPath(page);
            painter->drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
            painter->drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
            painter->setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
            painter->drawLine(QPointF(8, 8), QPointF(8, 12.5));
            painter->drawLine(QPointF(5.75, 10.25), QPointF(10.25, 10.25));
            break;
        }
        case TShape::Info:
            painter->setBrush(accent);
            painter->setPen(Qt::NoPen);
            painter->drawEllipse(QRectF(1.5, 1.5, 13, 13));
            painter->setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
            painter->drawPoint(QPointF(8, 4.8));
            painter->drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
            break;
        case TShape::Cross:
            painter->setPen(QPen(warm, 2.2, Qt::SolidLine, Qt::RoundCap));
            painter->drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            painter->drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
            break;
        case TShape::Bulb:
            painter->setBrush(disabled ? QColor(220, 220, 220) : QColor(250, 210, 70));
            painter->drawEllipse(QRectF(3.5, 1.5, 9, 9));
            painter->drawLine(QPointF(6.5, 12), QPointF(9.5, 12));
            painter->drawLine(QPointF(6.8, 14.2), QPointF(9.2, 14.2));
            break;
        case TShape::NextArrow: {
            painter->setBrush(accent);
            painter->setPen(Qt::NoPen);
            QPainterPath arrow;
            arrow.moveTo(2, 6);
            arrow.lineTo(8, 6);
            arrow.lineTo(8, 2.5);
            arrow.lineTo(14, 8);
            arrow.lineTo(8, 13.5);
            arrow.lineTo(8, 10);
            arrow.lineTo(2, 10);
            arrow.closeSubpath();
            painter->drawPath(arrow);
            break;
        }
        case TShape::Target:
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(QRectF(1.5, 1.5, 13, 13));
            painter->setPen(QPen(warm, 1.3));
            painter->drawEllipse(QRectF(4.5, 4.5, 7, 7));
            painter->setBrush(accent);
            painter->setPen(Qt::NoPen);
            painter->drawEllipse(QRectF(6.5, 6.5, 3, 3));
            break;
        case TShape::UndoArrow: {
            painter->setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath curve;
            curve.moveTo(4, 6);
            curve.lineTo(10, 6);
            curve.cubicTo(15, 6, 15, 13, 10, 13);
            curve.lineTo(6, 13);
            painter->drawPath(curve);
            painter->drawLine(QPointF(4, 6), QPointF(6.8, 3.2));
            painter->drawLine(QPointF(4, 6), QPointF(6.8, 8.8));
            break;
        }
        case TShape::Bars:
            painter->setPen(Qt::NoPen);
            painter->setBrush(accent);
            painter->drawRect(QRectF(2, 8, 3, 6));
            painter->setBrush(warm);
            painter->drawRect(QRectF(6.5, 3, 3, 11));
            painter->setBrush(ink);
            painter->drawRect(QRectF(11, 6, 3, 8));
            break;
        case TShape::Clock:
            painter->drawEllipse(QRectF(2, 2, 12, 12));
            painter->setPen(QPen(accent, 1.4, Qt::SolidLine, Qt::RoundCap));
            painter->drawLine(QPointF(8, 8), QPointF(8, 4.5));
            painter->drawLine(QPointF(8, 8), QPointF(10.8, 9.6));
            break;
        case TShape::Screen:
            painter->setBrush(QColor(30, 36, 46));
            painter->drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1, 1);
            painter->drawLine(QPointF(8, 11.5), QPointF(8, 14));
            painter->drawLine(QPointF(5, 14), QPointF(11, 14));
            painter->setPen(QPen(accent.lighter(150), 1.4, Qt::SolidLine, Qt::RoundCap));
            painter->drawLine(QPointF(4.5, 7), QPointF(7, 7));
            painter->drawLine(QPointF(9.5, 5.5), QPointF(9.5, 8.5));
            painter->drawLine(QPointF(11.5, 5.5), QPointF(11.5, 8.5));
            break;
        }
        painter->restore();
    }

    QIconEngine* clone() const override { return new TShapeIconEngine(m_Shape); }

private:
    TShape m_Shape;
};

// The desktop theme's icon, else the drawing, looked up when the icon is first drawn or measured
// rather than when it is made: on a desktop the first lookup reads the icon themes' index files
// (about 14 ms under X11), which has no place before the first window is on screen.
class TThemeIconEngine final : public QIconEngine
{
public:
    TThemeIconEngine(const char* theme, TShape shape) : m_Theme(theme), m_Shape(shape) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QString iconName() override { return Icon().name(); }
    bool isNull() override { return false; } // the drawing is always there
    QIconEngine* clone() const override { return new TThemeIconEngine(m_Theme, m_Shape); }

private:
    const QIcon& Icon()
    {
        if (m_Icon.isNull()) {
            m_Icon = QIcon::fromTheme(QString::fromLatin1(m_Theme),
                                      QIcon(new TShapeIconEngine(m_Shape)));
        }
        return m_Icon;
    }

    const char* m_Theme;
    TShape m_Shape;
    QIcon m_Icon;
};

} // namespace

QIcon ToolIcon(int index)
{
    struct TImage
    {
        int Index;
        const char* Theme;
        TShape Shape;
    };
    static constexpr TImage kImages[] = {
        {0, "document-new", TShape::Document},       {1, "help-about", TShape::Info},
        {2, "application-exit", TShape::Cross},      {3, "dialog-information", TShape::Bulb},
        {5, "go-next", TShape::NextArrow},           {6, "list-add", TShape::Target},
        {8, "edit-undo", TShape::UndoArrow},         {9, "x-office-spreadsheet", TShape::Bars},
        {10, "document-open-recent", TShape::Clock}, {11, "video-display", TShape::Screen},
    };
    for (const TImage& image : kImages) {
        if (image.Index == index) {
            return QIcon(new TThemeIconEngine(image.Theme, image.Shape));
        }
    }
    return {};
}

void PaintApplicationIcon(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 128.0, area.height() / 128.0);
    painter.setPen(Qt::NoPen);
    const QPointF centre(60, 68);
    const QColor dark(0x1d, 0x24, 0x30);
    const QColor red(0xc8, 0x35, 0x2e);
    const QColor green(0x2f, 0x8f, 0x4e);
    const QColor blue(0x3a, 0x7b, 0xd5);
    const std::pair<double, QColor> rings[] = {
        {56, dark},  {48, red}, {43, QColor(0xf1, 0xe6, 0xc8)}, {30, green}, {26, dark},
        {12, green}, {5.5, red}};
    for (const auto& [radius, colour] : rings) {
        painter.setBrush(colour);
        painter.drawEllipse(centre, radius, radius);
    }
    QColor wire = dark;
    wire.setAlpha(140);
    painter.setPen(QPen(wire, 2));
    painter.drawLine(QPointF(60, 25), QPointF(60, 111));
    painter.drawLine(QPointF(17, 68), QPointF(103, 68));
    painter.drawLine(QPointF(29.6, 37.6), QPointF(90.4, 98.4));
    painter.drawLine(QPointF(90.4, 37.6), QPointF(29.6, 98.4));
    painter.setPen(Qt::NoPen);
    painter.translate(centre);
    painter.rotate(-45);
    painter.translate(-centre);
    painter.setBrush(QColor(0xd9, 0xdd, 0xe3));
    painter.drawRoundedRect(QRectF(58.5, 14, 3, 52), 1.5, 1.5);
    painter.setBrush(blue);
    painter.drawRoundedRect(QRectF(56, 30, 8, 18), 3, 3);
    QPainterPath flight;
    flight.moveTo(60, 2);
    flight.lineTo(70, 14);
    flight.lineTo(60, 11);
    flight.lineTo(50, 14);
    flight.closeSubpath();
    painter.drawPath(flight);
    painter.restore();
}

namespace {

class TApplicationIconEngine final : public TPaintedIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        PaintApplicationIcon(*painter, QRectF(rect));
    }
    QIconEngine* clone() const override { return new TApplicationIconEngine; }
};

} // namespace

QIcon ApplicationIcon()
{
    return QIcon(new TApplicationIconEngine);
}
