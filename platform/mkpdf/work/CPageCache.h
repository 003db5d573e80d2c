#pragma once

#include "CPageColors.h"

#include <QCache>
#include <QImage>
#include <QRect>

// Rendered page pictures of every open document, in one bounded cache for
// the whole process so memory does not grow with pages or tabs. GUI thread
// only.
class CPageCache
{
public:
    // The bound follows the screen: eight screenfuls of pictures, within
    // these limits (the lower one holds three of the largest whole pages).
    static constexpr int kMinLimitKiB = 48 * 1024;
    static constexpr int kMaxLimitKiB = 256 * 1024;

    struct Key
    {
        quint64 document = 0;
        int page = 0;
        qint64 scale = 0; // pixels per point times 10000
        QRect region;     // device pixels of the page; null for all of it
        // Pictures are kept per page colour mode; a key made without one
        // means the mode in use now.
        int colors = CPageColors::Current();
        bool operator==(const Key& other) const
        {
            return document == other.document && page == other.page && scale == other.scale && region == other.region
                && colors == other.colors;
        }
    };

    static CPageCache& Instance();
    static qint64 ScaleKey(double scale) { return qRound64(scale * 10000.0); }

    const QImage* Find(const Key& key);
    void Insert(const Key& key, const QImage& image);
    void RemoveDocument(quint64 document);
    // Every picture of one page, at any scale (its content changed).
    void RemovePage(quint64 document, int page);
    int UsedKiB() const { return cache.totalCost(); }
    int LimitKiB() const { return cache.maxCost(); }
    int Count() const { return cache.count(); }
    void Clear() { cache.clear(); }

private:
    CPageCache();
    QCache<Key, QImage> cache;
};

uint qHash(const CPageCache::Key& key, uint seed = 0);
