// Search benchmark on a 1,158-page manual: whole-document searches for a
// common word, an absent word and a phrase against the time `pdftotext FILE -`
// takes to extract the same file (each search right after a pdftotext run,
// three times), first with nothing read before, then with the text kept on
// disk by an earlier session; the first match on screen, the longest stall of
// the GUI thread meanwhile, and the memory that a finished search of a common
// word adds. Prints figures beside their targets; asserts nothing.
//
//   bench_search [manual.pdf]     (generates the manual when none is given)

#include "CDocumentSearch.h"
#include "CFindBar.h"
#include "CPageCache.h"
#include "CPageView.h"
#include "CSearchOverlay.h"
#include "CJobRunner.h"
#include "CTextCache.h"
#include "CTextStore.h"
#include "BenchSummary.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "StallMeter.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kManualPages = 1158;
constexpr int kPageInView = 578;
constexpr double kTargetRatio = 0.6;
constexpr double kTargetStallMs = 16;

// What the search finds at hand when it starts.
enum Start {
    Cold, // nothing: no text in memory, none kept on disk
    Kept, // the text kept on disk by an earlier session, none in memory
    Warm, // the text of this session's last search
};

// Processor time used so far by this process, or by its finished children.
double CpuSeconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Outcome
{
    double firstMs = -1;
    double totalMs = 0;
    double cpuMs = 0;
    double stallMs = 0;
    double busyMs = 0;
    int count = 0;
    int firstPage = -1;
};

// Enter in the find bar with query, then the event loop until the search
// ends.
Outcome Search(MainBox* box, const QString& query, Start start, StallMeter& meter)
{
    CDocumentSearch* search = box->Search();
    const CSearchOverlay* overlay = box->PageView()->findChild<CSearchOverlay*>();
    // The last search's text is on its way to the disk.
    CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
    CJobRunner::ThreadPool(CJobRunner::FilePool)->waitForDone();
    if (start != Warm) {
        search->Clear();
        CTextCache::Instance().Clear();
    }
    if (start == Cold)
        QDir(CTextStore::Folder()).removeRecursively();
    box->PageView()->GoToPage(kPageInView);
    box->FindBar()->Field()->setText(query);
    Outcome outcome;
    QEventLoop loop;
    QElapsedTimer clock;
    auto check = [&]() {
        if (outcome.firstMs < 0 && overlay->CurrentMatchPainted()) {
            outcome.firstMs = clock.nsecsElapsed() / 1e6;
            outcome.firstPage = search->CurrentPage();
        }
        const CDocumentSearch::State state = search->GetState();
        if (state == CDocumentSearch::Finished || state == CDocumentSearch::NoText) {
            if (outcome.totalMs == 0)
                outcome.totalMs = clock.nsecsElapsed() / 1e6;
            if (outcome.firstMs >= 0 || search->Count() == 0)
                loop.quit();
        }
    };
    meter.onTick = check;
    const QMetaObject::Connection progress = QObject::connect(search, &CDocumentSearch::SignalProgress, check);
    meter.Start();
    const double cpu = CpuSeconds(RUSAGE_SELF);
    clock.start();
    QTest::keyClick(box->FindBar()->Field(), Qt::Key_Return);
    loop.exec();
    outcome.cpuMs = (CpuSeconds(RUSAGE_SELF) - cpu) * 1000;
    const QPair<double, double> stall = meter.Stop();
    outcome.stallMs = stall.first;
    outcome.busyMs = stall.second;
    QObject::disconnect(progress);
    outcome.count = search->Count();
    return outcome;
}

// Wall and processor seconds of one `pdftotext FILE -`, its text thrown away.
QPair<double, double> PdfToText(const QString& manual)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    const double cpu = CpuSeconds(RUSAGE_CHILDREN);
    clock.start();
    process.start("pdftotext", {manual, "-"});
    process.waitForFinished(-1);
    return {clock.elapsed() / 1000.0, CpuSeconds(RUSAGE_CHILDREN) - cpu};
}

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// A cold search right after a pdftotext run on the same file, so that both
// meet the same load on a shared machine; each pair gives one ratio.
struct Pair
{
    Outcome search;
    double pdftotext = 0;
    double pdftotextCpu = 0;
};

void PrintPairs(const char* what, const QVector<Pair>& pairs, const QString& manual = QString())
{
    QVector<double> wall, cpu, stall, busy, first, total, extraction;
    for (const Pair& pair : pairs) {
        busy << pair.search.busyMs;
        wall << pair.search.totalMs / 1000.0 / pair.pdftotext;
        cpu << pair.search.cpuMs / 1000.0 / pair.pdftotextCpu;
        stall << pair.search.stallMs;
        first << pair.search.firstMs;
        total << pair.search.totalMs;
        extraction << pair.pdftotext * 1000.0;
    }
    const double ratio = Median(wall);
    const double longest = *std::max_element(stall.begin(), stall.end());
    std::printf("%s: %d matches in %.0f ms against pdftotext's %.0f ms: %.2fx (target at most %.2fx: %s; median "
                "of %d pairs, best %.2fx), %.2fx its processor time; longest GUI stall %.1f ms (target at most "
                "%.0f ms: %s; median of the rounds %.1f ms, GUI thread working at most %.1f ms of it)",
                what, pairs.first().search.count, Median(total), Median(extraction), ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "NOT MET", int(pairs.size()), *std::min_element(wall.begin(), wall.end()),
                Median(cpu), longest, kTargetStallMs, longest <= kTargetStallMs ? "met" : "NOT MET", Median(stall),
                *std::max_element(busy.begin(), busy.end()));
    if (!manual.isEmpty())
        SummaryRow(QStringLiteral("search %1, %2").arg(QString::fromUtf8(what), manual),
                   QStringLiteral("%1 ms").arg(Median(total), 0, 'f', 0),
                   QStringLiteral("pdftotext %1 ms").arg(Median(extraction), 0, 'f', 0), ratio,
                   QStringLiteral("at most %1x").arg(kTargetRatio, 0, 'f', 2), ratio <= kTargetRatio);
    if (pairs.first().search.firstMs >= 0)
        std::printf("; first match on screen (page %d) after %.0f ms median, %.0f ms at most",
                    pairs.first().search.firstPage + 1, Median(first), *std::max_element(first.begin(), first.end()));
    std::printf("\n");
}

void PrintWarm(const char* what, const Outcome& outcome)
{
    std::printf("%s: %d matches in %.0f ms, longest GUI stall %.1f ms (working %.1f ms)", what, outcome.count,
                outcome.totalMs, outcome.stallMs, outcome.busyMs);
    if (outcome.firstMs >= 0)
        std::printf(", first match on screen after %.0f ms", outcome.firstMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);

    const QString folder = TestEnv::MakeDir("bench-search");
    QString manual = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (manual.isEmpty()) {
        manual = folder + "/manual.pdf";
        TestPdf::WriteManual(manual, kManualPages);
    }

    int result = -1;
    auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, manual, {}, result));
    if (!box) {
        std::printf("cannot open %s (%d)\n", qPrintable(manual), result);
        return 1;
    }
    box->resize(1280, 800);
    box->show();
    box->PageView()->GoToPage(kPageInView);
    // The results list open (the pages narrower), everything drawn.
    emit box->FindBar()->SignalShowResults();
    QEventLoop settle;
    QTimer::singleShot(2500, &settle, &QEventLoop::quit);
    settle.exec();

    StallMeter meter;
    auto against = [&](const QString& query, Start start) {
        const QPair<double, double> extraction = PdfToText(manual);
        return Pair {Search(box, query, start, meter), extraction.first, extraction.second};
    };
    const QStringList queries {"the", "zebra", "of the"};
    const char* const names[] {"common word \"the\"", "absent word \"zebra\"", "phrase \"of the\""};
    const qint64 before = TestEnv::ResidentKiB();
    const int picturesBefore = CPageCache::Instance().UsedKiB();
    box->OnMainMenuTrigger("find");
    QVector<QVector<Pair>> cold(queries.size()), kept(queries.size());
    cold[0] << against(queries.at(0), Cold);
    const qint64 after = TestEnv::ResidentKiB();
    const int picturesAdded = CPageCache::Instance().UsedKiB() - picturesBefore;
    const int cachedKiB = CTextCache::Instance().UsedBytes() / 1024;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < queries.size(); ++i) {
            if (round > 0 || i > 0)
                cold[i] << against(queries.at(i), Cold);
        }
    }
    CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
    CJobRunner::ThreadPool(CJobRunner::FilePool)->waitForDone();
    qint64 keptBytes = 0;
    for (const QFileInfo& info : QDir(CTextStore::Folder()).entryInfoList(QDir::Files))
        keptBytes += info.size();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < queries.size(); ++i)
            kept[i] << against(queries.at(i), Kept);
    }
    QVector<Outcome> warm;
    for (const QString& query : queries)
        warm << Search(box, query, Warm, meter);

    std::printf("manual: %s, %d pages, searched from page %d\n", qPrintable(manual), box->PageCount(), kPageInView + 1);
    const QString manualName = QFileInfo(manual).fileName();
    double longestStall = 0;
    for (const QVector<QVector<Pair>>* rounds : {&cold, &kept}) {
        for (const QVector<Pair>& pairs : *rounds) {
            for (const Pair& pair : pairs)
                longestStall = std::max(longestStall, pair.search.stallMs);
        }
    }
    for (int i = 0; i < queries.size(); ++i)
        PrintPairs(qPrintable(QStringLiteral("%1, nothing read before").arg(names[i])), cold[i], manualName);
    for (int i = 0; i < queries.size(); ++i)
        PrintPairs(qPrintable(QStringLiteral("%1, text kept on disk by an earlier session").arg(names[i])), kept[i]);
    for (int i = 0; i < queries.size(); ++i)
        PrintWarm(qPrintable(QStringLiteral("%1 again, text of this session").arg(names[i])), warm.at(i));
    SummaryRow(QStringLiteral("longest GUI stall while searching, %1").arg(manualName),
               QStringLiteral("%1 ms").arg(longestStall, 0, 'f', 1), QString(), 0,
               QStringLiteral("at most %1 ms").arg(kTargetStallMs, 0, 'f', 0), longestStall <= kTargetStallMs);
    std::printf("text kept on disk: %.2f MiB for %d pages, %.2f MiB per 1,000 pages (the folder is held under %lld "
                "MiB)\n",
                keptBytes / 1048576.0, box->PageCount(), keptBytes / 1048576.0 * 1000 / qMax(1, box->PageCount()),
                CTextStore::kLimitBytes / 1048576);
    std::printf("memory added by opening the bar and a finished common-word search: %.1f MiB resident (text kept: "
                "%.1f MiB; page pictures rendered for the pages it scrolled to: %.1f MiB)\n",
                (after - before) / 1024.0, cachedKiB / 1024.0, picturesAdded / 1024.0);
    delete box;
    MainBox::DestroyPDF();
    return 0;
}
