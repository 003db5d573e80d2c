#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>

// The recent list's thumbnails, decoded once for the whole process (every
// window's list shares the same pictures) and off the GUI thread. Image()
// never reads more than a file's date: a picture not decoded yet is null and
// arrives with SignalImageReady.
class CThumbnailCache : public QObject
{
    Q_OBJECT
public:
    // Longest side kept in memory: enough for the grid tiles.
    static constexpr int kSide = 124;

    static CThumbnailCache* getInstance();

    QImage Image(const QString& documentPath, const QString& thumbnailPath);
    void Forget(const QString& documentPath);
    void Clear();
    int Count() const { return entries.size(); }
    int PendingCount() const { return pending.size(); }

signals:
    void SignalImageReady(const QString& documentPath);

private:
    explicit CThumbnailCache(QObject* parent);

    struct Entry
    {
        QImage image;
        QDateTime modified;
    };
    QHash<QString, Entry> entries;
    QSet<QString> pending;
};
