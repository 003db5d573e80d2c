#include "CRecognitionJob.h"

#include "CJobRunner.h"
#include "CPdfDocument.h"
#include "CTextRecognizer.h"

#include <QFutureWatcher>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <QVector>

struct CRecognitionJob::State
{
    std::shared_ptr<CPdfDocument> document;
    QList<int> pages;
    QStringList languages;
    std::atomic<int> next {0};
    std::atomic<bool> cancel {false};
    QMutex mutex;
    QVector<int> percent; // of each page
    int done = 0;
    QMap<int, QByteArray> layers;
    QString error;

    void Fail(const QString& problem)
    {
        QMutexLocker locker(&mutex);
        if (error.isEmpty())
            error = problem;
        cancel = true;
    }

    // One worker: pages taken in turn until none is left.
    void Work()
    {
        CTextRecognizer recognizer(languages);
        if (!recognizer.IsReady()) {
            Fail(recognizer.Error());
            return;
        }
        for (int i = next++; i < pages.size() && !cancel; i = next++) {
            // A page with text of its own is left as it is.
            if (document->HasText(pages.at(i))) {
                QMutexLocker locker(&mutex);
                percent[i] = 100;
                ++done;
                continue;
            }
            const QImage picture = PagePicture(*document, pages.at(i));
            QByteArray pdf;
            QString problem;
            const bool read = recognizer.Recognize(
                picture, kDpi, &pdf, &cancel,
                [this, i](int nPercent) {
                    QMutexLocker locker(&mutex);
                    percent[i] = qBound(0, nPercent, 99);
                },
                &problem);
            if (cancel)
                return;
            if (!read) {
                Fail(problem);
                return;
            }
            QMutexLocker locker(&mutex);
            layers.insert(pages.at(i), pdf);
            percent[i] = 100;
            ++done;
        }
    }
};

CRecognitionJob::CRecognitionJob(std::shared_ptr<CPdfDocument> document, const QList<int>& pages,
                                 const QStringList& languages, QObject* parent)
    : QObject(parent)
    , state(std::make_shared<State>())
{
    state->document = std::move(document);
    state->pages = pages;
    state->languages = languages;
    state->percent.fill(0, pages.size());
}

CRecognitionJob::~CRecognitionJob()
{
    state->cancel = true;
}

const QList<int>& CRecognitionJob::Pages() const
{
    return state->pages;
}

void CRecognitionJob::Start(int nWorkers)
{
    if (running > 0)
        return;
    const int workers = qMin(state->pages.size(), nWorkers > 0 ? nWorkers : qMax(1, QThread::idealThreadCount()));
    if (workers == 0 || !state->document) {
        QTimer::singleShot(0, this, [this]() { emit SignalFinished(true, QString()); });
        return;
    }
    poll = new QTimer(this);
    poll->setInterval(100);
    connect(poll, &QTimer::timeout, this, &CRecognitionJob::ReportProgress);
    poll->start();
    running = workers;
    for (int i = 0; i < workers; ++i) {
        auto* watcher = new QFutureWatcher<void>(this);
        connect(watcher, &QFutureWatcher<void>::finished, this, &CRecognitionJob::WorkerDone);
        std::shared_ptr<State> shared = state;
        watcher->setFuture(CJobRunner::Run(CJobRunner::RecognitionPool, CJobRunner::BackgroundPriority,
                                           [shared]() { shared->Work(); }));
    }
}

void CRecognitionJob::Cancel()
{
    state->cancel = true;
}

QMap<int, QByteArray> CRecognitionJob::Layers() const
{
    QMutexLocker locker(&state->mutex);
    return state->layers;
}

void CRecognitionJob::ReportProgress()
{
    int percent = 0;
    int done = 0;
    {
        QMutexLocker locker(&state->mutex);
        for (int value : state->percent)
            percent += value;
        done = state->done;
    }
    percent = state->pages.isEmpty() ? 100 : percent / state->pages.size();
    if (percent == lastPercent)
        return;
    lastPercent = percent;
    emit SignalProgress(percent, done);
}

void CRecognitionJob::WorkerDone()
{
    if (--running > 0)
        return;
    poll->stop();
    ReportProgress();
    QString error;
    bool complete = false;
    {
        QMutexLocker locker(&state->mutex);
        error = state->error;
        complete = state->done == state->pages.size() && state->error.isEmpty() && !state->cancel;
    }
    if (!complete)
        state->layers.clear();
    emit SignalFinished(complete, complete ? QString() : error);
}

QImage CRecognitionJob::PagePicture(const CPdfDocument& document, int nPage)
{
    return document.RenderPageApart(nPage, kDpi / 72.0);
}

bool CRecognitionJob::RecognizePage(const CPdfDocument& document, int nPage, CTextRecognizer& recognizer,
                                    QByteArray* pdf, const std::atomic<bool>* cancel, QString* error)
{
    return recognizer.Recognize(PagePicture(document, nPage), kDpi, pdf, cancel, {}, error);
}
