#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class CPdfDocument;
class CTextRecognizer;
class QTimer;

// Recognizes the text of some pages of a document on worker threads, one
// recognizer per worker: each page rendered at kDpi and read in the
// languages asked for; pages with text are left as they are. Progress and
// the end come back as signals on the thread that started it; the result is
// the layer of every page read, or nothing.
class CRecognitionJob : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDpi = 300;

    CRecognitionJob(std::shared_ptr<CPdfDocument> document, const QList<int>& pages, const QStringList& languages,
                    QObject* parent = nullptr);
    // Workers still reading stop at their next look and their work is lost.
    ~CRecognitionJob() override;

    // At most workers at a time (0: one for each core).
    void Start(int nWorkers = 0);
    void Cancel();
    bool IsRunning() const { return running > 0; }
    const QList<int>& Pages() const;
    // The text layer of every page read, once finished well.
    QMap<int, QByteArray> Layers() const;

    // One page on the calling thread: rendered with parser (the document's
    // own when null) and read by recognizer.
    static bool RecognizePage(const CPdfDocument& document, int nPage, CTextRecognizer& recognizer, QByteArray* pdf,
                              const std::atomic<bool>* cancel = nullptr, QString* error = nullptr);
    // The picture of a page that recognition reads.
    static QImage PagePicture(const CPdfDocument& document, int nPage);

signals:
    // nPercent of all pages, nDone pages finished.
    void SignalProgress(int nPercent, int nDone);
    // bOk false with an empty strError: cancelled.
    void SignalFinished(bool bOk, const QString& strError);

private:
    struct State;
    void ReportProgress();
    void WorkerDone();

    std::shared_ptr<State> state;
    QTimer* poll = nullptr;
    int running = 0;
    int lastPercent = -1;
};
