#include "ui/panels/ScoreCellDelegate.h"

#include <QPainter>

namespace {

constexpr int kMargin = 4;
constexpr qsizetype kMaxCachedTexts = 4096;

} // namespace

const QStaticText& TScoreCellDelegate::LaidOut(const QString& text, const QFont& font) const
{
    if (font != m_Font || m_Texts.size() > kMaxCachedTexts) {
        m_Texts.clear();
        m_Font = font;
    }
    auto found = m_Texts.find(text);
    if (found == m_Texts.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), font);
        found = m_Texts.insert(text, laidOut);
    }
    return *found;
}

void TScoreCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return;
    }
    const QStaticText& laidOut = LaidOut(text, option.font);
    const QSizeF size = laidOut.size();
    const QRect area = option.rect.adjusted(kMargin, 0, -kMargin, 0);
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const qreal x =
        alignment.testFlag(Qt::AlignRight) ? area.right() + 1 - size.width() : area.left();
    const qreal y = area.top() + (area.height() - size.height()) / 2.0;
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(QPointF(x, y), laidOut);
}
