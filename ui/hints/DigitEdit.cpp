#include "ui/hints/DigitEdit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

bool IsAcceptedCharacter(QChar character, bool darts)
{
    // r, R and = lead what a turn leaves ("r141") in either mode.
    return (character >= u'0' && character <= u'9') || character == u'\b' || character == u'r' ||
           character == u'R' || character == u'=' ||
           (darts && ((character >= u'a' && character <= u'z') ||
                      (character >= u'A' && character <= u'Z') || character == u' '));
}

// A total of up to three digits, or what the turn leaves after r, R or =.
QString TotalPattern()
{
    return QStringLiteral("[rR=]?[0-9]{0,3}");
}
constexpr int kTotalLength = 4;

} // namespace

TDigitEdit::TDigitEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(kTotalLength);
    m_Validator = new QRegularExpressionValidator(QRegularExpression(TotalPattern()), this);
    setValidator(m_Validator);
}

void TDigitEdit::SetDartsAllowed(bool allowed)
{
    if (allowed == m_Darts) {
        return;
    }
    m_Darts = allowed;
    clear();
    setMaxLength(allowed ? kDartsLength : kTotalLength);
    m_Validator->setRegularExpression(QRegularExpression(
        allowed ? QStringLiteral("[0-9A-Za-z =]{0,%1}").arg(kDartsLength) : TotalPattern()));
}

bool TDigitEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TDigitEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool printable = !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\b');
    const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    // A chord that no shortcut took (Alt+1 while that outshot is disabled, Alt+5) must not
    // type its digit: the operator meant a command, and a stray digit becomes a wrong score.
    // Editing chords (Ctrl+A, Ctrl+V, Ctrl+Backspace) carry no printable text and still work.
    if (printable && (chord || !IsAcceptedCharacter(text.at(0), m_Darts))) {
        event->accept(); // dropped
        const int key = event->key();
        if (event->modifiers() == Qt::AltModifier && key >= Qt::Key_1 && key <= Qt::Key_3) {
            emit CheckoutChord(key - Qt::Key_0);
        }
        return;
    }
    QLineEdit::keyPressEvent(event);
}
