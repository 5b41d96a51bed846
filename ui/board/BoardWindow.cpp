#include "ui/board/BoardWindow.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

const QColor kGround(16, 20, 26);
const QColor kColumnGround(28, 34, 44);
const QColor kInk(245, 246, 248);
const QColor kDim(170, 180, 195);
const QColor kAccent(255, 193, 7); // the thrower

// The share of a column's height each line takes; the remainder gets most of it.
constexpr int kNameShare = 14;
constexpr int kRemainderShare = 44;
constexpr int kLineShare = 11;

// A transparent picture of `size` for a screen of `ratio`, to draw into once and keep.
QPixmap BlankPicture(QSize size, qreal ratio)
{
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

// The four corner squares of `area`, `size` wide: top left, top right, bottom left, bottom
// right.
std::array<QRect, 4> CornerSquares(const QRect& area, int size)
{
    const QSize square(size, size);
    return {QRect(area.topLeft(), square),
            QRect(QPoint(area.right() - size + 1, area.top()), square),
            QRect(QPoint(area.left(), area.bottom() - size + 1), square),
            QRect(QPoint(area.right() - size + 1, area.bottom() - size + 1), square)};
}

// A line of the board. Its text is drawn once into a picture and the picture is kept: a line
// is repainted more often than it changes (a name changes colour with every turn and back, a
// line beside the thrower's frame is repainted with it), and text this large is drawn as
// outlines, which costs far more than copying a picture. The last two looks are kept (a name's
// two colours). Large digits (the remainder, new with every turn) are copied one by one from a
// kept picture of each digit.
class TBoardLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QRect area = contentsRect();
        if (area.isEmpty() || text().isEmpty()) {
            return;
        }
        TLook look{text(),
                   font(),
                   palette().color(QPalette::WindowText).rgba(),
                   area.size(),
                   devicePixelRatioF(),
                   alignment()};
        QPainter painter(this);
        if (DrawDigits(painter, area, look)) {
            return;
        }
        if (!(look == m_Looks[0])) {
            std::swap(m_Looks[0], m_Looks[1]);
            std::swap(m_Pictures[0], m_Pictures[1]);
            if (!(look == m_Looks[0])) {
                m_Pictures[0] = Picture(look);
                m_Looks[0] = std::move(look);
            }
        }
        painter.drawPixmap(area.topLeft(), m_Pictures[0]);
    }

private:
    // Text smaller than this is drawn from the font's own glyph cache.
    static constexpr int kOutlinedPixels = 64;

    // Everything that decides how the line looks.
    struct TLook
    {
        QString Text;
        QFont Font;
        QRgb Ink = 0;
        QSize Size;
        qreal Ratio = 1;
        Qt::Alignment Alignment;
        bool operator==(const TLook&) const = default;
    };

    static QPixmap Picture(const TLook& look)
    {
        QPixmap picture = BlankPicture(look.Size, look.Ratio);
        QPainter painter(&picture);
        painter.setFont(look.Font);
        painter.setPen(QColor::fromRgba(look.Ink));
        painter.drawText(QRect(QPoint(0, 0), look.Size), static_cast<int>(look.Alignment),
                         look.Text);
        return picture;
    }

    // Large centred digits, each copied from its kept picture; false for any other text.
    bool DrawDigits(QPainter& painter, const QRect& area, const TLook& look)
    {
        if (look.Font.pixelSize() <= kOutlinedPixels || look.Alignment != Qt::AlignCenter ||
            !std::all_of(look.Text.begin(), look.Text.end(),
                         [](QChar digit) { return digit >= u'0' && digit <= u'9'; })) {
            return false;
        }
        if (!(look.Font == m_DigitsLook.Font && look.Ink == m_DigitsLook.Ink &&
              look.Ratio == m_DigitsLook.Ratio)) {
            m_DigitsLook = look;
            m_Digits = {};
        }
        const QFontMetrics metrics(look.Font);
        int width = 0;
        for (const QChar digit : look.Text) {
            width += metrics.horizontalAdvance(digit);
        }
        if (width > area.width()) {
            return false;
        }
        // A digit may reach past its advance; its picture has room on both sides.
        const int spare = metrics.height() / 4;
        int x = area.left() + (area.width() - width) / 2;
        const int y = area.top() + (area.height() - metrics.height()) / 2;
        for (const QChar digit : look.Text) {
            const int advance = metrics.horizontalAdvance(digit);
            QPixmap& picture = m_Digits[static_cast<size_t>(digit.unicode() - u'0')];
            if (picture.isNull()) {
                picture = BlankPicture(QSize(advance + 2 * spare, metrics.height()), look.Ratio);
                QPainter drawing(&picture);
                drawing.setFont(look.Font);
                drawing.setPen(QColor::fromRgba(look.Ink));
                drawing.drawText(QPoint(spare, metrics.ascent()), QString(digit));
            }
            painter.drawPixmap(x - spare, y, picture);
            x += advance;
        }
        return true;
    }

    std::array<TLook, 2> m_Looks;
    std::array<QPixmap, 2> m_Pictures;
    TLook m_DigitsLook;
    std::array<QPixmap, 10> m_Digits;
};

QLabel* NewBoardLabel(const QString& name, QWidget* parent, const QColor& ink)
{
    auto* label = new TBoardLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    // The layout shares the height out by the lines' stretch, never by their texts: the fonts
    // are then fitted to the room each line has.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    label->setMinimumSize(1, 1);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
    return label;
}

// The largest pixel size (at most `cap`) at which `sample` fits `room`, in `base`'s family.
int FittingPixelSize(const QFont& base, const QString& sample, QSize room, int cap)
{
    QFont font = base;
    int size = std::max(1, std::min(cap, room.height() * 3 / 4));
    font.setPixelSize(size);
    const int width = QFontMetrics(font).horizontalAdvance(sample);
    if (width > room.width() && width > 0) {
        size = std::max(1, size * room.width() / width);
    }
    // Metrics are not exactly linear in the size: step down until it really fits.
    for (font.setPixelSize(size); size > 1; font.setPixelSize(--size)) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(sample) <= room.width() &&
            metrics.height() <= room.height()) {
            break;
        }
    }
    return size;
}

// Sets the label's text at the largest size that fits (measured on `sample`, so that the
// digits keep their size while the score changes). A longer text is set smaller, down to
// `shrink` of that size, and what still does not fit is elided. The size is worked out again
// only when `key` (what it depends on besides the room) or the room has changed: a turn then
// costs no measuring at all.
void FitLabel(QLabel* label, const QString& text, const QString& sample, bool bold,
              double shrink = 1.0)
{
    const QSize room = label->contentsRect().size();
    const QString key = (shrink < 1.0 || sample.isEmpty() ? text : sample) +
                        QStringLiteral("@%1x%2").arg(room.width()).arg(room.height());
    QFont font = label->font();
    if (label->property("fitted").toString() != key) {
        font.setBold(bold);
        const int full = FittingPixelSize(font, sample.isEmpty() ? text : sample, room, 100000);
        const int least = std::max(1, static_cast<int>(full * shrink));
        font.setPixelSize(std::max(least, FittingPixelSize(font, text, room, full)));
        label->setFont(font);
        label->setProperty("fitted", key);
    }
    label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, room.width()));
}

} // namespace

// One player's column: a panel with a bright frame while the player throws.
class TBoardColumn final : public QWidget
{
public:
    TBoardColumn(int player, QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("BoardColumn%1").arg(player + 1));
        const QString number = QString::number(player + 1);
        Name = NewBoardLabel(QStringLiteral("BoardName") + number, this, kInk);
        Thrower = NewBoardLabel(QStringLiteral("BoardThrower") + number, this, kAccent);
        Thrower->hide();
        Remainder = NewBoardLabel(QStringLiteral("BoardRemainder") + number, this, kInk);
        Match = NewBoardLabel(QStringLiteral("BoardMatch") + number, this, kDim);
        Last = NewBoardLabel(QStringLiteral("BoardLast") + number, this, kDim);
        Route = NewBoardLabel(QStringLiteral("BoardRoute") + number, this, kAccent);
        m_Layout = new QVBoxLayout(this);
        m_Layout->setSpacing(0);
        m_Layout->addWidget(Name, kNameShare);
        m_Layout->addWidget(Thrower, kLineShare);
        m_Layout->addWidget(Remainder, kRemainderShare);
        m_Layout->addWidget(Match, kLineShare);
        m_Layout->addWidget(Last, kLineShare);
        m_Layout->addWidget(Route, kLineShare);
    }

    void SetThrows(bool throws)
    {
        if (throws == Throws && property("throws").isValid()) {
            return; // a repaint of the whole column costs more than the turn itself
        }
        Throws = throws;
        setProperty("throws", throws);
        QPalette palette = Name->palette();
        palette.setColor(QPalette::WindowText, throws ? kAccent : kInk);
        Name->setPalette(palette);
        // Only the frame changes: its edges and its corners, never the lines inside, which
        // then need no repaint.
        // The thrower's corners reach furthest in (see paintEvent); one pixel more for their
        // edge's smoothing.
        const int edge = FrameWidth();
        QRegion frame = QRegion(rect()) - QRegion(rect().adjusted(edge, edge, -edge, -edge));
        for (const QRect& corner : CornerSquares(rect(), CornerRadius(edge) + 1)) {
            frame += corner;
        }
        update(frame);
    }

    // The outer radius of the frame's corners for a line `pen` wide: its middle is rounded by
    // twice the frame's width.
    int CornerRadius(int pen) const { return FrameWidth() * 2 + pen / 2; }

    // The frame is a share of the column's size, so it stays visible from across the room.
    int FrameWidth() const { return std::max(3, std::min(width(), height()) / 60); }

    void FitMargins()
    {
        const int margin = FrameWidth() * 2;
        m_Layout->setContentsMargins(margin, margin, margin, margin);
    }

    QLabel* Name = nullptr;
    QLabel* Thrower = nullptr;
    QLabel* Remainder = nullptr;
    QLabel* Match = nullptr;
    QLabel* Last = nullptr;
    QLabel* Route = nullptr;
    bool Throws = false;

protected:
    // The rounded frame drawn in parts: the ground and the straight edges as plain rectangles,
    // only the four corners as curves. One curve over the whole column costs as much as the
    // area it encloses, and the thrower's frame is drawn again with every turn.
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        // The frame's line runs half its width in from the column's edge, rounded by twice
        // its width; the thrower's line is as wide as the frame, another's one pixel.
        const int frame = FrameWidth();
        const int pen = Throws ? frame : 1;
        const QRect outer = rect().adjusted(frame / 2 - pen / 2, frame / 2 - pen / 2,
                                            pen / 2 - frame / 2, pen / 2 - frame / 2);
        const QColor edge = Throws ? kAccent : kColumnGround.lighter(140);
        const int radius = CornerRadius(pen);
        if (outer.width() <= 2 * radius || outer.height() <= 2 * radius) {
            painter.fillRect(outer, kColumnGround);
            return;
        }
        painter.fillRect(outer.adjusted(radius, pen, -radius, -pen), kColumnGround);
        painter.fillRect(outer.adjusted(pen, radius, -pen, -radius), kColumnGround);
        painter.fillRect(QRect(outer.left() + radius, outer.top(), outer.width() - 2 * radius, pen),
                         edge);
        painter.fillRect(
            QRect(outer.left() + radius, outer.bottom() - pen + 1, outer.width() - 2 * radius, pen),
            edge);
        painter.fillRect(
            QRect(outer.left(), outer.top() + radius, pen, outer.height() - 2 * radius), edge);
        painter.fillRect(
            QRect(outer.right() - pen + 1, outer.top() + radius, pen, outer.height() - 2 * radius),
            edge);
        const std::array<QRect, 4> corners = CornerSquares(outer, radius);
        for (size_t index = 0; index < corners.size(); ++index) {
            const QRect& square = corners[index];
            if (event->region().intersects(square)) {
                painter.drawPixmap(square.topLeft(), Corner(static_cast<int>(index), radius, pen,
                                                            edge, devicePixelRatioF()));
            }
        }
    }

    // A corner of the frame (0 top left, 1 top right, 2 bottom left, 3 bottom right): a
    // quarter of a ring and its ground, drawn once for each size and look and kept.
    static QPixmap Corner(int index, int radius, int pen, const QColor& edge, qreal ratio)
    {
        const QString key = QStringLiteral("vtx-corner|%1|%2|%3|%4|%5")
                                .arg(index)
                                .arg(radius)
                                .arg(pen)
                                .arg(edge.rgba())
                                .arg(ratio);
        QPixmap corner;
        if (QPixmapCache::find(key, &corner)) {
            return corner;
        }
        corner = BlankPicture(QSize(radius, radius), ratio);
        QPainter painter(&corner);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(edge, pen));
        painter.setBrush(kColumnGround);
        // The whole rounded square, placed so that the wanted quarter falls on the picture.
        const QRectF round =
            QRectF(index % 2 == 0 ? 0 : -radius, index < 2 ? 0 : -radius, 2 * radius, 2 * radius)
                .adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
        painter.drawRoundedRect(round, radius - pen / 2.0, radius - pen / 2.0);
        painter.end();
        QPixmapCache::insert(key, corner);
        return corner;
    }

private:
    QVBoxLayout* m_Layout = nullptr;
};

TFormBoard::TFormBoard(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormBoard"));
    setWindowTitle(tr("Vantorix Board"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    // Shown, it leaves the keyboard with the operator's window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A quarter of a full-HD screen, or as much of a smaller one as it has.
    QSize size(960, 540);
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    }
    resize(size.expandedTo(minimumSize()));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGround);
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    m_Title = NewBoardLabel(QStringLiteral("BoardTitle"), this, kDim);
    layout->addWidget(m_Title, 1);
    m_Grid = new QGridLayout;
    for (int player = 0; player < kMaxSides; ++player) {
        m_Columns[static_cast<size_t>(player)] = new TBoardColumn(player, this);
    }
    PlaceColumns(2);
    layout->addLayout(m_Grid, 12);

    auto* fullScreen = new QAction(tr("Full Screen"), this);
    fullScreen->setObjectName(QStringLiteral("ActionBoardFullScreen"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &TFormBoard::ToggleFullScreen);
    addAction(fullScreen);
    auto* leave = new QAction(tr("Leave Full Screen"), this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leave, &QAction::triggered, this, [this] {
        if (isFullScreen()) {
            ToggleFullScreen();
        }
    });
    addAction(leave);
}

TFormBoard::~TFormBoard() = default;

void TFormBoard::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace)) {
        emit ScoreKey(key, event->text());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormBoard::ToggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void TFormBoard::Show(const TBoardState& state)
{
    if (state == m_State) {
        return;
    }
    m_State = state;
    const int sides =
        std::clamp(state.PlayerCount, 1, 2 + static_cast<int>(state.MoreSides.size()));
    PlaceColumns(sides);
    for (int player = 0; player < sides; ++player) {
        m_Columns[static_cast<size_t>(player)]->SetThrows(state.Side(player).Throws);
    }
    FitTexts();
}

void TFormBoard::PlaceColumns(int sides)
{
    if (sides == m_Placed) {
        return;
    }
    const int perRow = sides <= 4 ? sides : (sides + 1) / 2;
    for (int player = 0; player < kMaxSides; ++player) {
        TBoardColumn* column = m_Columns[static_cast<size_t>(player)];
        m_Grid->removeWidget(column);
        column->setVisible(player < sides);
        if (player < sides) {
            m_Grid->addWidget(column, player / perRow, player % perRow);
        }
    }
    for (int index = 0; index < kMaxSides; ++index) {
        m_Grid->setColumnStretch(index, index < perRow ? 1 : 0);
        m_Grid->setRowStretch(index, index < (sides + perRow - 1) / perRow ? 1 : 0);
    }
    m_Placed = sides;
}

void TFormBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    KeepNormalPlace();
    FitTexts();
}

void TFormBoard::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    KeepNormalPlace();
}

void TFormBoard::KeepNormalPlace()
{
    if (!(windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))) {
        m_NormalPlace = QRect(pos(), size());
    }
}

QRect TFormBoard::NormalPlace() const
{
    return m_NormalPlace.isValid() ? m_NormalPlace : QRect(pos(), size());
}

void TFormBoard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit VisibilityChanged(true);
}

void TFormBoard::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit VisibilityChanged(false);
}

// The fonts follow the room the layout gives each line, so the layout is settled first.
void TFormBoard::FitTexts()
{
    const int margin = std::max(6, std::min(width(), height()) / 40);
    layout()->setContentsMargins(margin, margin / 2, margin, margin);
    layout()->setSpacing(margin);
    for (TBoardColumn* column : m_Columns) {
        column->FitMargins();
    }
    // A pair's thrower line takes its share of the column only when there is one.
    for (int player = 0; player < m_Placed; ++player) {
        const bool pair = player < 2 + static_cast<int>(m_State.MoreSides.size()) &&
                          !m_State.Side(player).Thrower.isEmpty();
        m_Columns[static_cast<size_t>(player)]->Thrower->setVisible(pair);
    }
    layout()->activate();
    for (TBoardColumn* column : m_Columns) {
        column->layout()->activate();
    }
    FitLabel(m_Title, m_State.Title, {}, false);
    const int sides = std::min(m_Placed, std::max(m_State.PlayerCount, 1));
    for (int player = 0; player < sides; ++player) {
        if (player >= 2 && static_cast<size_t>(player - 2) >= m_State.MoreSides.size()) {
            break;
        }
        const TBoardPlayer& shown = m_State.Side(player);
        TBoardColumn& column = *m_Columns[static_cast<size_t>(player)];
        // The name and the lines below keep one size whatever their text: measured on a
        // sample, long texts elided.
        FitLabel(column.Name, shown.Name, QStringLiteral("Wolfgang Mmm"), true, 0.5);
        FitLabel(column.Remainder, shown.Remainder,
                 shown.Remainder.size() > 3 ? QString(shown.Remainder.size(), u'8')
                                            : QStringLiteral("888"),
                 true);
        const QString line = QStringLiteral("Legs 10 \u00B7 Sets 10");
        FitLabel(column.Match, shown.MatchScore, line, false);
        // A longer last turn or route (a cricket turn's darts and marks, the numbers still to
        // close) gives up to half its size before it is elided.
        FitLabel(column.Last, shown.Darts.isEmpty() ? shown.LastTurn : shown.Darts, line,
                 !shown.Darts.isEmpty(), 0.5);
        FitLabel(column.Route, shown.Route, line, true, 0.5);
        FitLabel(column.Thrower, shown.Thrower, QStringLiteral("Wolfgang Mmm"), true, 0.5);
    }
}
