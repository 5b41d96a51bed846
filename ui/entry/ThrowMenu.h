#pragma once

#include <QToolButton>
#include <array>

class QAction;
class QMenu;

// One score of the throw menu, drawn as the style draws a menu item: the caption on the left,
// the shortcut on the right, highlighted under the mouse. A menu cannot break into columns, so
// the scores stand as these buttons in a grid inside it. No tool tip: it would repeat the
// caption.
class TMenuItemButton final : public QToolButton
{
    Q_OBJECT

public:
    explicit TMenuItemButton(QAction* action, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString MenuText() const;
};

// The throw menu: 0..90 in the first column, 100..180 in a second one after a vertical bar,
// then the "Outshot" submenu.
QMenu* CreateThrowMenu(QWidget* parent, const std::array<QAction*, 19>& scores,
                       const std::array<QAction*, 3>& outshots);
