// Text recognition benchmark: a 300 dpi A4 scan of a page of text, read by
// the engine's recognition job (pages rendered and read on worker threads,
// one recognizer each) and by the recognizer's own command on the same
// picture, one page after the other. Prints pages per second; asserts
// nothing.
//
//   bench_ocr [pages]

#include "CPdfDocument.h"
#include "CRecognitionJob.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {

QStringList PageOfText()
{
    const QStringList words = {"invoice", "amount", "payable", "within", "thirty", "days", "account",
                               "number",  "the",    "quick",   "brown",  "fox",    "jumps", "over"};
    // As full as the scan's 16 pt lines get across the page.
    QStringList lines;
    for (int line = 0, w = 0; line < 22; ++line) {
        QString row = words.at(w++ % words.size());
        while (row.size() + 1 + words.at(w % words.size()).size() <= 50)
            row += ' ' + words.at(w++ % words.size());
        lines << row;
    }
    return lines;
}

// Pages per second of the engine's job over every page of document.
double EngineRate(const std::shared_ptr<CPdfDocument>& document, int nWorkers)
{
    QList<int> pages;
    for (int i = 0; i < document->PageCount(); ++i)
        pages << i;
    CRecognitionJob job(document, pages, {"eng"});
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&job, &CRecognitionJob::SignalFinished, [&](bool bOk) {
        ok = bOk;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    job.Start(nWorkers);
    loop.exec();
    const double seconds = clock.elapsed() / 1000.0;
    if (!ok || job.Layers().size() != pages.size())
        return -1;
    return pages.size() / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);
    const int count = qMax(1, QCoreApplication::arguments().value(1, "4").toInt());
    const QString folder = TestEnv::MakeDir("bench-ocr");
    const QStringList lines = PageOfText();
    const QString png = folder + "/scan.png";
    const QString pdf = folder + "/scan.pdf";
    if (!TestPdf::ScanPicture(lines).save(png) || !TestPdf::WriteScan(pdf, lines, false, false, count)) {
        std::printf("cannot write the scan\n");
        return 1;
    }
    CPdfDocument::LoadStatus status;
    std::shared_ptr<CPdfDocument> document = CPdfDocument::Load(pdf, QByteArray(), &status);
    if (!document)
        return 1;
    std::printf("text recognition of a 300 dpi A4 page (%d lines of text), %d pages, %d cores\n", int(lines.size()),
                count, QThread::idealThreadCount());
    {
        // The part of the engine's time the command does not spend.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < count; ++i)
            CRecognitionJob::PagePicture(*document, i);
        std::printf("engine, rendering a page at 300 dpi alone: %.2f s a page\n", clock.elapsed() / 1000.0 / count);
    }
    for (int workers : {1, QThread::idealThreadCount()}) {
        const double rate = EngineRate(document, workers);
        std::printf("engine, %d worker(s): %.2f pages/s (%.2f s a page), rendering and writing the text layer "
                    "included\n",
                    workers, rate, rate > 0 ? 1 / rate : 0.0);
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        QProcess tool;
        tool.start("tesseract", {png, folder + QStringLiteral("/cli%1").arg(i), "-l", "eng", "-c",
                                 "textonly_pdf=1", "pdf"});
        if (!tool.waitForFinished(300000) || tool.exitCode() != 0) {
            std::printf("the tesseract command failed: %s\n", tool.readAllStandardError().constData());
            return 1;
        }
    }
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("tesseract command, one page after the other: %.2f pages/s (%.2f s a page), the picture read "
                "from PNG\n",
                count / seconds, seconds / count);
    return 0;
}
