#pragma once

#include <QImage>
#include <QObject>
#include <QSet>

#include <atomic>
#include <memory>

class CPdfDocument;
class QThreadPool;

// Renders pages on worker threads and hands the images back on the GUI
// thread. A page already waiting at the same scale is not queued twice, and
// requests made before the last Cancel are skipped when their turn comes.
class CRenderQueue : public QObject
{
    Q_OBJECT
public:
    CRenderQueue(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CRenderQueue() override;

    void Request(int nPage, double dScale);
    void Cancel();
    bool IsPending(int nPage, double dScale) const;

    // The pool every document renders on; drained at shutdown.
    static QThreadPool* Pool();

signals:
    void SignalRendered(int nPage, double dScale, const QImage& image);

private:
    std::shared_ptr<CPdfDocument> document;
    std::shared_ptr<std::atomic<int>> generation;
    QSet<QPair<int, qint64>> pending;
};
