#include "CRenderQueue.h"

#include "CPageCache.h"
#include "CPageColors.h"
#include "CPdfDocument.h"

#include <QFutureWatcher>

CRenderQueue::CRenderQueue(std::shared_ptr<CPdfDocument> document_, QObject* parent, CJobRunner::Priority priority_)
    : QObject(parent)
    , document(std::move(document_))
    , priority(priority_)
    , generation(std::make_shared<std::atomic<int>>(0))
{
}

CRenderQueue::~CRenderQueue()
{
    Cancel();
}

void CRenderQueue::Request(int nPage, double dScale, const QRect& region)
{
    const CPageColors::Mode colors = CPageColors::Current();
    const Ticket ticket {nPage, CPageCache::ScaleKey(dScale), region, colors};
    if (pending.contains(ticket))
        return;
    pending.insert(ticket);

    const int issued = generation->load();
    const int issuedStamp = stamp;
    std::shared_ptr<CPdfDocument> doc = document;
    std::shared_ptr<std::atomic<int>> current = generation;
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this,
            [this, watcher, ticket, issued, issuedStamp, nPage, dScale, region, colors]() {
                if (generation->load() == issued)
                    pending.remove(ticket);
                const QImage image = watcher->result();
                watcher->deleteLater();
                // The colours changed while it was rendered: the receivers
                // would file it under the new ones; a page changed since was
                // asked for again.
                if (!image.isNull() && colors == CPageColors::Current() && invalidated.value(nPage, -1) < issuedStamp)
                    emit SignalRendered(nPage, dScale, region, image);
            });
    watcher->setFuture(
        CJobRunner::Run(CJobRunner::PagePool, priority, [doc, current, issued, nPage, dScale, region, colors]() {
            if (current->load() != issued)
                return QImage();
            return CPageColors::Render(*doc, nPage, dScale, region, colors);
        }));
}

void CRenderQueue::Cancel()
{
    generation->fetch_add(1);
    pending.clear();
}

void CRenderQueue::Invalidate(int nPage)
{
    invalidated.insert(nPage, stamp++);
    // A request already running for this page would be thrown away; the
    // next paint asks again.
    for (auto it = pending.begin(); it != pending.end();) {
        if (it->page == nPage)
            it = pending.erase(it);
        else
            ++it;
    }
}

bool CRenderQueue::IsPending(int nPage, double dScale, const QRect& region) const
{
    return pending.contains(Ticket {nPage, CPageCache::ScaleKey(dScale), region, CPageColors::Current()});
}
