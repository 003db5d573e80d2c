#include "CDocumentLoader.h"

#include "CJobRunner.h"

#include <QFutureWatcher>
#include <QThreadPool>

CDocumentLoader::CDocumentLoader(QObject* parent)
    : QObject(parent)
{
}

bool CDocumentLoader::WaitForAll(int nMs)
{
    return CJobRunner::ThreadPool(CJobRunner::OpenPool)->waitForDone(nMs);
}

void CDocumentLoader::Start(const QString& path, const QByteArray& password, const Done& done)
{
    QFuture<CDocumentPrefetch::Result> future;
    if (password.isEmpty())
        future = CDocumentPrefetch::TakeFuture(path);
    if (future.isCanceled()) {
        future = CJobRunner::Run(CJobRunner::OpenPool, CJobRunner::VisiblePriority, [path, password]() {
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
