#include "SideCards.h"

#include "MatchFormat.h"
#include "UnitVTXGameLogic.h"
#include "WidgetHelpers.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

QLabel* CardLabel(const QString& name, QWidget* parent, QObject* resizeWatcher)
{
    QLabel* label = NewLabel(name, QString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    // A long text ends in "…" instead of widening the card.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->installEventFilter(resizeWatcher); // cut again to its new width
    return label;
}

// `text` cut with "…" to the label's width; the whole text stays in the tool tip.
void SetElided(QLabel& label, const QString& text)
{
    label.setToolTip(text);
    if (!label.isVisible()) {
        label.setText(text); // cut when it is laid out and shown
        return;
    }
    label.setText(
        label.fontMetrics().elidedText(text, Qt::ElideRight, std::max(label.width() - 4, 20)));
}

} // namespace

TSideCards::TSideCards(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelSides"));
    m_Grid = new QGridLayout(this);
    m_Grid->setContentsMargins(4, 4, 4, 4);
    m_Grid->setSpacing(4);
    for (int side = 0; side < kMaxSides; ++side) {
        TCard& card = m_Cards[static_cast<size_t>(side)];
        const QString number = QString::number(side + 1);
        card.Frame = new QFrame(this);
        card.Frame->setObjectName(QStringLiteral("CardSide") + number);
        card.Frame->setFrameShape(QFrame::StyledPanel);
        card.Frame->setAutoFillBackground(true);
        card.Frame->installEventFilter(this);
        auto* layout = new QVBoxLayout(card.Frame);
        layout->setContentsMargins(4, 2, 4, 2);
        layout->setSpacing(0);
        card.Name = CardLabel(QStringLiteral("LabelSideName") + number, card.Frame, this);
        QFont bold = card.Name->font();
        bold.setBold(true);
        card.Name->setFont(bold);
        card.Thrower = CardLabel(QStringLiteral("LabelSideThrower") + number, card.Frame, this);
        card.Remainder = CardLabel(QStringLiteral("LabelSideRemainder") + number, card.Frame, this);
        QFont large = bold;
        large.setPixelSize(30);
        card.Remainder->setFont(large);
        card.Figures = CardLabel(QStringLiteral("LabelSideFigures") + number, card.Frame, this);
        card.Match = CardLabel(QStringLiteral("LabelSideMatch") + number, card.Frame, this);
        layout->addWidget(card.Name);
        layout->addWidget(card.Thrower);
        layout->addWidget(card.Remainder, 1);
        layout->addWidget(card.Figures);
        layout->addWidget(card.Match);
        card.Frame->hide();
    }
}

// Two columns, as many rows as the sides need: four sides in two rows, eight in four.
void TSideCards::Place(int sides)
{
    if (sides == m_Placed) {
        return;
    }
    for (int side = 0; side < kMaxSides; ++side) {
        QFrame* frame = m_Cards[static_cast<size_t>(side)].Frame;
        m_Grid->removeWidget(frame);
        frame->setVisible(side < sides);
        if (side < sides) {
            m_Grid->addWidget(frame, side / 2, side % 2);
        }
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
        const TCard& card = m_Cards[static_cast<size_t>(side)];
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(side) : nullptr;
        SetElided(*card.Name, QString::fromStdString(game.PlayerName(side)));
        // A pair names its thrower to come, the side to throw says so.
        QString thrower;
        if (params.TeamSize == 2 && sheet != nullptr && !sheet->Won()) {
            thrower = QString::fromStdString(
                game.ThrowerName(side, game.ThrowerFor(legIndex, sheet->EntryCount())));
        }
        if (side == throwing) {
            thrower = thrower.isEmpty() ? QStringLiteral("to throw")
                                        : thrower + QStringLiteral(" to throw");
        }
        SetElided(*card.Thrower, thrower);
        card.Remainder->setText(sheet != nullptr && sheet->LastEntry() != nullptr
                                    ? QString::number(sheet->LastEntry()->Remainder)
                                    : QString());
        const TPlayerStats stats = game.GetPlayerStats(side);
        QString figures = sheet != nullptr && sheet->EntryCount() > 1
                              ? QStringLiteral("Last %1").arg(sheet->LastEntry()->Score) + kDot
                              : QString();
        figures += QStringLiteral("Avg %1").arg(Decimal2(stats.DartAverage * 3.0));
        SetElided(*card.Figures, figures);
        const QString match = MatchScoreText(game, side);
        SetElided(*card.Match,
                  match.isEmpty() ? QStringLiteral("Legs %1").arg(stats.LegsWon) : match);
        // The side to throw in the highlight colours, the others as the window.
        QPalette colours = palette();
        if (side == throwing) {
            colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
            colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
        }
        card.Frame->setPalette(colours);
    }
}

QStringList TSideCards::Texts(int side) const
{
    if (side < 0 || side >= m_Placed) {
        return {};
    }
    const TCard& card = m_Cards[static_cast<size_t>(side)];
    return {card.Name->toolTip(), card.Thrower->toolTip(), card.Remainder->text(),
            card.Figures->toolTip(), card.Match->toolTip()};
}

void TSideCards::SetShownSide(int side)
{
    for (int index = 0; index < kMaxSides; ++index) {
        QFrame& frame = *m_Cards[static_cast<size_t>(index)].Frame;
        frame.setFrameShape(index == side ? QFrame::Box : QFrame::StyledPanel);
        frame.setLineWidth(index == side ? 2 : 1);
    }
}

bool TSideCards::eventFilter(QObject* watched, QEvent* event)
{
    // The remainder takes the largest digits its card leaves room for.
    if (event->type() == QEvent::Resize) {
        for (const TCard& card : m_Cards) {
            if (watched == card.Frame) {
                const QSize size = card.Frame->size();
                QFont large = card.Remainder->font();
                large.setPixelSize(
                    std::clamp(std::min(size.height() * 3 / 10, size.width() / 4), 14, 200));
                card.Remainder->setFont(large);
            }
        }
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label != nullptr && !label->toolTip().isEmpty()) {
            label->setText(label->fontMetrics().elidedText(label->toolTip(), Qt::ElideRight,
                                                           std::max(label->width() - 4, 20)));
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int side = 0; side < m_Placed; ++side) {
            if (watched == m_Cards[static_cast<size_t>(side)].Frame) {
                emit SideChosen(side);
                break;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
