#pragma once

#include "words/BoardState.h"

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class TBoardColumn;

// The board for the room, "Vantorix Board": every side's name (and a pair's thrower to come),
// remainders in the largest digits that fit, the match score, who throws, the last turn and the
// route, light on dark for reading across the room. Every text scales with the window, from 640x360
// to 3840x2160, and what is too long for its place is elided. F11 (and Escape, to leave) switch
// full screen.
class TFormBoard final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 640;
    static constexpr int kMinimumHeight = 360;

    explicit TFormBoard(QWidget* parent = nullptr);
    ~TFormBoard() override;

    void Show(const TBoardState& state);
    const TBoardState& State() const { return m_State; }
    void ToggleFullScreen();
    // Where the window stands (its frame's place, its size) when it is not full screen.
    QRect NormalPlace() const;

signals:
    // Shown or hidden, by the program or by the window's own close button.
    void VisibilityChanged(bool visible);
    // A digit or Backspace typed while the board has the keyboard: it belongs to the
    // scoreboard's Thrown box (Enter and the shortcuts reach the scoreboard's own actions).
    void ScoreKey(int key, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FitTexts();
    void KeepNormalPlace();

    TBoardState m_State;
    QRect m_NormalPlace;
    QLabel* m_Title = nullptr;
    static constexpr int kMaxSides = 8;
    // Lays the columns out for `sides`: two or fewer side by side as always, up to four in a
    // row, more in two rows.
    void PlaceColumns(int sides);

    QGridLayout* m_Grid = nullptr;
    int m_Placed = 0;
    std::array<TBoardColumn*, kMaxSides> m_Columns{};
};
