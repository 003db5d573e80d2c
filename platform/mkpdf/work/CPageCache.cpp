#include "CPageCache.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>

namespace {

int LimitForScreen()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return CPageCache::kMinLimitKiB;
    const qreal ratio = screen->devicePixelRatio();
    const qint64 screenKiB
        = qint64(screen->size().width() * ratio) * qint64(screen->size().height() * ratio) * 4 / 1024;
    return int(qBound<qint64>(CPageCache::kMinLimitKiB, 8 * screenKiB, CPageCache::kMaxLimitKiB));
}

} // namespace

CPageCache::CPageCache()
    : cache(LimitForScreen())
{
}

CPageCache& CPageCache::Instance()
{
    static CPageCache instance;
    return instance;
}

const QImage* CPageCache::Find(const Key& key)
{
    return cache.object(key);
}

void CPageCache::Insert(const Key& key, const QImage& image)
{
    const int cost = qMax(1, int(image.sizeInBytes() / 1024));
    cache.insert(key, new QImage(image), cost);
}

void CPageCache::RemoveDocument(quint64 document)
{
    const QList<Key> keys = cache.keys();
    for (const Key& key : keys) {
        if (key.document == document)
            cache.remove(key);
    }
}

void CPageCache::RemovePage(quint64 document, int page)
{
    const QList<Key> keys = cache.keys();
    for (const Key& key : keys) {
        if (key.document == document && key.page == page)
            cache.remove(key);
    }
}

uint qHash(const CPageCache::Key& key, uint seed)
{
    return qHash(key.document, seed) ^ qHash(key.page, seed) ^ qHash(key.scale, seed)
        ^ qHash(key.region.x() * 31 + key.region.y() * 17 + key.region.width() * 7 + key.region.height(), seed)
        ^ qHash(key.colors << 24, seed);
}
