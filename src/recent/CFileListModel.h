#pragma once

#include <QAbstractListModel>
#include <QVariantMap>

class CRecentManager;

// The recent store's records as rows, in store order, loaded on first use
// and kept in step with the store through its signals.
class CFileListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int RecentInfoRole = Qt::UserRole + 4;

    explicit CFileListModel(QObject* parent = nullptr);
    ~CFileListModel() override;

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    void SetRecentManager(CRecentManager* manager);
    void RemoveRecordAt(const QModelIndex& index);
    void RemoveRecordByPath(const QString& path);
    void ClearRecords();
    void TogglePin(const QModelIndex& index);
    void RenameRecordAt(const QModelIndex& index, const QString& newPath);
    QModelIndex IndexOfPath(const QString& path) const;
    bool IsRowLoaded(int row) const;

signals:
    void SignalItemCountChanged();

public slots:
    void SlotItemAdded(int nIndex, const QString& filePath);
    void SlotItemDeleted(int nIndex, const QString& filePath);
    void SlotItemChanged(int nIndex, const QString& filePath);
    void SlotRecentRemoveAll();

private:
    struct RecentRow
    {
        QVariantMap info;
        bool loaded = false;
    };

    void SlotThumbnailReady(const QString& documentPath);

    QList<RecentRow*> rows;
    CRecentManager* store = nullptr;
};
