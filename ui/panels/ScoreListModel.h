#pragma once

#include <QAbstractTableModel>

class CGame;
class CPlayerScores;

// One player's score sheet of the current leg as a three-column list: an empty margin column,
// then the turn score and the remainder (the right-hand list shows them mirrored). Rows are
// read from the match on demand; nothing is copied.
class TScoreListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TColumn
    {
        kMarginColumn,
        kInnerColumn,
        kOuterColumn,
        kColumnCount
    };

    TScoreListModel(const CGame& game, int playerIndex, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Brings the rows in line with the sheet: rows added or removed at the end when the same
    // sheet grew or shrank, a reset when the sheet is another one (a new leg or game).
    void Refresh();
    // Shows no rows until the next Refresh (a new game is about to start).
    void Clear();
    // Shows the sheet of another side from the next Refresh on (a list that follows the side
    // chosen among more than two); the columns stay as they were made.
    void SetPlayer(int playerIndex) { m_PlayerIndex = playerIndex; }
    // The column that shows the turn scores.
    int ScoreColumn() const { return Mirrored() ? kOuterColumn : kInnerColumn; }

private:
    const CPlayerScores* Sheet() const;
    bool Mirrored() const { return m_Mirrored; }
    int RemainderColumn() const { return Mirrored() ? kInnerColumn : kOuterColumn; }

    const CGame& m_Game;
    int m_PlayerIndex = 0;
    bool m_Mirrored = false;                     // the right-hand list of two
    const CPlayerScores* m_ShownSheet = nullptr; // compared only, never read through
    int m_ShownRows = 0;
};
