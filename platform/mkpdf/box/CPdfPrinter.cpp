#include "CPdfPrinter.h"

#include "CDocumentSaver.h"
#include "CEditSession.h"
#include "CPdfDocument.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProgressDialog>

namespace {

// Where Qt's print dialog leaves the CUPS options it does not map onto
// QPrinter (pages per sheet, page set, the "Pages" field, the printer's own
// properties): name, value, name, value...
const QPrintEngine::PrintEnginePropertyKey kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

} // namespace

bool CPdfPrinter::MayPrint(QWidget* owner, CEditSession* session)
{
    if (session->Document()->OkToPrint())
        return true;
    CDocumentSaver::ShowError(owner, tr("Cannot Print"),
                              tr("The document's permissions do not allow printing it. Open it with its permissions "
                                 "password to print it."));
    return false;
}

bool CPdfPrinter::HasTarget(QWidget* owner, QPrinter& printer)
{
    // Qt falls back to PDF output, without a file, for a printer it does not know.
    if (printer.outputFormat() == QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return true;
    CDocumentSaver::ShowError(owner, tr("Failed to Print"), tr("No printer and no file to print to were chosen."));
    return false;
}

void CPdfPrinter::AskPrint(QWidget* owner, CEditSession* session, int nCurrentPage)
{
    if (!MayPrint(owner, session))
        return;
    const int pages = session->Plan().Count();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(session->Document()->FilePath()).completeBaseName());
    printer.setFromTo(1, pages);
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dialog.exec() == QDialog::Accepted && HasTarget(owner, printer))
        Start(owner, session, SettingsFor(printer, nCurrentPage));
}

bool CPdfPrinter::PrintTo(QWidget* owner, CEditSession* session, QPrinter* printer, int nFrom, int nTo)
{
    if (!printer || !MayPrint(owner, session) || !HasTarget(owner, *printer))
        return false;
    PrintSettings settings = SettingsFor(*printer, 0);
    if (settings.title.isEmpty())
        settings.title = QFileInfo(session->Document()->FilePath()).completeBaseName();
    if (nFrom >= 0 || nTo >= 0)
        settings.pages = QStringLiteral("%1-%2").arg(qMax(nFrom, 0) + 1).arg(nTo < 0 ? QString() : QString::number(nTo + 1));
    QPointer<CPrintJob> job = Start(owner, session, settings);
    bool ok = false;
    QEventLoop loop;
    QObject::connect(job, &CPrintJob::SignalFinished, &loop, [&loop, &ok](bool bOk) {
        ok = bOk;
        loop.quit();
    });
    // Without a progress window there is nothing to click meanwhile.
    loop.exec(owner->isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return ok;
}

CPrintJob* CPdfPrinter::Start(QWidget* owner, CEditSession* session, const PrintSettings& settings)
{
    auto* job = new CPrintJob(session->MakeJob(QString()), settings, owner);
    QProgressDialog* progress = nullptr;
    if (owner->isVisible()) {
        progress = new QProgressDialog(owner);
        progress->setObjectName("print_progress");
        progress->setWindowTitle(tr("Print"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setAutoClose(false);
        progress->setAutoReset(false);
        progress->setMinimumDuration(300);
        progress->setCancelButtonText(tr("Cancel"));
        progress->setLabelText(tr("Preparing the pages..."));
        progress->setValue(0);
        QObject::connect(progress, &QProgressDialog::canceled, job, &CPrintJob::Cancel);
    }
    const QString where = settings.outputFile.isEmpty() ? settings.printer : QFileInfo(settings.outputFile).fileName();
    QObject::connect(job, &CPrintJob::SignalProgress, job, [progress, settings, where](int nStage, int nPercent) {
        if (!progress)
            return;
        if (nStage == CPrintJob::Sending)
            progress->setLabelText(tr("Sending to \"%1\"...").arg(where));
        else if (!settings.outputFile.isEmpty())
            progress->setLabelText(tr("Writing \"%1\"...").arg(where));
        progress->setValue(nPercent);
    });
    QObject::connect(job, &CPrintJob::SignalFinished, job, [owner, job, progress](bool, const QString& strError) {
        delete progress;
        job->deleteLater();
        if (!strError.isEmpty())
            CDocumentSaver::ShowError(owner, tr("Failed to Print"), strError);
    });
    job->Start();
    return job;
}

PrintSettings CPdfPrinter::SettingsFor(QPrinter& printer, int nCurrentPage)
{
    PrintSettings settings;
    if (!printer.outputFileName().isEmpty())
        settings.outputFile = printer.outputFileName();
    else
        settings.printer = printer.printerName();
    settings.title = printer.docName();
    settings.copies = printer.copyCount();
    settings.collate = printer.collateCopies();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        settings.pages = QStringLiteral("%1-%2").arg(printer.fromPage()).arg(qMax(printer.fromPage(), printer.toPage()));
    else if (printer.printRange() == QPrinter::CurrentPage)
        settings.pages = QString::number(nCurrentPage + 1);
    const QPageLayout layout = printer.pageLayout();
    settings.landscape = layout.orientation() == QPageLayout::Landscape;
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        settings.sides = PrintSettings::TwoSidedLongEdge;
        break;
    case QPrinter::DuplexShortSide:
        settings.sides = PrintSettings::TwoSidedShortEdge;
        break;
    case QPrinter::DuplexAuto:
        settings.sides = PrintSettings::PrinterSides;
        break;
    case QPrinter::DuplexNone:
        break;
    }
    settings.grayscale = printer.colorMode() == QPrinter::GrayScale;
    settings.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    if (layout.pageSize().isValid() && layout.pageSize().id() != QPageSize::Custom)
        settings.media = layout.pageSize().key();
    const QStringList cups = printer.printEngine()->property(kCupsOptions).toStringList();
    for (int i = 0; i + 1 < cups.size(); i += 2) {
        // The dialog's "Pages" field: a list of ranges it leaves to CUPS.
        if (cups.at(i) == QLatin1String("page-ranges"))
            settings.pages = cups.at(i + 1);
        else
            settings.extra.append({cups.at(i).toUtf8(), cups.at(i + 1).toUtf8()});
    }
    return settings;
}
