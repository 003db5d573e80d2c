// Search benchmark on a 1,158-page manual: the first match on screen when it
// is on the page in view, whole-document searches for a common and an absent
// word against the time pdftotext takes to extract the same file (each
// search right after a pdftotext run, three times), the longest stall of the
// GUI thread meanwhile, and the memory that a finished search of a common
// word adds. Prints figures; asserts nothing.
//
//   bench_search [manual.pdf]     (generates the manual when none is given)

#include "CDocumentSearch.h"
#include "CFindBar.h"
#include "CPageCache.h"
#include "CPageView.h"
#include "CSearchOverlay.h"
#include "CTextCache.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "StallMeter.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kManualPages = 1158;
constexpr int kPageInView = 578;

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
// ends. Cold: nothing read before (no cached text, no parser open).
Outcome Search(MainBox* box, const QString& query, bool cold, StallMeter& meter)
{
    CDocumentSearch* search = box->Search();
    const CSearchOverlay* overlay = box->PageView()->findChild<CSearchOverlay*>();
    if (cold) {
        search->Clear();
        CTextCache::Instance().Clear();
    }
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

// Wall and processor seconds of one extraction by pdftotext.
QPair<double, double> PdfToText(const QString& manual, const QString& out)
{
    QElapsedTimer clock;
    const double cpu = CpuSeconds(RUSAGE_CHILDREN);
    clock.start();
    QProcess::execute("pdftotext", {manual, out});
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

void PrintPairs(const char* what, const QVector<Pair>& pairs)
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
    std::printf("%s: %d matches; %.2fx the time of pdftotext (median of %d pairs, best %.2fx; median %.0f ms against "
                "%.0f ms), %.2fx its processor time; longest GUI stall %.1f ms (median of the rounds %.1f ms; "
                "GUI thread working at most %.1f ms of it)",
                what, pairs.first().search.count, Median(wall), int(pairs.size()),
                *std::min_element(wall.begin(), wall.end()), Median(total), Median(extraction), Median(cpu),
                *std::max_element(stall.begin(), stall.end()), Median(stall),
                *std::max_element(busy.begin(), busy.end()));
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
    const QString text = folder + "/manual.txt";

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
    auto against = [&](const QString& query) {
        const QPair<double, double> extraction = PdfToText(manual, text);
        return Pair {Search(box, query, true, meter), extraction.first, extraction.second};
    };
    const qint64 before = TestEnv::ResidentKiB();
    const int picturesBefore = CPageCache::Instance().UsedKiB();
    box->OnMainMenuTrigger("find");
    QVector<Pair> common {against("the")};
    const qint64 after = TestEnv::ResidentKiB();
    const int picturesAdded = CPageCache::Instance().UsedKiB() - picturesBefore;
    const int cachedKiB = CTextCache::Instance().UsedBytes() / 1024;
    QVector<Pair> absent, inView;
    for (int round = 0; round < 3; ++round) {
        if (round > 0)
            common << against("the");
        absent << against("zebra");
        inView << against("configuration");
    }
    const Outcome commonAgain = Search(box, "the", false, meter);
    const Outcome absentAgain = Search(box, "zebra", false, meter);
    const Outcome inViewAgain = Search(box, "configuration", false, meter);

    std::printf("manual: %s, %d pages, searched from page %d\n", qPrintable(manual), box->PageCount(), kPageInView + 1);
    PrintPairs("common word \"the\", nothing read before", common);
    PrintPairs("absent word \"zebra\", nothing read before", absent);
    PrintPairs("\"configuration\", on the page in view, nothing read before", inView);
    PrintWarm("common word again, text kept", commonAgain);
    PrintWarm("absent word again, text kept", absentAgain);
    PrintWarm("\"configuration\" again, text kept", inViewAgain);
    std::printf("memory added by opening the bar and a finished common-word search: %.1f MiB resident (text kept: "
                "%.1f MiB; page pictures rendered for the pages it scrolled to: %.1f MiB)\n",
                (after - before) / 1024.0, cachedKiB / 1024.0, picturesAdded / 1024.0);
    delete box;
    MainBox::DestroyPDF();
    return 0;
}
