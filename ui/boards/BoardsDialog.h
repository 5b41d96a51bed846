#pragma once

// "Scoring Boards": the camera system's service (host:port) and the soft-tip board's Bluetooth
// address, each empty for none; Search lists the soft-tip boards nearby, Test shows the next
// dart read with what the boxes hold.

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TBoardsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit TBoardsDialog(QWidget* parent = nullptr);

    void SetBoards(const QString& camera, const QString& soft);
    QString Camera() const;
    QString Soft() const;

    // A board the search found; the search is over (`problem`: why it could not run).
    void AddFound(const QString& address, const QString& name);
    void SearchDone(const QString& problem);
    // What the test read ("T20"), or why it cannot read.
    void ShowTested(const QString& text);

signals:
    void SearchAsked();
    void TestAsked();

private:
    QLineEdit* m_Camera = nullptr;
    QLineEdit* m_Soft = nullptr;
    QPushButton* m_Search = nullptr;
    QListWidget* m_Found = nullptr;
    QLabel* m_Tested = nullptr;
};
