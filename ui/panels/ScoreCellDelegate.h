#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a score cell as plain text on the row's background. The score lists repaint every
// row on every turn, and the style's generic item painting (a text layout with line breaking
// per cell, focus frames, decorations) costs several times more than the cells need; the
// cells hold a few hundred distinct numbers, so their laid-out text is kept and reused.
class TScoreCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& LaidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> m_Texts;
    mutable QFont m_Font;
};
