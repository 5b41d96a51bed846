#pragma once

// A fixture's result given by hand (a walkover, a match played elsewhere): the legs of each
// player and the reason, which is kept with it.

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

class TFixtureResultDialog final : public QDialog
{
    Q_OBJECT

public:
    TFixtureResultDialog(const QString& home, const QString& away, bool mayDraw,
                         QWidget* parent = nullptr);

    int HomeLegs() const;
    int AwayLegs() const;
    QString Reason() const;
    void accept() override;

private:
    QSpinBox* m_Home = nullptr;
    QSpinBox* m_Away = nullptr;
    QLineEdit* m_Reason = nullptr;
    QLabel* m_Problem = nullptr;
    bool m_MayDraw;
};
