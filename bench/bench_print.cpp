// Print benchmark: the R manual (or a generated 113-page one) printed through
// MainBox::PrintTo into a PDF file, or to a CUPS queue when one is named:
// the wall time until the job was handed over, its size against the
// source's, and the longest stall of the GUI thread meanwhile. Prints
// figures; asserts nothing.
//
//   bench_print [file.pdf] [--printer QUEUE]

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

#include <algorithm>
#include <cstdio>

namespace {

const char* const kManual = "/usr/share/R/doc/manual/R-intro.pdf";

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString queue;
    const int named = args.indexOf("--printer");
    if (named >= 0) {
        queue = args.value(named + 1);
        args.erase(args.begin() + named, args.begin() + std::min<int>(named + 2, args.size()));
    }
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
    const qint64 sourceSize = QFileInfo(source).size();
    std::printf("printing %s: %d pages, %.2f MiB, %s\n", qPrintable(QFileInfo(source).fileName()), box->PageCount(),
                sourceSize / 1048576.0, queue.isEmpty() ? "to a PDF file" : qPrintable("to CUPS queue " + queue));
    for (int run = 1; run <= 3; ++run) {
        const QString output = folder + QStringLiteral("/printed%1.pdf").arg(run);
        QPrinter printer(QPrinter::HighResolution);
        if (queue.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(output);
        } else {
            printer.setPrinterName(queue);
        }
        StallMeter meter;
        QElapsedTimer clock;
        meter.Start();
        clock.start();
        const bool ok = box->PrintTo(&printer);
        const double seconds = clock.elapsed() / 1000.0;
        const QPair<double, double> stall = meter.Stop();
        if (queue.isEmpty()) {
            const qint64 size = QFileInfo(output).size();
            std::printf("run %d: %s in %.2f s, %.2f MiB = %.2fx the source (goal: at most 3 s and 2x); GUI thread "
                        "stalled at most %.1f ms (working %.1f ms of it)\n",
                        run, ok ? "printed" : "FAILED", seconds, size / 1048576.0, double(size) / double(sourceSize),
                        stall.first, stall.second);
        } else {
            std::printf("run %d: %s in %.2f s (the job's size: lpstat -W completed -o); GUI thread stalled at most "
                        "%.1f ms (working %.1f ms of it)\n",
                        run, ok ? "handed to CUPS" : "FAILED", seconds, stall.first, stall.second);
        }
    }
    delete box;
    MainBox::DestroyPDF();
    return 0;
}
