// Engine benchmark: start-up to the first painted page of a 1,000-page
// manual, GUI-thread blocking while scrolling through it, zooming and
// drawing with the recovery copy kept, and what the memory of ten such
// documents in one window's page stack holds. (Their memory as tabs is
// measured beside a peer's in bench_peers.) Prints figures; asserts nothing.
//
//   bench_engine [manual.pdf]     (generates the manual when none is given)
//   bench_engine --generate manual.pdf

#include "BenchProgram.h"
#include "BenchSummary.h"
#include "CAnnotationCommand.h"
#include "CEditSession.h"
#include "CPageCache.h"
#include "CPageView.h"
#include "CRecoveryCopy.h"
#include "CTextCache.h"
#include "StallMeter.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScrollBar>
#include <QStackedWidget>
#include <QThread>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr double kTargetStallMs = 16;

const char* Verdict(bool met)
{
    return met ? "met" : "NOT MET";
}

void Settle(int nMs)
{
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < nMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

qint64 NowMicro()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// Milliseconds from start to the probe's line "<what> <microseconds> ...".
double ProbeTime(const QByteArray& out, const QByteArray& what, qint64 start)
{
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() >= 2 && fields.at(0) == what)
            return (fields.at(1).toLongLong() - start) / 1000.0;
    }
    return -1;
}

// Launch to the probe's "painted" line, and to its "tab" line in *tabTimes.
QVector<double> MeasureLaunch(const QStringList& args, const QByteArray& probe, int runs,
                              QVector<double>* tabTimes = nullptr)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("RVPDF_STARTUP_PROBE", probe);
        process.setProcessEnvironment(env);
        const qint64 start = NowMicro();
        process.start(BenchProgram(), args);
        if (!process.waitForFinished(30000)) {
            std::printf("run did not finish: %s [%s] [%s]\n", qPrintable(process.errorString()),
                        process.readAllStandardOutput().constData(), process.readAllStandardError().constData());
            process.kill();
            process.waitForFinished();
            continue;
        }
        const QByteArray out = process.readAllStandardOutput();
        const double painted = ProbeTime(out, "painted", start);
        if (painted < 0)
            std::printf("run without a painted page: exit %d, %s %s\n", process.exitCode(), out.constData(),
                        process.readAllStandardError().constData());
        if (painted >= 0)
            times.append(painted);
        if (tabTimes && ProbeTime(out, "tab", start) >= 0)
            tabTimes->append(ProbeTime(out, "tab", start));
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);

    if (argc > 2 && QByteArray(argv[1]) == "--generate") {
        TestPdf::WriteManual(QString::fromLocal8Bit(argv[2]), 1000);
        return 0;
    }
    QString manual = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (manual.isEmpty()) {
        manual = TestEnv::MakeDir("bench") + "/manual.pdf";
        QElapsedTimer timer;
        timer.start();
        TestPdf::WriteManual(manual, 1000);
        std::printf("generated a 1000-page manual (%.1f MiB) in %.1f s\n", QFileInfo(manual).size() / 1048576.0,
                    timer.elapsed() / 1000.0);
    }

    // 1. Launch to the first painted page, and to the empty window.
    const QVector<double> empty = MeasureLaunch({}, "1", 7);
    QVector<double> tab;
    const QVector<double> first = MeasureLaunch({manual}, "page", 7, &tab);
    std::printf("launch to first painted window (no file): median %.0f ms over %d runs\n", Median(empty),
                int(empty.size()));
    std::printf(
        "launch of `rvpdf manual.pdf`: its tab painted at median %.0f ms, its first page painted at median %.0f ms "
        "(min %.0f ms) over %d runs\n",
        Median(tab), Median(first), first.isEmpty() ? 0.0 : *std::min_element(first.begin(), first.end()),
        int(first.size()));

    // 1b. Restoring a session: twenty documents against one, the current
    // one first in both.
    {
        const QString folder = TestEnv::MakeDir("bench-session");
        const QString sessionDir = TestEnv::Root() + "/state/rvpdf/session";
        QDir().mkpath(sessionDir);
        auto writeSession = [&](int nDocs) {
            QJsonArray tabs;
            for (int i = 0; i < nDocs; ++i) {
                const QString copy = folder + QStringLiteral("/restored-%1.pdf").arg(i);
                if (!QFile::exists(copy))
                    QFile::copy(manual, copy);
                tabs.append(QJsonObject {{"path", copy}, {"pageIndex", 0}, {"zoom", -2.0}, {"displayMode", 1}});
            }
            const QJsonObject session {{"windows", QJsonArray {QJsonObject {{"current", 0}, {"tabs", tabs}}}}};
            QFile file(sessionDir + "/session.json");
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(QJsonDocument(session).toJson());
        };
        writeSession(1);
        const QVector<double> one = MeasureLaunch({}, "page", 7);
        writeSession(20);
        const QVector<double> twenty = MeasureLaunch({}, "page", 7);
        QFile::remove(sessionDir + "/session.json");
        std::printf(
            "restoring a session, launch to the current document's first page painted: one document median %.0f ms, "
            "twenty documents median %.0f ms (%d and %d runs)\n",
            Median(one), Median(twenty), int(one.size()), int(twenty.size()));
    }

    // What follows measures this build's engine in this process, not the
    // other program.
    if (qEnvironmentVariableIsSet("RVPDF_BENCH_BINARY"))
        return 0;

    // 2. Scrolling: how long the GUI thread is busy for each scroll step.
    {
        int result = -1;
        auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, manual, {}, result));
        box->resize(1280, 800);
        box->show();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QScrollBar* bar = box->PageView()->verticalScrollBar();
        QVector<double> steps;
        for (int i = 0; i < 600 && bar->value() < bar->maximum(); ++i) {
            bar->setValue(bar->value() + 120);
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            steps.append(step.nsecsElapsed() / 1e6);
            QThread::msleep(4);
        }
        // Jumps far into the document.
        for (int page : {500, 999, 250, 0, 750}) {
            QElapsedTimer step;
            step.start();
            box->PageView()->GoToPage(page);
            QCoreApplication::processEvents();
            steps.append(step.nsecsElapsed() / 1e6);
        }
        std::sort(steps.begin(), steps.end());
        std::printf("scrolling: %d steps, GUI thread busy per step: median %.2f ms, p99 %.2f ms, max %.2f ms (target at "
                    "most %.0f ms: %s)\n",
                    int(steps.size()), steps.at(steps.size() / 2), steps.at(steps.size() * 99 / 100), steps.last(),
                    kTargetStallMs, Verdict(steps.last() <= kTargetStallMs));
        SummaryRow("longest GUI stall while scrolling", QStringLiteral("%1 ms").arg(steps.last(), 0, 'f', 1), QString(),
                   0, QStringLiteral("at most %1 ms").arg(kTargetStallMs), steps.last() <= kTargetStallMs);

        // Zooming in steps: the GUI thread's longest stall, and when the
        // sharp current page arrives (the old picture, scaled, shows until then).
        QVector<double> sharp;
        double longest = 0;
        int page = -1;
        QObject::connect(box->PageView(), &CPageView::SignalPageRendered, [&page](int nPage) {
            if (nPage == page)
                page = -1;
        });
        for (double zoom : {75.0, 90.0, 110.0, 125.0, 140.0, 175.0}) {
            QElapsedTimer clock;
            clock.start();
            QElapsedTimer stall;
            stall.start();
            box->PageView()->SetZoom(zoom);
            page = box->PageView()->CurrentPage();
            QCoreApplication::processEvents();
            longest = qMax(longest, stall.nsecsElapsed() / 1e6);
            while (page >= 0 && clock.elapsed() < 3000) {
                QThread::msleep(1);
                stall.restart();
                QCoreApplication::processEvents();
                longest = qMax(longest, stall.nsecsElapsed() / 1e6);
            }
            sharp.append(clock.nsecsElapsed() / 1e6);
        }
        std::sort(sharp.begin(), sharp.end());
        std::printf("zooming: %d steps, sharp current page after median %.0f ms, at most %.0f ms; longest GUI stall "
                    "%.2f ms (target at most %.0f ms: %s)\n",
                    int(sharp.size()), sharp.at(sharp.size() / 2), sharp.last(), longest, kTargetStallMs,
                    Verdict(longest <= kTargetStallMs));
        SummaryRow("longest GUI stall while zooming", QStringLiteral("%1 ms").arg(longest, 0, 'f', 1), QString(), 0,
                   QStringLiteral("at most %1 ms").arg(kTargetStallMs), longest <= kTargetStallMs);

        // Drawing: 400 pen strokes of 100 points, one every 15 ms, while the
        // recovery copy follows within a second of each change. What the GUI
        // thread pays for a copy (collecting the steps; the writing is on a
        // thread of its own), and its longest stall meanwhile.
        StallMeter meter;
        meter.Start();
        QVector<double> copies;
        for (int stroke = 0; stroke < 400; ++stroke) {
            PdfAnnotation ink;
            ink.page = 0;
            ink.kind = PdfAnnotation::Ink;
            ink.color = Qt::blue;
            ink.width = 2.0;
            QVector<QPointF> path;
            for (int i = 0; i < 100; ++i)
                path << QPointF(50 + i * 4, 100 + stroke % 50 * 10 + (i % 7));
            ink.paths = {path};
            ink.rect = QRectF(48, 98 + stroke % 50 * 10, 404, 12);
            box->Session()->UndoStack()->push(CAnnotationCommand::NewCreate(box->Annotations(), ink, "draw"));
            if (stroke % 100 == 99) {
                QElapsedTimer copy;
                copy.start();
                box->WriteRecoveryCopy();
                copies.append(copy.nsecsElapsed() / 1e6);
            }
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < 15)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const QPair<double, double> stalls = meter.Stop();
        std::printf("drawing 400 strokes with the recovery copy kept: GUI thread per copy %.1f / %.1f / %.1f / %.1f ms "
                    "(100 to 400 strokes); longest GUI stall %.1f ms, of it working %.1f ms\n",
                    copies.value(0), copies.value(1), copies.value(2), copies.value(3), stalls.first, stalls.second);
        box->Session()->DiscardChanges();
        CRecoveryCopy::Flush();
        delete box;
    }

    // 3. What ten documents in one window's page stack hold, the first one
    // shown last, as a window holds its tabs.
    {
        CPageCache::Instance().Clear();
        QStackedWidget stack;
        stack.resize(1280, 800);
        stack.show();
        for (int i = 0; i < 10; ++i) {
            int result = -1;
            stack.addWidget(MainBox::CreatePdfBox(&stack, manual, {}, result));
            stack.setCurrentIndex(i);
            Settle(400);
        }
        stack.setCurrentIndex(0);
        Settle(3000);
        std::printf("ten documents in one window's page stack, settled: page pictures held %.1f MiB in %d pictures "
                    "(the cache's bound %.0f MiB), text %.1f MiB; process resident %.1f MiB\n",
                    CPageCache::Instance().UsedKiB() / 1024.0, CPageCache::Instance().Count(),
                    CPageCache::Instance().LimitKiB() / 1024.0, CTextCache::Instance().UsedBytes() / 1048576.0,
                    TestEnv::ResidentKiB() / 1024.0);
        while (stack.count() > 0)
            delete stack.widget(0);
    }

    return 0;
}
