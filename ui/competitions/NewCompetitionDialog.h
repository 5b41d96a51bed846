#pragma once

// "New Competition": its name, its kind (a league once or home and away, a knockout single or
// double, groups then a knockout), the players (one a line; History's players offered) and
// the match format every fixture is played in.

#include "store/CompetitionStore.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class TNewCompetitionDialog final : public QDialog
{
    Q_OBJECT

public:
    TNewCompetitionDialog(const QStringList& knownPlayers, QWidget* parent = nullptr);

    // The competition described, a new id given; Valid() of its shape says whether it can be
    // played (the dialog's OK is refused otherwise, with the reason shown).
    TCompetitionRecord Record() const;
    // Why the competition described cannot be made; empty when it can.
    QString Problem() const;

    void accept() override;

private:
    QStringList Players() const;
    void UpdateKind();

    QLineEdit* m_Name = nullptr;
    QComboBox* m_Kind = nullptr;
    QSpinBox* m_Groups = nullptr;
    QSpinBox* m_PerGroup = nullptr;
    QPlainTextEdit* m_Players = nullptr;
    QComboBox* m_Known = nullptr;
    QComboBox* m_Game = nullptr;
    QSpinBox* m_Legs = nullptr;
    QSpinBox* m_Sets = nullptr;
    QLabel* m_Problem = nullptr;
};
