#pragma once

#include <QCache>
#include <QMutex>
#include <QString>

// Text of the pages already read, for every open document, in one bounded
// cache so that the next query needs no parsing. Kept as UTF-8 where that
// is smaller (most Western text: about half). Any thread.
class CTextCache
{
public:
    static constexpr int kLimitBytes = 32 * 1024 * 1024;

    static CTextCache& Instance();

    bool Find(quint64 document, int page, QString* text);
    void Insert(quint64 document, int page, const QString& text);
    void RemoveDocument(quint64 document);
    void Clear();
    int UsedBytes() const;

private:
    struct Entry
    {
        QByteArray utf8;
        QString wide;
    };
    using Key = QPair<quint64, int>;

    CTextCache();
    mutable QMutex mutex;
    QCache<Key, Entry> cache;
};
