#include "CPdfPrinter.h"

#include "CPdfDocument.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

bool CPdfPrinter::Print(const std::shared_ptr<CPdfDocument>& document, QPrinter* printer, int nFrom, int nTo,
                        QWidget* parent)
{
    if (!document || !printer || document->PageCount() == 0)
        return false;
    const int first = nFrom < 0 ? 0 : qMin(nFrom, document->PageCount() - 1);
    const int last = nTo < 0 ? document->PageCount() - 1 : qMin(nTo, document->PageCount() - 1);
    if (first > last)
        return false;

    QPainter painter;
    if (!painter.begin(printer))
        return false;
    QProgressDialog* progress = nullptr;
    if (parent) {
        progress = new QProgressDialog(QCoreApplication::translate("CPdfPrinter", "Printing..."),
                                       QCoreApplication::translate("CPdfPrinter", "Cancel"), first, last + 1, parent);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
    }
    const double dpi = qMin(printer->resolution(), 600);
    bool ok = true;
    for (int page = first; page <= last; ++page) {
        if (progress) {
            progress->setValue(page);
            QCoreApplication::processEvents();
            if (progress->wasCanceled()) {
                ok = false;
                break;
            }
        }
        if (page > first)
            printer->newPage();
        const QImage image = document->RenderPage(page, dpi / 72.0);
        if (image.isNull())
            continue;
        // Fit the page to the printable area, keeping its proportions.
        const QRect area = painter.viewport();
        QSize target = image.size();
        target.scale(area.size(), Qt::KeepAspectRatio);
        const QRect where(area.x() + (area.width() - target.width()) / 2,
                          area.y() + (area.height() - target.height()) / 2, target.width(), target.height());
        painter.drawImage(where, image);
    }
    painter.end();
    delete progress;
    return ok;
}
