// Home page benchmark: 1,000 recent records whose thumbnails exist on disk.
// Prints the time to build and first paint a home page, the GUI-thread cost
// of scrolling, and what a second window's home page adds to memory.

#include "CRecentManager.h"
#include "CThumbnailCache.h"
#include "HomePage.h"
#include "MKApplication.h"
#include "RecentPage.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "recent/CFileListView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QScrollBar>
#include <QThread>

#include <cstdio>

namespace {

class FirstPaint : public QObject
{
public:
    qint64 at = -1;
    QElapsedTimer* clock = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && at < 0)
            at = clock->nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};

void Settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);

    // 1,000 records, each with a real thumbnail file of its own.
    const QString folder = TestEnv::MakeDir("home-bench");
    QDir().mkpath(CRecentManager::ThumbnailDirPath());
    QImage picture(113, 160, QImage::Format_RGB32);
    QJsonArray records;
    for (int i = 0; i < 1000; ++i) {
        const QString path = folder + QStringLiteral("/document-%1.pdf").arg(i, 4, 10, QLatin1Char('0'));
        QFile(path).open(QIODevice::WriteOnly);
        picture.fill(QColor::fromHsv(i % 360, 120, 230));
        QPainter(&picture).drawText(10, 80, QString::number(i));
        picture.save(CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(path), "PNG");
        records.append(QJsonObject {{"path", path},
                                    {"openTime", 1700000000 + i},
                                    {"pin", i % 97 == 0},
                                    {"pinTime", i % 97 == 0 ? 1700000000 + i : 0}});
    }
    QDir().mkpath(QFileInfo(CRecentManager::ListFilePath()).path());
    QFile list(CRecentManager::ListFilePath());
    if (!list.open(QIODevice::WriteOnly) || list.write(QJsonDocument(records).toJson()) <= 0) {
        std::printf("cannot write the recent list %s\n", qPrintable(list.fileName()));
        return 1;
    }
    list.close();
    CRecentManager::getInstance();

    // 1. Build and first paint.
    QElapsedTimer clock;
    clock.start();
    auto* home = new HomePage;
    const qint64 built = clock.nsecsElapsed();
    FirstPaint probe;
    probe.clock = &clock;
    CFileListView* view = home->Recent()->ListView();
    view->viewport()->installEventFilter(&probe);
    home->resize(1280, 760);
    home->show();
    while (probe.at < 0 && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    std::printf("home page with 1000 records: built in %.1f ms, first painted at %.1f ms\n", built / 1e6,
                probe.at / 1e6);
    QElapsedTimer thumbs;
    thumbs.start();
    while (CThumbnailCache::getInstance()->PendingCount() > 0 && thumbs.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("thumbnails of the visible rows decoded %.1f ms after the first paint (%d pictures held)\n",
                (clock.nsecsElapsed() - probe.at) / 1e6, CThumbnailCache::getInstance()->Count());

    // 2. Repaints of rows already shown decode nothing; scrolling costs little.
    const int before = CThumbnailCache::getInstance()->Count();
    QElapsedTimer repaint;
    repaint.start();
    view->viewport()->repaint();
    std::printf("repaint of the visible rows: %.2f ms, pictures decoded meanwhile: %d\n", repaint.nsecsElapsed() / 1e6,
                CThumbnailCache::getInstance()->Count() - before + CThumbnailCache::getInstance()->PendingCount());
    QVector<double> steps;
    QScrollBar* bar = view->verticalScrollBar();
    for (int i = 0; i < 200 && bar->value() < bar->maximum(); ++i) {
        bar->setValue(bar->value() + 120);
        QElapsedTimer step;
        step.start();
        view->viewport()->repaint();
        steps.append(step.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    std::sort(steps.begin(), steps.end());
    std::printf("scrolling: %d repaints, median %.2f ms, max %.2f ms (pictures are decoded off the GUI thread)\n",
                int(steps.size()), steps.at(steps.size() / 2), steps.last());
    Settle(1000);

    // 3. A second window's home page shares the pictures.
    const qint64 rssBefore = TestEnv::ResidentKiB();
    const int held = CThumbnailCache::getInstance()->Count();
    auto* second = new HomePage;
    second->resize(1280, 760);
    second->show();
    Settle(1000);
    std::printf("second home page: +%.1f MiB resident, pictures held %d -> %d\n",
                (TestEnv::ResidentKiB() - rssBefore) / 1024.0, held, CThumbnailCache::getInstance()->Count());
    delete second;
    delete home;
    return 0;
}
