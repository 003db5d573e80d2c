#include "CDocumentPrefetch.h"

#include "CJobRunner.h"
#include "CPageColors.h"
#include "CPdfDocument.h"
#include "CViewOptions.h"
#include "OpenRequestKeys.h"

#include <QFileInfo>
#include <QFuture>
#include <QGuiApplication>

namespace {

struct Slot
{
    QString path;
    QFuture<CDocumentPrefetch::Result> future;
};

Slot& Prefetched()
{
    static Slot slot;
    return slot;
}

// Device pixels per point the view will ask for: a fixed zoom, or the
// view's width for anything else (a guess for fit-page and two-page views,
// whose picture then only stands in until the sharp one arrives).
double ScaleFor(const CPdfDocument& document, int viewportWidth, double dpiX, const QVariantMap& options)
{
    const double dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    bool ok = false;
    double zoom = options.value(OpenKey::kZoom).toDouble(&ok);
    if (!ok || zoom < CViewOptions::kMinZoom || zoom > CViewOptions::kMaxZoom)
        zoom = CViewOptions::kFitWidth;
    return CViewOptions::SinglePageScale(zoom, dpiX, viewportWidth, document.MaxPageSize().width()) * dpr;
}

} // namespace

void CDocumentPrefetch::Start(const QString& path, int nViewportWidth, double dDpiX, const QVariantMap& options)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        return;
    Slot& slot = Prefetched();
    slot.path = info.absoluteFilePath();
    const CPageColors::Mode colors = CPageColors::Current();
    const int wantedPage = qMax(0, options.value(OpenKey::kPageIndex).toInt());
    slot.future = CJobRunner::Run([path, nViewportWidth, dDpiX, options, colors, wantedPage]() {
        Result result;
        result.colors = colors;
        result.document = CPdfDocument::Load(path, QByteArray(), &result.status);
        if (!result.document || nViewportWidth <= 0)
            return result;
        result.pageIndex = qMin(wantedPage, result.document->PageCount() - 1);
        result.scale = ScaleFor(*result.document, nViewportWidth, dDpiX, options);
        if (result.scale > 0)
            result.page = CPageColors::Render(*result.document, result.pageIndex, result.scale, QRect(), colors);
        return result;
    });
}

QString CDocumentPrefetch::Path()
{
    return Prefetched().path;
}

CDocumentPrefetch::Result CDocumentPrefetch::Take(const QString& path)
{
    QFuture<Result> future = TakeFuture(path);
    return future.isCanceled() ? Result() : future.result();
}

QFuture<CDocumentPrefetch::Result> CDocumentPrefetch::TakeFuture(const QString& path)
{
    Slot& slot = Prefetched();
    if (slot.path.isEmpty() || slot.path != QFileInfo(path).absoluteFilePath())
        return QFuture<Result>();
    const QFuture<Result> future = slot.future;
    slot = Slot();
    return future;
}

void CDocumentPrefetch::Clear()
{
    Prefetched() = Slot();
}
