#pragma once

#include <QLineEdit>

// A box for a score: at most three digits (the Thrown boxes and the Quick Shot Hint window's
// shot). Typed characters other than digits and Backspace are dropped, pasted text obeys the
// same rule, and key combinations with Ctrl or Alt are left to the window's shortcuts: a plain
// line edit would take some of them (Ctrl+U clears the line on X11) although a Thrown box has
// the focus for most of a match and every shortcut must work from it. A combination that no
// shortcut claims reaches the box as a key press, but never types a character.
class TDigitEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit TDigitEdit(QWidget* parent = nullptr);

signals:
    // Alt+1, Alt+2 or Alt+3 reached the box: no enabled command took it (the checkout cannot
    // be made now), so whoever owns the box may say why.
    void CheckoutChord(int darts);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
