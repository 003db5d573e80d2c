#include "CSignatureJobs.h"

#include "CJobRunner.h"
#include "CPdfDocument.h"

#include <QFutureWatcher>

namespace {

// Runs task with the file pool and hands its result to done on owner's
// thread; nothing is handed on once owner is gone.
template <typename Task, typename Done> void RunThen(QObject* owner, Task task, Done done)
{
    using Result = decltype(task());
    auto* watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner, [watcher, done]() {
        watcher->deleteLater();
        if (!watcher->isCanceled())
            done(watcher->result());
    });
    watcher->setFuture(CJobRunner::Run(CJobRunner::FilePool, CJobRunner::VisiblePriority, std::move(task)));
}

} // namespace

CSignatureJobs::CSignatureJobs(QObject* parent)
    : QObject(parent)
{
}

void CSignatureJobs::Check(std::shared_ptr<CPdfDocument> document)
{
    const int run = ++checkRun;
    checking = true;
    RunThen(
        this,
        [document]() {
            bool read = false;
            QVector<PdfSignature> list = CSignatures::Check(*document, &read);
            return qMakePair(list, read);
        },
        [this, run](const QPair<QVector<PdfSignature>, bool>& result) {
            if (run != checkRun)
                return;
            checking = false;
            emit SignalChecked(result.first, result.second);
        });
}

void CSignatureJobs::Sign(const QString& source, const QByteArray& password, const PdfSignRequest& request,
                          const QString& target)
{
    signing = true;
    RunThen(
        this,
        [source, password, request, target]() {
            QString error;
            CSignatures::Sign(source, password, request, target, &error);
            return error;
        },
        [this, target](const QString& error) {
            signing = false;
            emit SignalSigned(target, error);
        });
}

void CSignatureJobs::WriteRevision(const QString& source, qint64 nLength, const QString& target)
{
    RunThen(
        this,
        [source, nLength, target]() {
            QString error;
            CSignatures::WriteRevision(source, nLength, target, &error);
            return error;
        },
        [this, target](const QString& error) { emit SignalRevisionWritten(target, error); });
}
