#pragma once

#include <QDialog>
#include <memory>

class CCheckoutTable;
class QLineEdit;
class QListWidget;
class QToolButton;

// Fills `list` with the routes the table gives for `score`, the first one selected. Without a
// table the list keeps what it shows.
void FillHints(QListWidget& list, const CCheckoutTable* table, int score);

// The checkout table in the file at `path` as the operator named it; none when it cannot be
// used, and `problem` says why ("was not found", "is not a regular file", "cannot be read").
std::unique_ptr<CCheckoutTable> OpenCheckoutFile(const QString& path, QString& problem);

// "Quick Shot Hint": a small tool window that stays on top. Any total typed into EditShot
// shows at once whether it can be finished, with how many darts, and the table's routes.
// Closing only hides it.
class TFormHint final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxShot = 180;

    explicit TFormHint(QWidget* parent = nullptr);
    // The window of the program's start: its contents are made when it is first shown (or by
    // BuildContents), not before the New Game dialog is on screen.
    struct TContentsLater
    {};
    TFormHint(TContentsLater, QWidget* parent = nullptr);
    void BuildContents();

    // The table the routes come from (owned by the main window); none: the list is left alone.
    void SetCheckoutTable(const CCheckoutTable* table);

    // The verdict text for a total, as EditOutshot shows it.
    static QString Verdict(int score);

    // Where the window is, or, until it has been shown or moved, where it will first open:
    // centred on the screen of its parent.
    QPoint Place() const;

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void EditShotChange();
    void Step(int delta);

    const CCheckoutTable* m_Table = nullptr;
    QLineEdit* m_EditShot = nullptr;
    QLineEdit* m_EditOutshot = nullptr;
    QListWidget* m_ListBoxHints = nullptr;
};
