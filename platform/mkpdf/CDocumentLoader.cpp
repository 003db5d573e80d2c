#include "CDocumentLoader.h"

#include "CRenderQueue.h"

#include <QFutureWatcher>
#include <QThreadPool>

namespace {

// Apart from the pages' pool: a file that takes minutes to read must not
// hold up the pictures of the documents already open.
QThreadPool* LoadPool()
{
    static QThreadPool* pool = CRenderQueue::NewPool();
    return pool;
}

} // namespace

CDocumentLoader::CDocumentLoader(QObject* parent)
    : QObject(parent)
{
}

bool CDocumentLoader::WaitForAll(int nMs)
{
    return LoadPool()->waitForDone(nMs);
}

void CDocumentLoader::Start(const QString& path, const QByteArray& password, const Done& done)
{
    QFuture<CDocumentPrefetch::Result> future;
    if (password.isEmpty())
        future = CDocumentPrefetch::TakeFuture(path);
    if (future.isCanceled()) {
        future = CRenderQueue::RunOn(LoadPool(), [path, password]() {
            CDocumentPrefetch::Result result;
            result.document = CPdfDocument::Load(path, password, &result.status);
            return result;
        });
    }
    auto* watcher = new QFutureWatcher<CDocumentPrefetch::Result>(this);
    connect(watcher, &QFutureWatcher<CDocumentPrefetch::Result>::finished, this, [watcher, done]() {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(future);
}
