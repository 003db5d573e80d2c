// Print benchmark: the R manual (or a generated 113-page one) printed through
// MainBox::PrintTo into a PDF file, and, given a CUPS queue that writes what
// it prints to a file (a PDF printer), to that queue beside `lp` printing
// the same file to it in the same run: the wall time until the printed PDF
// is complete, its size against the source's, and the longest stall of the
// GUI thread meanwhile. Prints figures and ratios; asserts nothing.
//
//   bench_print [file.pdf] [--printer QUEUE --printed FILE]

#include "BenchSummary.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "StallMeter.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

const char* const kManual = "/usr/share/R/doc/manual/R-intro.pdf";
constexpr double kTargetSeconds = 3;
constexpr double kTargetRatio = 2;
constexpr int kRuns = 3;

const char* Verdict(bool met)
{
    return met ? "met" : "NOT MET";
}

// The value after option in args, which loses both; empty when absent.
QString TakeOption(QStringList& args, const QString& option)
{
    const int at = args.indexOf(option);
    if (at < 0)
        return QString();
    const QString value = args.value(at + 1);
    args.erase(args.begin() + at, args.begin() + std::min<int>(at + 2, args.size()));
    return value;
}

// Waits until queue holds no job that has not completed; false after a
// minute.
bool WaitForQueue(const QString& queue)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        QProcess lpstat;
        lpstat.start("lpstat", {"-o", queue});
        lpstat.waitForFinished(-1);
        if (lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QThread::msleep(5);
    }
    return false;
}

struct Printed
{
    bool ok = false;
    double seconds = 0;
    double handedOver = 0;
    qint64 size = 0;
    QPair<double, double> stall;
};

Printed PrintOurs(MainBox* box, QPrinter& printer, const QString& queue, const QString& printed)
{
    QFile::remove(printed);
    Printed result;
    StallMeter meter;
    QElapsedTimer clock;
    meter.Start();
    clock.start();
    result.ok = box->PrintTo(&printer);
    result.handedOver = clock.elapsed() / 1000.0;
    result.stall = meter.Stop();
    result.ok = result.ok && (queue.isEmpty() || WaitForQueue(queue));
    result.seconds = clock.elapsed() / 1000.0;
    result.size = QFileInfo(printed).size();
    return result;
}

Printed PrintWithLp(const QString& source, const QString& queue, const QString& printed)
{
    QFile::remove(printed);
    Printed result;
    QElapsedTimer clock;
    clock.start();
    result.ok = QProcess::execute("lp", {"-s", "-d", queue, source}) == 0 && WaitForQueue(queue);
    result.seconds = clock.elapsed() / 1000.0;
    result.size = QFileInfo(printed).size();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString queue = TakeOption(args, "--printer");
    const QString printed = TakeOption(args, "--printed");
    const QString folder = TestEnv::MakeDir("bench-print");
    QString source = args.value(0);
    if (source.isEmpty() && QFileInfo::exists(kManual))
        source = kManual;
    if (source.isEmpty()) {
        source = folder + "/manual.pdf";
        TestPdf::WriteManual(source, 113);
        std::printf("no R manual (Debian package r-doc-pdf): a generated 113-page one instead\n");
    }
    int result = -1;
    auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, source, {}, result));
    if (!box) {
        std::printf("cannot open %s\n", qPrintable(source));
        return 1;
    }
    const double sourceSize = QFileInfo(source).size();
    std::printf("printing %s: %d pages, %.2f MiB\n", qPrintable(QFileInfo(source).fileName()), box->PageCount(),
                sourceSize / 1048576.0);
    for (int run = 1; run <= kRuns; ++run) {
        const QString output = folder + QStringLiteral("/printed%1.pdf").arg(run);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        const Printed ours = PrintOurs(box, printer, QString(), output);
        std::printf("to a PDF file, run %d: %s in %.2f s, %.2f MiB = %.2fx the source; GUI thread stalled at most "
                    "%.1f ms (working %.1f ms of it)\n",
                    run, ours.ok ? "printed" : "FAILED", ours.seconds, ours.size / 1048576.0, ours.size / sourceSize,
                    ours.stall.first, ours.stall.second);
    }
    if (!queue.isEmpty() && !printed.isEmpty()) {
        for (int run = 1; run <= kRuns; ++run) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPrinterName(queue);
            const Printed ours = PrintOurs(box, printer, queue, printed);
            const Printed peer = PrintWithLp(source, queue, printed);
            const bool met = ours.ok && ours.seconds <= kTargetSeconds && ours.size <= kTargetRatio * sourceSize;
            std::printf("to the PDF printer %s, run %d: %s in %.2f s (handed over after %.2f s) against lp's %.2f s: "
                        "%.2fx; the printed PDF %.2f MiB = %.2fx the source against lp's %.2fx (target at most "
                        "%.0f s and %.0fx the source: %s); GUI thread stalled at most %.1f ms (working %.1f ms of it)\n",
                        qPrintable(queue), run, ours.ok ? "printed" : "FAILED", ours.seconds, ours.handedOver,
                        peer.seconds, ours.seconds / qMax(peer.seconds, 0.001), ours.size / 1048576.0,
                        ours.size / sourceSize, peer.size / sourceSize, kTargetSeconds, kTargetRatio, Verdict(met),
                        ours.stall.first, ours.stall.second);
            if (run == kRuns) {
                const QString name = QFileInfo(source).fileName();
                SummaryRow(QStringLiteral("printing %1 to a PDF printer: time").arg(name),
                           QStringLiteral("%1 s").arg(ours.seconds, 0, 'f', 2),
                           QStringLiteral("lp %1 s").arg(peer.seconds, 0, 'f', 2), ours.seconds / qMax(peer.seconds, 0.001),
                           QStringLiteral("at most %1 s").arg(kTargetSeconds), ours.ok && ours.seconds <= kTargetSeconds);
                SummaryRow(QStringLiteral("printing %1 to a PDF printer: size against the source's").arg(name),
                           QStringLiteral("%1x").arg(ours.size / sourceSize, 0, 'f', 2),
                           QStringLiteral("lp %1x").arg(peer.size / sourceSize, 0, 'f', 2),
                           double(ours.size) / qMax<qint64>(peer.size, 1), QStringLiteral("at most %1x").arg(kTargetRatio),
                           ours.ok && ours.size <= kTargetRatio * sourceSize);
            }
        }
    }
    delete box;
    MainBox::DestroyPDF();
    return 0;
}
