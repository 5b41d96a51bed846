#pragma once

#include <QFrame>

class QLabel;

// A strip under the page for what the operator should know but need not answer: a settings
// file that could not be used, a missing checkout table. It never takes the keyboard, so play
// goes on while it is shown; its close button (or a click on it) dismisses every line.
class TNoticeBar final : public QFrame
{
    Q_OBJECT

public:
    explicit TNoticeBar(QWidget* parent = nullptr);

    // Adds a line (a line already shown is not repeated) and shows the strip.
    void AddNotice(const QString& line);
    QStringList Notices() const { return m_Lines; }
    void Dismiss();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_Text = nullptr;
    QStringList m_Lines;
};
