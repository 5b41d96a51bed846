#pragma once

// A dartboard to tap darts on (drawn, no image files), for a touch screen at the board or a
// mouse: a tap on a bed is that dart, off the board a miss. It scales with its window; under
// it Miss, Back (the last dart typed goes) and Enter (the turn is recorded).

#include "model/UnitVTXGameLogic.h"

#include <QWidget>

class TDartPad final : public QWidget
{
    Q_OBJECT

public:
    explicit TDartPad(QWidget* parent = nullptr);

    // The dart a tap at `position` (in the pad's pixels) is.
    TDart DartAt(QPointF position) const;
    // The pad's pixel at the middle of `dart`'s bed.
    QPointF PositionOf(const TDart& dart) const;

    QSize sizeHint() const override;

signals:
    void DartChosen(const TDart& dart);
    void BackChosen();
    void EnterChosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The board's centre and pixels per millimetre, in the room above the buttons.
    QPointF Centre() const;
    double Scale() const;

    QWidget* m_Buttons = nullptr;
};
