// The figures another viewer sets the bar for, measured in the same run as
// ours: the memory of ten copies of a manual as tabs of one window (and of
// one), and the hand-over of a file to the running instance by a second
// launch, from the launch to the window's title naming the file. The peer is
// qpdfview, where it is installed. Prints figures and ratios; asserts nothing.
//
//   bench_peers [manual.pdf]     (generates the manual when none is given)

#include "BenchProgram.h"
#include "BenchSummary.h"
#include "MKApplication.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestX11.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// The instance waits this long before opening a file sent to a window.
constexpr double kOpenWaitMs = 200;
constexpr double kTargetMemoryRatio = 0.6;
constexpr double kTargetMemoryMiB = 133;
constexpr int kHandOvers = 7;

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

const char* Verdict(bool met)
{
    return met ? "met" : "NOT MET";
}

struct Viewer
{
    QString name;
    QString program;
    // Arguments that open one file in the running instance, or start one.
    QStringList (*open)(const QString& file);
    bool opensManyAtOnce = false;
};

QStringList OpenOurs(const QString& file)
{
    return {file};
}

QStringList OpenPeer(const QString& file)
{
    return {"--unique", file};
}

std::unique_ptr<QProcess> Start(const QString& program, const QStringList& args)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(TestEnv::ChildEnvironment());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, args);
    process->waitForStarted();
    return process;
}

void Stop(QProcess* process)
{
    process->terminate();
    if (!process->waitForFinished(5000)) {
        process->kill();
        process->waitForFinished();
    }
}

// The first window of pid whose title contains text, waited for up to
// nTimeoutMs; 0 when none.
quint32 WindowTitled(TestX11& x11, qint64 pid, const QString& text, int nTimeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < nTimeoutMs) {
        for (quint32 window : x11.WindowsOf(pid)) {
            if (x11.Title(window).contains(text))
                return window;
        }
        QThread::usleep(500);
    }
    return 0;
}

// A small file whose name and title are the same word, so that both viewers
// name it in the window's title.
QString TitledFile(const QString& folder, const QString& word)
{
    const QString path = folder + "/" + word + ".pdf";
    QPdfWriter writer(path);
    writer.setTitle(word);
    QPainter painter(&writer);
    painter.drawText(QPointF(100, 100), word);
    painter.end();
    return path;
}

// A process's resident memory, MiB: all of it, its anonymous part (heap:
// page pictures, parsed documents, text) and what files back (program and
// library code, fonts).
struct Memory
{
    double resident = 0;
    double anonymous = 0;
    double file = 0;
};

Memory MemoryOfProcess(qint64 pid)
{
    Memory memory;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const double mib = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLongLong() / 1024.0;
        if (line.startsWith("VmRSS:"))
            memory.resident = mib;
        else if (line.startsWith("RssAnon:"))
            memory.anonymous = mib;
        else if (line.startsWith("RssFile:"))
            memory.file = mib;
    }
    return memory;
}

QString Held(const Memory& memory)
{
    return QStringLiteral("%1 MiB anonymous, %2 MiB file-backed")
        .arg(memory.anonymous, 0, 'f', 1)
        .arg(memory.file, 0, 'f', 1);
}

// Memory of a viewer holding files as tabs of one window, settled.
Memory MemoryOf(const Viewer& viewer, const QStringList& files)
{
    std::unique_ptr<QProcess> instance
        = Start(viewer.program, viewer.opensManyAtOnce ? files : viewer.open(files.first()));
    QThread::msleep(1500);
    if (!viewer.opensManyAtOnce) {
        for (int i = 1; i < files.size(); ++i) {
            QProcess::execute(viewer.program, viewer.open(files.at(i)));
            QThread::msleep(400);
        }
    }
    QThread::msleep(3000);
    const Memory memory = MemoryOfProcess(instance->processId());
    Stop(instance.get());
    return memory;
}

// Launch to title for each hand-over, less the wait before a handed-over
// file opens (which only our viewer has).
QVector<double> HandOvers(const Viewer& viewer, const QString& folder, double dWaitMs)
{
    TestX11 x11;
    const QString first = TitledFile(folder, viewer.name + "first");
    std::unique_ptr<QProcess> instance = Start(viewer.program, viewer.open(first));
    QVector<double> times;
    if (!WindowTitled(x11, instance->processId(), viewer.name + "first", 30000)) {
        std::printf("%s: no window named after the first file\n", qPrintable(viewer.name));
        Stop(instance.get());
        return times;
    }
    QThread::msleep(1000);
    for (int i = 0; i < kHandOvers; ++i) {
        const QString word = viewer.name + QStringLiteral("handover%1").arg(i);
        const QString file = TitledFile(folder, word);
        QElapsedTimer clock;
        clock.start();
        QProcess::startDetached(viewer.program, viewer.open(file));
        if (WindowTitled(x11, instance->processId(), word, 10000))
            times << clock.nsecsElapsed() / 1e6 - dWaitMs;
        QThread::msleep(500);
    }
    Stop(instance.get());
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);

    QString manual = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = TestEnv::MakeDir("bench-peers");
    if (manual.isEmpty()) {
        manual = folder + "/manual.pdf";
        TestPdf::WriteManual(manual, 1158);
    }
    const Viewer ours {"rvpdf", BenchProgram(), OpenOurs, false};
    const Viewer peer {"qpdfview", QStandardPaths::findExecutable("qpdfview"), OpenPeer, true};
    const bool hasPeer = !peer.program.isEmpty();
    if (!hasPeer)
        std::printf("qpdfview is not installed (scripts/install-deps.sh bench installs it): no peer figures\n");

    // 1. Memory: ten copies of the manual as tabs, and one.
    QStringList copies;
    for (int i = 0; i < 10; ++i) {
        copies << folder + QStringLiteral("/copy-%1.pdf").arg(i);
        QFile::copy(manual, copies.last());
    }
    const Memory oneOurs = MemoryOf(ours, copies.mid(0, 1));
    const Memory tenOurs = MemoryOf(ours, copies);
    std::printf("manual: %s\n", qPrintable(manual));
    if (hasPeer) {
        const Memory onePeer = MemoryOf(peer, copies.mid(0, 1));
        const Memory tenPeer = MemoryOf(peer, copies);
        std::printf("one document: %.1f MiB resident against qpdfview's %.1f MiB: %.2fx\n", oneOurs.resident,
                    onePeer.resident, oneOurs.resident / onePeer.resident);
        const double ratio = tenOurs.resident / tenPeer.resident;
        std::printf("ten documents as tabs: %.1f MiB resident against qpdfview's %.1f MiB: %.2fx (target at most "
                    "%.0f MiB and %.2fx: %s); ours %s, qpdfview's %s\n",
                    tenOurs.resident, tenPeer.resident, ratio, kTargetMemoryMiB, kTargetMemoryRatio,
                    Verdict(tenOurs.resident <= kTargetMemoryMiB && ratio <= kTargetMemoryRatio),
                    qPrintable(Held(tenOurs)), qPrintable(Held(tenPeer)));
        SummaryRow("memory, ten copies of the manual as tabs, settled",
                   QStringLiteral("%1 MiB").arg(tenOurs.resident, 0, 'f', 1),
                   QStringLiteral("qpdfview %1 MiB").arg(tenPeer.resident, 0, 'f', 1), ratio,
                   QStringLiteral("at most %1 MiB and %2x").arg(kTargetMemoryMiB).arg(kTargetMemoryRatio),
                   tenOurs.resident <= kTargetMemoryMiB && ratio <= kTargetMemoryRatio);
    } else {
        std::printf("one document: %.1f MiB resident; ten documents as tabs: %.1f MiB (target at most %.0f MiB: %s; "
                    "%s)\n",
                    oneOurs.resident, tenOurs.resident, kTargetMemoryMiB, Verdict(tenOurs.resident <= kTargetMemoryMiB),
                    qPrintable(Held(tenOurs)));
    }

    // 2. Hand-over to the running instance.
    const QVector<double> handOurs = HandOvers(ours, folder, kOpenWaitMs);
    if (hasPeer) {
        const QVector<double> handPeer = HandOvers(peer, folder, 0);
        const double a = Median(handOurs), b = Median(handPeer);
        std::printf("hand-over, launch to the file's title: %.0f ms net of the %.0f ms wait before it opens (median of %d, "
                    "best %.0f ms) against qpdfview's %.0f ms (median of %d, best %.0f ms): %.2fx (target at most "
                    "qpdfview's: %s)\n",
                    a, kOpenWaitMs, int(handOurs.size()),
                    handOurs.isEmpty() ? 0.0 : *std::min_element(handOurs.begin(), handOurs.end()), b,
                    int(handPeer.size()),
                    handPeer.isEmpty() ? 0.0 : *std::min_element(handPeer.begin(), handPeer.end()), a / qMax(b, 0.1),
                    Verdict(a <= b));
        SummaryRow("hand-over, launch to the file's title, less the 200 ms wait", QStringLiteral("%1 ms").arg(a, 0, 'f', 0),
                   QStringLiteral("qpdfview %1 ms").arg(b, 0, 'f', 0), a / qMax(b, 0.1), "at most qpdfview's", a <= b);
    } else {
        std::printf("hand-over, launch to the file's title: %.0f ms net of the %.0f ms wait before it opens (median of %d)\n",
                    Median(handOurs), kOpenWaitMs, int(handOurs.size()));
    }
    return 0;
}
