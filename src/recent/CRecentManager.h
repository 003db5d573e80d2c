#pragma once

#include <QJsonArray>
#include <QObject>
#include <QVariantMap>

// The list of documents the user opened, newest first, persisted in one JSON
// file, with a folder of first-page thumbnails named after the documents.
// One store per process; every change is announced with the index of the
// record it touched.
class CRecentManager : public QObject
{
    Q_OBJECT
public:
    static CRecentManager* getInstance(QObject* parent = nullptr);

    int Count() const { return records.size(); }
    int IndexOf(const QString& path) const;
    QVariantMap GetItemInfo(int index) const;
    void AddRecord(const QString& path, const QVariantMap& info);
    void RemoveRecord(int index);
    void RemoveAllRecords();
    void SetPinned(int index, bool pinned);
    void RenameRecord(int index, const QString& newPath);
    void RenameRecord(const QString& oldPath, const QString& newPath);
    void SetHasPassword(const QString& path, bool flag);
    void UpdateRecordInfo(const QString& path, const QVariantMap& info);

    static QString ListFilePath();
    static QString ThumbnailDirPath();
    static QString ThumbnailFileName(const QString& documentPath);
    static QString FormatFileSize(qint64 bytes);
    static QString FormatOpenTime(qint64 seconds);
    // Reads the list file again (the constructor reads it once).
    void Load();

signals:
    void SignalRecentItemAdded(int nIndex, const QString& filePath);
    void SignalRecentItemDeleted(int nIndex, const QString& filePath);
    void SignalRecentItemChanged(int nIndex, const QString& filePath);
    void SignalRecentRemoveAll();

private:
    explicit CRecentManager(QObject* parent);
    bool IsValid(int index) const { return index >= 0 && index < records.size(); }
    void Save();

    QJsonArray records;
};
