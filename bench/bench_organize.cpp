// Organizer benchmark on a 1,158-page manual: open the organizer, scroll
// its grid, select every page but the first ten, delete them and save. For
// each step the longest stall of the GUI thread (and how much of it the
// thread itself was working), and how long the save took until the
// document showed again. Prints figures; asserts nothing.
//
//   bench_organize [manual.pdf]     (generates the manual when none is given)

#include "COrganizerBox.h"
#include "COrganizerView.h"
#include "CPdfDocument.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "StallMeter.h"
#include "TestEnv.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

#include <cstdio>

namespace {

constexpr int kManualPages = 1158;

void Settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Report(const char* step, const QPair<double, double>& stall, double wallMs)
{
    std::printf("%-44s %8.1f ms; GUI thread stalled at most %5.1f ms (working %5.1f ms of it)\n", step, wallMs,
                stall.first, stall.second);
}

} // namespace

int main(int argc, char** argv)
{
    RV_BENCH_APP(argc, argv);
    const QString folder = TestEnv::MakeDir("bench-organize");
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1]) : folder + "/source.pdf";
    if (argc <= 1) {
        QElapsedTimer clock;
        clock.start();
        TestPdf::WriteManual(source, kManualPages);
        std::printf("generated a %d-page manual (%.1f MiB) in %.1f s\n", kManualPages,
                    QFileInfo(source).size() / 1048576.0, clock.elapsed() / 1000.0);
    }
    const QString path = folder + "/manual.pdf";
    QFile::remove(path);
    QFile::copy(source, path);

    int result = -1;
    auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, path, {}, result));
    if (!box) {
        std::printf("cannot open %s\n", qPrintable(path));
        return 1;
    }
    const int pages = box->PageCount();
    box->resize(1280, 800);
    box->show();
    Settle(1500);
    StallMeter meter;
    QElapsedTimer clock;

    meter.Start();
    clock.start();
    box->ShowOrganizer();
    COrganizerView* view = box->Organizer()->View();
    Settle(300);
    Report("open the organizer, first pictures", meter.Stop(), clock.elapsed());

    meter.Start();
    clock.start();
    QScrollBar* bar = view->verticalScrollBar();
    for (int i = 0; i < 200 && bar->value() < bar->maximum(); ++i) {
        bar->setValue(bar->value() + 150);
        QCoreApplication::processEvents();
    }
    bar->setValue(0);
    Settle(300);
    Report("scroll through the grid", meter.Stop(), clock.elapsed());

    meter.Start();
    clock.start();
    QList<int> chosen;
    for (int i = 10; i < pages; ++i)
        chosen << i;
    view->SetSelection(chosen);
    QCoreApplication::processEvents();
    box->Organizer()->DeleteSelection();
    QCoreApplication::processEvents();
    Report("select all but the first 10 and delete", meter.Stop(), clock.elapsed());

    meter.Start();
    clock.start();
    box->OnMainMenuTrigger("save");
    const double saveMs = clock.elapsed();
    QCoreApplication::processEvents();
    Report("save (write, replace, open again)", meter.Stop(), saveMs);

    CPdfDocument::LoadStatus status;
    const auto saved = CPdfDocument::Load(path, QByteArray(), &status);
    std::printf("%d pages became %d; %.1f MiB became %.2f MiB; document dirty: %s\n", pages,
                saved ? saved->PageCount() : -1, QFileInfo(source).size() / 1048576.0,
                QFileInfo(path).size() / 1048576.0, box->IsDirty() ? "yes" : "no");
    delete box;
    return 0;
}
