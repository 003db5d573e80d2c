#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>

// The recent list's thumbnails, decoded once for the whole process (every
// window's list shares the same pictures) and off the GUI thread, only for
// the entries someone asked to see. Nothing here reads more than a file's
// date on the GUI thread: a picture not decoded yet is null and arrives with
// SignalImageReady.
class CThumbnailCache : public QObject
{
    Q_OBJECT
public:
    // Longest side kept in memory: enough for the grid tiles.
    static constexpr int kSide = 124;

    static CThumbnailCache* getInstance();

    // The decoded picture if it is current, else null. Never starts work.
    QImage Image(const QString& documentPath, const QString& thumbnailPath);
    // Starts decoding the picture unless it is current or on its way.
    void Request(const QString& documentPath, const QString& thumbnailPath);
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
