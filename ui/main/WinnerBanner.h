#pragma once

#include <QLabel>

class QTimer;

// The banner that says who won ("Anna wins the set"): shown for a second over the middle of
// its parent, during which no key or mouse input reaches the program. The pause is a timer, so
// the windows keep painting and no event loop runs inside a match event.
class TWinnerBanner final : public QLabel
{
    Q_OBJECT

public:
    static constexpr int kMilliseconds = 1000;

    explicit TWinnerBanner(QWidget* parent);
    ~TWinnerBanner() override;

    void ShowFor(const QString& text);
    // Shows `format` with its %1 the winner's `name`, a long name elided so that what was won
    // stays readable.
    void ShowWinner(const QString& format, const QString& name);
    void End();
    // True while the banner holds back all keyboard and mouse input.
    bool Blocking() const;

signals:
    void Ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QTimer* m_Timer = nullptr;
};
