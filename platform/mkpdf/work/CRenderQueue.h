#pragma once

#include "CJobRunner.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSet>

#include <atomic>
#include <memory>

class CPdfDocument;

// Renders page regions of one document on worker threads and hands the
// pictures back on the GUI thread. A request already waiting is not queued twice, and requests
// made before the last Cancel are skipped when their turn comes.
class CRenderQueue : public QObject
{
    Q_OBJECT
public:
    // Thumbnails ask with a lower priority than the pages on screen.
    CRenderQueue(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr,
                 CJobRunner::Priority priority = CJobRunner::VisiblePriority);
    ~CRenderQueue() override;

    void Request(int nPage, double dScale, const QRect& region = QRect());
    void Cancel();
    // The page's content changed: pictures of it requested before now are
    // dropped when they arrive.
    void Invalidate(int nPage);
    bool IsPending(int nPage, double dScale, const QRect& region = QRect()) const;
    int PendingCount() const { return pending.size(); }

signals:
    // Only pictures in the page colours in use now are delivered.
    void SignalRendered(int nPage, double dScale, const QRect& region, const QImage& image);

private:
    struct Ticket
    {
        int page;
        qint64 scale;
        QRect region;
        int colors;
        bool operator==(const Ticket& other) const
        {
            return page == other.page && scale == other.scale && region == other.region && colors == other.colors;
        }
    };
    friend uint qHash(const Ticket& ticket, uint seed)
    {
        return ::qHash(ticket.page, seed) ^ ::qHash(ticket.scale, seed)
            ^ ::qHash(ticket.region.x() ^ (ticket.region.y() << 12), seed);
    }

    std::shared_ptr<CPdfDocument> document;
    CJobRunner::Priority priority;
    std::shared_ptr<std::atomic<int>> generation;
    QSet<Ticket> pending;
    int stamp = 0;
    QHash<int, int> invalidated; // page -> stamp of its last change
};
