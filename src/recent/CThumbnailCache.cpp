#include "CThumbnailCache.h"

#include "CJobRunner.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QImageReader>

CThumbnailCache::CThumbnailCache(QObject* parent)
    : QObject(parent)
{
}

CThumbnailCache* CThumbnailCache::getInstance()
{
    static CThumbnailCache* instance = new CThumbnailCache(nullptr);
    return instance;
}

QImage CThumbnailCache::Image(const QString& documentPath, const QString& thumbnailPath)
{
    const QFileInfo info(thumbnailPath);
    auto it = entries.constFind(documentPath);
    if (it == entries.constEnd())
        return QImage();
    if (!info.isFile()) {
        entries.remove(documentPath);
        return QImage();
    }
    return it->modified == info.lastModified() ? it->image : QImage();
}

void CThumbnailCache::Request(const QString& documentPath, const QString& thumbnailPath)
{
    if (pending.contains(documentPath))
        return;
    const QFileInfo info(thumbnailPath);
    if (!info.isFile())
        return;
    const QDateTime modified = info.lastModified();
    auto it = entries.constFind(documentPath);
    if (it != entries.constEnd() && it->modified == modified)
        return;

    pending.insert(documentPath);
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, documentPath, modified]() {
        pending.remove(documentPath);
        entries.insert(documentPath, {watcher->result(), modified});
        watcher->deleteLater();
        emit SignalImageReady(documentPath);
    });
    watcher->setFuture(CJobRunner::Run(CJobRunner::PagePool, CJobRunner::ThumbnailPriority, [thumbnailPath, ratio]() {
        QImageReader reader(thumbnailPath);
        // Pictures of any size are reduced to what a tile shows.
        const QSize size = reader.size();
        const int side = qRound(kSide * ratio);
        if (size.isValid() && (size.width() > side || size.height() > side))
            reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
        QImage image = reader.read();
        if (!image.isNull())
            image.setDevicePixelRatio(ratio);
        return image;
    }));
}

void CThumbnailCache::Forget(const QString& documentPath)
{
    entries.remove(documentPath);
}

void CThumbnailCache::Clear()
{
    entries.clear();
}
