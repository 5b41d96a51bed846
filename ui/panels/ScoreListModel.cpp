#include "ui/panels/ScoreListModel.h"

#include "model/UnitVTXGameLogic.h"

TScoreListModel::TScoreListModel(const CGame& game, int playerIndex, QObject* parent)
    : QAbstractTableModel(parent), m_Game(game), m_PlayerIndex(playerIndex),
      m_Mirrored(playerIndex == 1)
{}

const CPlayerScores* TScoreListModel::Sheet() const
{
    const CLeg* leg = m_Game.CurrentLeg();
    return leg != nullptr ? leg->GetSheet(m_PlayerIndex) : nullptr;
}

int TScoreListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_ShownRows;
}

int TScoreListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TScoreListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == kOuterColumn
                   ? QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const CPlayerScores* sheet = Sheet();
    const TurnEntry* entry = sheet != nullptr ? sheet->GetEntry(index.row()) : nullptr;
    if (entry == nullptr) {
        return {};
    }
    if (index.column() == RemainderColumn()) {
        return QString::number(entry->Remainder);
    }
    // The opening entry is no turn: it shows only the starting total.
    if (index.column() == ScoreColumn() && index.row() > 0) {
        return QString::number(entry->Score);
    }
    return {};
}

QVariant TScoreListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return section == RemainderColumn() ? tr("Score") : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(section == kOuterColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags TScoreListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TScoreListModel::Refresh()
{
    const CPlayerScores* sheet = Sheet();
    const int rows = sheet != nullptr ? sheet->EntryCount() : 0;
    if (sheet != m_ShownSheet) {
        beginResetModel();
        m_ShownSheet = sheet;
        m_ShownRows = rows;
        endResetModel();
        return;
    }
    const int previousRows = m_ShownRows;
    if (rows > m_ShownRows) {
        beginInsertRows(QModelIndex(), m_ShownRows, rows - 1);
        m_ShownRows = rows;
        endInsertRows();
    } else if (rows < m_ShownRows) {
        beginRemoveRows(QModelIndex(), rows, m_ShownRows - 1);
        m_ShownRows = rows;
        endRemoveRows();
    }
    // A turn taken back and another recorded change the last row; a correction leaves the
    // count as it was and may change every row from the corrected one on.
    if (m_ShownRows > 0) {
        const int first = rows == previousRows ? 0 : m_ShownRows - 1;
        emit dataChanged(index(first, 0), index(m_ShownRows - 1, kColumnCount - 1),
                         {Qt::DisplayRole});
    }
}

void TScoreListModel::Clear()
{
    beginResetModel();
    m_ShownSheet = nullptr;
    m_ShownRows = 0;
    endResetModel();
}
