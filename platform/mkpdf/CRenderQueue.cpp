#include "CRenderQueue.h"

#include "CPdfDocument.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent>

namespace {

qint64 ScaleKey(double scale)
{
    return qRound64(scale * 10000.0);
}

} // namespace

CRenderQueue::CRenderQueue(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
    , generation(std::make_shared<std::atomic<int>>(0))
{
}

CRenderQueue::~CRenderQueue()
{
    Cancel();
}

QThreadPool* CRenderQueue::Pool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(qMax(2, QThread::idealThreadCount()));
        p->setExpiryTimeout(10000);
        return p;
    }();
    return pool;
}

void CRenderQueue::Request(int nPage, double dScale)
{
    const QPair<int, qint64> key(nPage, ScaleKey(dScale));
    if (pending.contains(key))
        return;
    pending.insert(key);

    const int ticket = generation->load();
    std::shared_ptr<CPdfDocument> doc = document;
    std::shared_ptr<std::atomic<int>> current = generation;
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, key, nPage, dScale]() {
        pending.remove(key);
        const QImage image = watcher->result();
        watcher->deleteLater();
        if (!image.isNull())
            emit SignalRendered(nPage, dScale, image);
    });
    watcher->setFuture(QtConcurrent::run(Pool(), [doc, current, ticket, nPage, dScale]() {
        if (current->load() != ticket)
            return QImage();
        return doc->RenderPage(nPage, dScale);
    }));
}

void CRenderQueue::Cancel()
{
    generation->fetch_add(1);
    pending.clear();
}

bool CRenderQueue::IsPending(int nPage, double dScale) const
{
    return pending.contains(qMakePair(nPage, ScaleKey(dScale)));
}
