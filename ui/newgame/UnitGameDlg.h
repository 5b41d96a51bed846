#pragma once

#include "model/UnitVTXGameLogic.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QStringList>
#include <array>

class QCheckBox;
class QLabel;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the dialog shows: the choices it keeps between showings and the settings file holds.
struct TNewGameChoices
{
    int GameType = -1; // index into the list of games; -1: none chosen yet
    bool TwoPlayers = true;
    QString Player1Name;
    QString Player2Name;
    bool Player1Starts = true;
    int LegsToWin = 0; // 0: legs go on until a new game
    int SetsToWin = 0; // 0: no sets
    // Sides beyond two, pairs and handicaps. Players up to 2: TwoPlayers decides.
    int Players = 0;
    QStringList MorePlayerNames; // sides 3..8, as typed
    bool Pairs = false;
    QStringList ThrowerNames; // two per side, side by side, as typed
    // The start score of each side when a handicap is set; empty: none.
    QList<int> StartScores;
    // The side that starts, when it is beyond the second; -1: Player1Starts decides.
    int Starter = -1;
    // The average the computer throws each side at; 0 (or none): a person.
    QList<int> ComputerAverages;
    // "Enter darts": turns are typed dart by dart.
    bool EnterDarts = false;
};

// The New Game dialog: game, one or two players, who starts, names. Created once; it keeps its
// choices between showings. exec() answers one of the three results below.
class TNewGameDialog final : public QDialog
{
    Q_OBJECT

public:
    enum TResult
    {
        kResultStart = 1,
        kResultCancel = 2,
        kResultExit = 3,
        kResultResume = 4
    };

    static constexpr int kGameCount = 15;
    static constexpr int kMaxMatchLength = 99;
    // The longest name a player can be given (longer ones are cut where they come in).
    static constexpr int kNameLength = 64;
    static constexpr int kMaxPlayers = 8;
    static constexpr int kMaxStartScore = 9999;
    // The computer's average when a side is first made the computer's.
    static constexpr int kDefaultComputerAverage = 60;

    explicit TNewGameDialog(QWidget* parent = nullptr);

    // The match the current choices describe (names defaulted, rules of the chosen game).
    TGameParams GameParams() const;
    QString GameTitle() const;
    // The stored (English) name of the game at `index` of the list, 0 .. kGameCount - 1.
    static QString GameTitleOf(int index);

    TNewGameChoices Choices() const;
    // Puts the choices into the controls; a game index outside the list is left alone, and a
    // second player cannot start a one-player game.
    void SetChoices(const TNewGameChoices& choices);

    // Offers to resume the match described ("Anna v Ben · Standard 501 · Leg 3 · 1-1") with
    // the Resume button; an empty text takes the offer back.
    void SetResumable(const QString& description);

    // Esc and the window's close button mean Cancel.
    void reject() override;
    void setVisible(bool visible) override;

signals:
    // Once, just after the dialog's first paint has reached the screen: the moment the
    // operator sees the program, after which the rest of it is made.
    void FirstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Whether the chosen game ends its legs (the points game does not).
    bool GameHasLegs() const;
    // Sized to its contents and centred on the scoreboard's screen, within it.
    void PlaceOnScreen();
    void EnableMatchLength();
    void CheckBox2PlayersClick();
    void EnableSecondPlayer();
    void UpdateStarterTabStop();
    // Shows the rows of the sides in play, the throwers' boxes for pairs and the start scores
    // for a handicap; keeps "2 Players" and the Players box saying the same.
    void ShowSides();
    void MakeSideRows();
    int SideCount() const;
    int Starter() const;

    struct TSideRow
    {
        QRadioButton* Starts = nullptr;
        QLineEdit* Name = nullptr;
        std::array<QLineEdit*, 2> Throwers{};
        QSpinBox* StartScore = nullptr;
        QCheckBox* Computer = nullptr;
        QSpinBox* Average = nullptr;
    };
    // The computer's check box and average of side `side` (0..7).
    void MakeComputerBoxes(int side);
    // Narrows the names' boxes until the dialog fits `available` pixels of the screen's width.
    void FitWidth(int available);

    QComboBox* m_ComboBoxGame = nullptr;
    QCheckBox* m_CheckBox2Players = nullptr;
    QRadioButton* m_RadioButtonPlayer1 = nullptr;
    QRadioButton* m_RadioButtonPlayer2 = nullptr;
    QLineEdit* m_EditPlayer1Name = nullptr;
    QLineEdit* m_EditPlayer2Name = nullptr;
    QSpinBox* m_SpinBoxLegsToWin = nullptr;
    QSpinBox* m_SpinBoxSetsToWin = nullptr;
    QPushButton* m_ButtonResume = nullptr;
    QSpinBox* m_SpinPlayers = nullptr;
    QCheckBox* m_CheckBoxPairs = nullptr;
    QCheckBox* m_CheckBoxHandicap = nullptr;
    QCheckBox* m_CheckBoxDarts = nullptr;
    std::array<QLabel*, 3> m_SideHeaders{};
    std::array<TSideRow, kMaxPlayers> m_Sides{};
    QGridLayout* m_Grid = nullptr;
    bool m_SidesMade = false;
    bool m_Painted = false;
};

// "Courier New", or the system's fixed-width face where it is not installed.
QFont CourierFont();
