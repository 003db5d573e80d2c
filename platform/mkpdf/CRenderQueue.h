#pragma once

#include "CCrashReporter.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSet>
#include <QtConcurrent>

#include <atomic>
#include <memory>

class CPdfDocument;
class QThreadPool;

// Renders page regions on worker threads and hands the pictures back on the
// GUI thread. A request already waiting is not queued twice, and requests
// made before the last Cancel are skipped when their turn comes.
class CRenderQueue : public QObject
{
    Q_OBJECT
public:
    CRenderQueue(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CRenderQueue() override;

    void Request(int nPage, double dScale, const QRect& region = QRect());
    void Cancel();
    // The page's content changed: pictures of it requested before now are
    // dropped when they arrive.
    void Invalidate(int nPage);
    bool IsPending(int nPage, double dScale, const QRect& region = QRect()) const;
    int PendingCount() const { return pending.size(); }

    // The pool every document renders on; drained at shutdown.
    static QThreadPool* Pool();
    // A pool with a worker for each core, and at least two.
    static QThreadPool* NewPool();
    // Runs task on the pool. Every engine task goes through here so that its
    // thread can report a crash, a stack overflow included.
    template <typename Task> static auto Run(Task task) -> QFuture<decltype(task())> { return RunOn(Pool(), task); }
    template <typename Task> static auto RunOn(QThreadPool* pool, Task task) -> QFuture<decltype(task())>
    {
        return QtConcurrent::run(pool, [task]() {
            MKBase::CCrashReporter::PrepareThread();
            return task();
        });
    }

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
    std::shared_ptr<std::atomic<int>> generation;
    QSet<Ticket> pending;
    int stamp = 0;
    QHash<int, int> invalidated; // page -> stamp of its last change
};
