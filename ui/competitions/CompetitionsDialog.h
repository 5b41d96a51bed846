#pragma once

// "Competitions" (F9): the competitions this board knows (its own, or the club's), and for the
// one chosen its fixtures with the order of play and the boards, its standings with each
// player's figures in it, and its bracket. Play starts a fixture here; a fixture can be played
// again or given its result by hand. It shows what it is given and asks for the rest.

#include "store/CompetitionSnapshot.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;
class TBracketView;

class TCompetitionsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit TCompetitionsDialog(QWidget* parent = nullptr);

    // Shows `snapshot` as this board (`board`) sees it, the choices kept where they still are.
    void Show(const TCompetitionSnapshot& snapshot, const QString& board);
    void SetStatus(const QString& text);
    QString SelectedCompetition() const;
    // The fixture of the selected row, -1 for none.
    int32_t SelectedFixture() const;
    void SelectCompetition(const QString& id);
    void SelectFixture(int32_t number);

signals:
    void NewAsked();
    // Play the fixture on this board (again, when it has a result: `reason` says why), taking
    // it over from the board that has it when `takeOver`.
    void PlayAsked(const QString& competition, int32_t fixture, const QString& reason,
                   bool takeOver);
    void ResultGiven(const QString& competition, int32_t fixture, int32_t homeLegs,
                     int32_t awayLegs, const QString& reason);

private:
    void ShowCompetition();
    void UpdateButtons();
    void Play();
    void GiveResult();

    TCompetitionSnapshot m_Snapshot;
    QString m_Board;
    QComboBox* m_Competitions = nullptr;
    QLabel* m_Status = nullptr;
    QTabWidget* m_Tabs = nullptr;
    QTableWidget* m_Fixtures = nullptr;
    QTableWidget* m_Standings = nullptr;
    TBracketView* m_Bracket = nullptr;
    QPushButton* m_Play = nullptr;
    QPushButton* m_Result = nullptr;
};
