#include "ui/panels/SideCards.h"

#include "model/UnitVTXGameLogic.h"
#include "ui/common/WidgetHelpers.h"
#include "words/MatchFormat.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

} // namespace

// One side's card, painted in one go: no labels and no layout of its own, so that a turn
// repaints the cards it changes and lays nothing out again.
class TSideCard final : public QWidget
{
public:
    enum TLine : size_t
    {
        kName,
        kThrower,
        kRemainder,
        kFigures,
        kMatch,
        kLineCount
    };
    using TTexts = std::array<QString, kLineCount>;

    TSideCard(int side, QWidget* parent) : QWidget(parent), m_Side(side)
    {
        setObjectName(QStringLiteral("CardSide%1").arg(side + 1));
        setMinimumSize(60, 60);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }

    void Set(const TTexts& texts, bool throwing)
    {
        if (texts == m_Texts && throwing == m_Throwing) {
            return;
        }
        for (size_t line = 0; line < kLineCount; ++line) {
            if (texts[line] != m_Texts[line]) {
                m_Texts[line] = texts[line];
                Elide(line);
            }
        }
        m_Throwing = throwing;
        setToolTip(texts[kName]);
        update();
    }
    const TTexts& Texts() const { return m_Texts; }
    const TTexts& Shown() const { return m_Shown; }

    std::function<void(int)> Chosen;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        Fit();
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPalette& colours = palette();
        painter.fillRect(rect(),
                         colours.color(m_Throwing ? QPalette::Highlight : QPalette::Window));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(
            colours.color(m_Throwing ? QPalette::HighlightedText : QPalette::WindowText));
        for (size_t line = 0; line < kLineCount; ++line) {
            painter.setFont(m_Faces[line]);
            painter.drawText(m_Boxes[line], Qt::AlignCenter, m_Shown[line]);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && Chosen) {
            Chosen(m_Side);
        }
        QWidget::mousePressEvent(event);
    }

private:
    // Where each line goes and what it shows, cut to its box: worked out when the texts or
    // the size change, never while painting. Name and thrower at the top, figures and match at
    // the foot, the remainder between in the largest digits the card leaves room for.
    void Fit()
    {
        const QRect area = rect().adjusted(4, 2, -4, -2);
        const int lineHeight = fontMetrics().height();
        m_Bold = font();
        m_Bold.setBold(true);
        m_Boxes[kName] = QRect(area.left(), area.top(), area.width(), lineHeight);
        m_Boxes[kThrower] = QRect(area.left(), area.top() + lineHeight, area.width(), lineHeight);
        m_Boxes[kFigures] =
            QRect(area.left(), area.bottom() - 2 * lineHeight + 1, area.width(), lineHeight);
        m_Boxes[kMatch] =
            QRect(area.left(), area.bottom() - lineHeight + 1, area.width(), lineHeight);
        m_Boxes[kRemainder] = QRect(area.left(), area.top() + 2 * lineHeight, area.width(),
                                    std::max(area.height() - 4 * lineHeight, 1));
        m_Large = m_Bold;
        m_Large.setPixelSize(std::clamp(
            std::min(m_Boxes[kRemainder].height() * 3 / 4, m_Boxes[kRemainder].width() / 3), 10,
            200));
        for (size_t line = 0; line < kLineCount; ++line) {
            Elide(line);
        }
    }

    // A line wider than its box is set smaller, down to three quarters of its size (a longer
    // language's figures on a narrow card), and cut only when even that does not fit.
    void Elide(size_t line)
    {
        QFont& face = m_Faces[line];
        face = line == kName ? m_Bold : line == kRemainder ? m_Large : font();
        const QString& text = m_Texts[line];
        const int room = m_Boxes[line].width();
        m_Shown[line] = QFontMetrics(face).elidedText(text, Qt::ElideRight, room);
        if (line == kRemainder || face.pointSizeF() <= 0) {
            return;
        }
        const qreal size = face.pointSizeF();
        for (qreal scale = 0.9; scale > 0.7 && m_Shown[line] != text; scale -= 0.05) {
            face.setPointSizeF(size * scale);
            m_Shown[line] = QFontMetrics(face).elidedText(text, Qt::ElideRight, room);
        }
    }

    int m_Side = 0;
    TTexts m_Texts;
    TTexts m_Shown;
    std::array<QRect, kLineCount> m_Boxes{};
    QFont m_Bold;
    QFont m_Large;
    std::array<QFont, kLineCount> m_Faces;
    bool m_Throwing = false;
};

TSideCards::TSideCards(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelSides"));
    m_Grid = new QGridLayout(this);
    m_Grid->setContentsMargins(4, 4, 4, 4);
    m_Grid->setSpacing(4);
    for (int side = 0; side < kMaxSides; ++side) {
        auto* card = new TSideCard(side, this);
        card->Chosen = [this](int chosen) { emit SideChosen(chosen); };
        card->hide();
        m_Cards[static_cast<size_t>(side)] = card;
    }
}

// Two columns, as many rows as the sides need: four sides in two rows, eight in four.
void TSideCards::Place(int sides)
{
    if (sides == m_Placed) {
        return;
    }
    for (int side = 0; side < kMaxSides; ++side) {
        TSideCard* card = m_Cards[static_cast<size_t>(side)];
        m_Grid->removeWidget(card);
        card->setVisible(side < sides);
        if (side < sides) {
            m_Grid->addWidget(card, side / 2, side % 2);
        }
    }
    for (int row = 0; row < kMaxSides / 2; ++row) {
        m_Grid->setRowStretch(row, row < (sides + 1) / 2 ? 1 : 0);
    }
    m_Placed = sides;
}

void TSideCards::Show(const CGame& game, int throwing)
{
    const TGameParams& params = game.Params();
    const int sides = std::min<int>(params.PlayerCount, kMaxSides);
    Place(sides);
    const CLeg* leg = game.CurrentLeg();
    const int legIndex = game.LegCount() - 1;
    for (int side = 0; side < sides; ++side) {
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(side) : nullptr;
        TSideCard::TTexts texts;
        texts[TSideCard::kName] = QString::fromStdString(game.PlayerName(side));
        // A pair names its thrower to come, the side to throw says so.
        QString thrower;
        if (params.TeamSize == 2 && sheet != nullptr && !sheet->Won()) {
            thrower = QString::fromStdString(
                game.ThrowerName(side, game.ThrowerFor(legIndex, sheet->EntryCount())));
        }
        if (side == throwing) {
            thrower = thrower.isEmpty() ? tr("to throw") : tr("%1 to throw").arg(thrower);
        }
        texts[TSideCard::kThrower] = thrower;
        if (sheet != nullptr && sheet->LastEntry() != nullptr) {
            texts[TSideCard::kRemainder] = QString::number(sheet->LastEntry()->Remainder);
        }
        const TPlayerStats stats = game.GetPlayerStats(side);
        QString figures = sheet != nullptr && sheet->EntryCount() > 1
                              ? QCoreApplication::translate("TSideCards", "Last %1")
                                        .arg(sheet->LastEntry()->Score) +
                                    kDot
                              : QString();
        texts[TSideCard::kFigures] = figures + QCoreApplication::translate("TSideCards", "Avg %1")
                                                   .arg(Decimal2(stats.DartAverage * 3.0));
        const QString match = MatchScoreText(game, side);
        texts[TSideCard::kMatch] =
            match.isEmpty()
                ? QCoreApplication::translate("TSideCards", "Legs %1").arg(stats.LegsWon)
                : match;
        m_Cards[static_cast<size_t>(side)]->Set(texts, side == throwing);
    }
}

QStringList TSideCards::Texts(int side) const
{
    if (side < 0 || side >= m_Placed) {
        return {};
    }
    const TSideCard::TTexts& texts = m_Cards[static_cast<size_t>(side)]->Texts();
    return QStringList(texts.begin(), texts.end());
}

QStringList TSideCards::Shown(int side) const
{
    if (side < 0 || side >= m_Placed) {
        return {};
    }
    const TSideCard::TTexts& shown = m_Cards[static_cast<size_t>(side)]->Shown();
    return QStringList(shown.begin(), shown.end());
}
