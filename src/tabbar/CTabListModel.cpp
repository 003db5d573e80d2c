#include "CTabListModel.h"

CTabListModel::CTabListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

CTabListModel::~CTabListModel()
{
    qDeleteAll(entries);
}

QModelIndex CTabListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= entries.size())
        return QModelIndex();
    return createIndex(row, column, entries.at(row));
}

int CTabListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : entries.size();
}

QVariant CTabListModel::data(const QModelIndex& index, int role) const
{
    // The caption is also what a screen reader says for the row.
    if (!index.isValid() || (role != CaptionRole && role != Qt::AccessibleTextRole) || index.row() >= entries.size())
        return QVariant();
    return entries.at(index.row())->value;
}

bool CTabListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != CaptionRole || index.row() >= entries.size())
        return false;
    entries[index.row()]->value = value;
    return true;
}

bool CTabListModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > entries.size() || count < 1)
        return false;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i)
        entries.insert(row + i, new Entry);
    endInsertRows();
    return true;
}

bool CTabListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row >= entries.size() || count < 1)
        return false;
    count = qMin(count, entries.size() - row);
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i)
        delete entries.takeAt(row);
    endRemoveRows();
    return true;
}

bool CTabListModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                             const QModelIndex& destinationParent, int destinationChild)
{
    if (sourceParent != destinationParent || sourceRow < 0 || destinationChild < 0 || count < 1
        || sourceRow + count > entries.size())
        return false;
    // A removal followed by an insertion, so views simply refresh the rows.
    beginRemoveRows(QModelIndex(), sourceRow, sourceRow + count - 1);
    QList<Entry*> moved;
    for (int i = 0; i < count; ++i)
        moved << entries.takeAt(sourceRow);
    endRemoveRows();
    const int target = qMin(destinationChild, entries.size());
    beginInsertRows(QModelIndex(), target, target + count - 1);
    for (int i = 0; i < count; ++i)
        entries.insert(target + i, moved.at(i));
    endInsertRows();
    return true;
}

void CTabListModel::NotifyRowChanged(const QModelIndex& index)
{
    if (index.isValid())
        emit dataChanged(index, index);
}
