#pragma once

#include <QLineEdit>

class QRegularExpressionValidator;

// A box for a score: at most three digits (or darts, when allowed) (the Thrown boxes and the Quick
// Shot Hint window's shot). Typed characters other than digits and Backspace are dropped, pasted
// text obeys the same rule, and key combinations with Ctrl or Alt are left to the window's
// shortcuts: a plain line edit would take some of them (Ctrl+U clears the line on X11) although a
// Thrown box has the focus for most of a match and every shortcut must work from it. A combination
// that no shortcut claims reaches the box as a key press, but never types a character.
class TDigitEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit TDigitEdit(QWidget* parent = nullptr);

    // Takes a total of up to three digits, or what the turn leaves ("r141", "=141").
    // With darts on the box also takes darts as called ("T20 T20 20", "bull", "m"): letters
    // and spaces as well as digits, up to kDartsLength characters.
    void SetDartsAllowed(bool allowed);
    bool DartsAllowed() const { return m_Darts; }
    static constexpr int kDartsLength = 24;

signals:
    // Alt+1, Alt+2 or Alt+3 reached the box: no enabled command took it (the checkout cannot
    // be made now), so whoever owns the box may say why.
    void CheckoutChord(int darts);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_Darts = false;
    QRegularExpressionValidator* m_Validator = nullptr;
};
