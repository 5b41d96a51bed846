#pragma once

#include <QDialog>

class CMatchStore;
class QComboBox;
class QLabel;
class QSqlQueryModel;
class QTableView;

// "History": the stored matches, newest first (date and time, players, game and format,
// result, each player's 3-dart average), listed by a model over a query, so thousands show at
// once. A match can be opened (its statistics page, read-only), exported as CSV or deleted
// (after a question); below, one player's figures over every stored match and the chart
// ChartPlayerHistory of their 3-dart average in each match over time. A match that is not won
// can be resumed.
class THistoryDialog final : public QDialog
{
    Q_OBJECT

public:
    THistoryDialog(CMatchStore& store, QWidget* parent = nullptr);

    // The id of the selected match, 0 when none is.
    int64_t SelectedMatch() const;
    void SelectRow(int row);
    int MatchCount() const;

    void OpenSelected();
    void ExportSelected();
    // Deletes the selected match after asking; the match in play is refused, with the reason.
    void DeleteSelected();
    // Closes History to go on with the selected match (ButtonResume, Alt+R): any match that is
    // not won, but the one in play.
    void ResumeSelected();
    // The match chosen with Resume, 0 when none was.
    int64_t ResumeMatch() const { return m_ResumeMatch; }
    void ShowPlayer(const QString& name);

private:
    void Reload();
    bool CanResume(int64_t id) const;
    void UpdateButtons();

    CMatchStore& m_Store;
    QSqlQueryModel* m_Model = nullptr;
    QTableView* m_Table = nullptr;
    QComboBox* m_Players = nullptr;
    QLabel* m_PlayerFigures = nullptr;
    QWidget* m_PlayerChart = nullptr;
    class QPushButton* m_Resume = nullptr;
    int64_t m_ResumeMatch = 0;
};

// Asks where to, then writes the CSV of the match; a failure is said in a box.
void ExportMatchAsCsv(QWidget* parent, const QByteArray& csv, const QString& suggestedName);
