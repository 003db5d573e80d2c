#include "CFileListModel.h"

#include "CRecentManager.h"
#include "CThumbnailCache.h"
#include "RecentKeys.h"

CFileListModel::CFileListModel(QObject* parent)
    : QAbstractListModel(parent)
{
    connect(CThumbnailCache::getInstance(), &CThumbnailCache::SignalImageReady, this,
            &CFileListModel::SlotThumbnailReady);
}

CFileListModel::~CFileListModel()
{
    qDeleteAll(rows);
}

QModelIndex CFileListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent) || parent.isValid() || column != 0 || row < 0 || row >= rows.size())
        return QModelIndex();
    return createIndex(row, column, rows.at(row));
}

int CFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant CFileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    // The file's name is its tooltip and what a screen reader says for it.
    if (role != RecentInfoRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return QVariant();
    RecentRow* row = rows.at(index.row());
    if (!row->loaded && store) {
        row->info = store->GetItemInfo(index.row());
        row->loaded = true;
    }
    if (role == RecentInfoRole)
        return row->info;
    return row->info.value(RecentKey::kFileName);
}

bool CFileListModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > rows.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        rows.insert(row, new RecentRow);
    endInsertRows();
    return true;
}

bool CFileListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row >= rows.size() || count < 1)
        return false;
    count = qMin(count, rows.size() - row);
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        delete rows.takeAt(row);
    endRemoveRows();
    return true;
}

void CFileListModel::SetRecentManager(CRecentManager* manager)
{
    store = manager;
    connect(store, &CRecentManager::SignalRecentItemAdded, this, &CFileListModel::SlotItemAdded);
    connect(store, &CRecentManager::SignalRecentItemDeleted, this, &CFileListModel::SlotItemDeleted);
    connect(store, &CRecentManager::SignalRecentItemChanged, this, &CFileListModel::SlotItemChanged);
    connect(store, &CRecentManager::SignalRecentRemoveAll, this, &CFileListModel::SlotRecentRemoveAll);
    for (int i = 0; i < store->Count(); ++i)
        rows.append(new RecentRow);
}

void CFileListModel::RemoveRecordAt(const QModelIndex& index)
{
    if (index.isValid() && store)
        store->RemoveRecord(index.row());
}

void CFileListModel::RemoveRecordByPath(const QString& path)
{
    RemoveRecordAt(IndexOfPath(path));
}

void CFileListModel::ClearRecords()
{
    if (store)
        store->RemoveAllRecords();
}

void CFileListModel::TogglePin(const QModelIndex& index)
{
    if (!index.isValid() || !store)
        return;
    const bool pinned = data(index, RecentInfoRole).toMap().value(RecentKey::kPin).toBool();
    store->SetPinned(index.row(), !pinned);
}

void CFileListModel::RenameRecordAt(const QModelIndex& index, const QString& newPath)
{
    if (index.isValid() && store)
        store->RenameRecord(index.row(), newPath);
}

QModelIndex CFileListModel::IndexOfPath(const QString& path) const
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i)->loaded && rows.at(i)->info.value(OpenKey::kPath).toString() == path)
            return index(i, 0);
    }
    return QModelIndex();
}

bool CFileListModel::IsRowLoaded(int row) const
{
    return row >= 0 && row < rows.size() && rows.at(row)->loaded;
}

void CFileListModel::SlotItemAdded(int nIndex, const QString& filePath)
{
    Q_UNUSED(nIndex);
    Q_UNUSED(filePath);
    insertRow(0);
    emit SignalItemCountChanged();
}

void CFileListModel::SlotItemDeleted(int nIndex, const QString& filePath)
{
    Q_UNUSED(filePath);
    if (!index(nIndex, 0).isValid())
        return;
    removeRow(nIndex);
    emit SignalItemCountChanged();
}

void CFileListModel::SlotItemChanged(int nIndex, const QString& filePath)
{
    Q_UNUSED(filePath);
    const QModelIndex changed = index(nIndex, 0);
    if (!changed.isValid())
        return;
    rows.at(nIndex)->loaded = false;
    emit dataChanged(changed, changed, {});
}

void CFileListModel::SlotRecentRemoveAll()
{
    if (!rows.isEmpty())
        removeRows(0, rows.size());
    emit SignalItemCountChanged();
}

void CFileListModel::SlotThumbnailReady(const QString& documentPath)
{
    // A picture decoded in the background: only the rows showing it change.
    for (int i = 0; i < rows.size(); ++i) {
        RecentRow* row = rows.at(i);
        if (!row->loaded || row->info.value(OpenKey::kPath).toString() != documentPath)
            continue;
        row->info[RecentKey::kThumbnail] = CThumbnailCache::getInstance()->Image(
            documentPath, CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(documentPath));
        const QModelIndex changed = index(i, 0);
        emit dataChanged(changed, changed, {Qt::DecorationRole});
    }
}
