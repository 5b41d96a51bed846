#pragma once

#include <QLineEdit>

// The "Thrown" box: at most three digits. Typed characters other than digits and Backspace are
// dropped, and key combinations with Ctrl or Alt are left to the window's shortcuts: a plain
// line edit would take some of them (Ctrl+U clears the line on X11) although the box has the
// focus for most of a match and every shortcut must work from it. A combination that no
// shortcut claims still reaches the box as a key press.
class TThrowEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit TThrowEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
