#include "ui/entry/ThrowMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

namespace {

QStyleOptionMenuItem MenuItemOption(const QToolButton& button, const QString& text)
{
    QStyleOptionMenuItem option;
    option.initFrom(&button);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.text = text;
    option.font = button.font();
    option.maxIconWidth = 0;
    const QAction* action = button.defaultAction();
    const bool enabled = action == nullptr || action->isEnabled();
    option.state.setFlag(QStyle::State_Enabled, enabled);
    option.state.setFlag(QStyle::State_Selected, enabled && button.underMouse());
    option.palette.setCurrentColorGroup(enabled ? QPalette::Active : QPalette::Disabled);
    const QFontMetrics metrics(button.font());
    const qsizetype tab = text.indexOf(u'\t');
    option.reservedShortcutWidth = tab < 0 ? 0 : metrics.horizontalAdvance(text.mid(tab + 1)) + 16;
    option.menuRect = button.rect();
    option.rect = button.rect();
    return option;
}

} // namespace

TMenuItemButton::TMenuItemButton(QAction* action, QWidget* parent) : QToolButton(parent)
{
    setDefaultAction(action);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

QString TMenuItemButton::MenuText() const
{
    const QAction* action = defaultAction();
    if (action == nullptr) {
        return text();
    }
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    return keys.isEmpty() ? action->text() : action->text() + u'\t' + keys;
}

QSize TMenuItemButton::sizeHint() const
{
    const QString text = MenuText();
    const QStyleOptionMenuItem option = MenuItemOption(*this, text);
    const QFontMetrics metrics(font());
    const QSize content(metrics.horizontalAdvance(text.section(u'\t', 0, 0)) +
                            option.reservedShortcutWidth,
                        metrics.height());
    return style()->sizeFromContents(QStyle::CT_MenuItem, &option, content, this);
}

bool TMenuItemButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        return true;
    }
    return QToolButton::event(event);
}

void TMenuItemButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QStyleOptionMenuItem option = MenuItemOption(*this, MenuText());
    style()->drawControl(QStyle::CE_MenuItem, &option, &painter, this);
}

QMenu* CreateThrowMenu(QWidget* parent, const std::array<QAction*, 19>& scores,
                       const std::array<QAction*, 3>& outshots)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopupMenuThrow"));
    auto* columns = new QWidget(menu);
    columns->setObjectName(QStringLiteral("PopupMenuThrowColumns"));
    auto* grid = new QGridLayout(columns);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    for (int index = 0; index < static_cast<int>(scores.size()); ++index) {
        auto* button = new TMenuItemButton(scores[static_cast<size_t>(index)], columns);
        QObject::connect(button, &QToolButton::triggered, menu, &QMenu::close);
        grid->addWidget(button, index % 10, index < 10 ? 0 : 2);
    }
    auto* separator = new QFrame(columns);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 0, 1, 10, 1);
    auto* columnsAction = new QWidgetAction(menu);
    columnsAction->setDefaultWidget(columns);
    menu->addAction(columnsAction);
    QMenu* outshot = menu->addMenu(QCoreApplication::translate("TMainActions", "Outshot"));
    outshot->setObjectName(QStringLiteral("PopupMenuOutshot"));
    for (QAction* action : outshots) {
        outshot->addAction(action);
    }
    return menu;
}
