#pragma once

#include <QFrame>
#include <array>

class CGame;
class QGridLayout;
class TSideCard;

// The sides of a match of more than two at a glance, on the "Default" page beside the one
// panel with the Thrown box: a card per side (CardSide1 ..) with its name, the thrower to come
// for a pair, its remainder in large digits, its last turn, average and legs (and sets) won.
// The side to throw is highlighted. Clicking a card shows that side's score list.
class TSideCards final : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kMaxSides = 8;

    explicit TSideCards(QWidget* parent = nullptr);

    // Lays out the match's sides and shows them as they stand; `throwing` is the side to throw
    // (-1: nobody). Only the cards whose texts change are repainted.
    void Show(const CGame& game, int throwing);
    // The card's texts, for the side `side` (from 0): name, thrower line, remainder, last turn
    // and average, legs (and sets) won.
    QStringList Texts(int side) const;
    // The same lines as painted: cut to the card's width where they do not fit.
    QStringList Shown(int side) const;

signals:
    void SideChosen(int side);

private:
    void Place(int sides);

    QGridLayout* m_Grid = nullptr;
    std::array<TSideCard*, kMaxSides> m_Cards{};
    int m_Placed = 0;
};
