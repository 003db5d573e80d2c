#include "CTextCache.h"

CTextCache::CTextCache()
    : cache(kLimitBytes)
{
}

CTextCache& CTextCache::Instance()
{
    static CTextCache instance;
    return instance;
}

bool CTextCache::Find(quint64 document, int page, QString* text)
{
    QByteArray utf8;
    {
        QMutexLocker locker(&mutex);
        const Entry* entry = cache.object(Key(document, page));
        if (!entry)
            return false;
        if (entry->utf8.isNull()) {
            *text = entry->wide;
            return true;
        }
        utf8 = entry->utf8;
    }
    *text = QString::fromUtf8(utf8);
    return true;
}

void CTextCache::Insert(quint64 document, int page, const QString& text)
{
    auto* entry = new Entry;
    entry->utf8 = text.toUtf8();
    if (entry->utf8.size() > text.size() * 2) {
        entry->utf8 = QByteArray();
        entry->wide = text;
    }
    const int cost = 64 + (entry->utf8.isNull() ? text.size() * 2 : entry->utf8.size());
    QMutexLocker locker(&mutex);
    cache.insert(Key(document, page), entry, cost);
}

void CTextCache::RemoveDocument(quint64 document)
{
    QMutexLocker locker(&mutex);
    const QList<Key> keys = cache.keys();
    for (const Key& key : keys) {
        if (key.first == document)
            cache.remove(key);
    }
}

void CTextCache::Clear()
{
    QMutexLocker locker(&mutex);
    cache.clear();
}

int CTextCache::UsedBytes() const
{
    QMutexLocker locker(&mutex);
    return cache.totalCost();
}
