#include "CTextCache.h"

#include <algorithm>

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
    QMutexLocker locker(&mutex);
    const Entry* entry = cache.object(Key(document, page));
    if (!entry)
        return false;
    *text = entry->latin.isNull() ? entry->wide : QString::fromLatin1(entry->latin);
    return true;
}

void CTextCache::Insert(quint64 document, int page, const QString& text)
{
    auto* entry = new Entry;
    const bool latin = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin)
        entry->latin = text.toLatin1();
    else
        entry->wide = text;
    const int cost = 64 + (latin ? text.size() : text.size() * 2);
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
