#include "CDocumentPrefetch.h"

#include "CPageColors.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CRenderQueue.h"
#include "OpenRequestKeys.h"

#include <QApplication>
#include <QFileInfo>
#include <QFuture>
#include <QScreen>
#include <QStyle>

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
double ScaleFor(const CPdfDocument& document, const QSize& viewSize, const QVariantMap& options)
{
    const double dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    bool ok = false;
    double zoom = options.value(OpenKey::kZoom).toDouble(&ok);
    if (!ok || zoom < CPageView::kMinZoom || zoom > CPageView::kMaxZoom)
        zoom = CPageView::kFitWidth;
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The view less a scroll bar: long documents always show one.
    const int viewport = viewSize.width() - QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return CPageView::SinglePageScale(zoom, screen ? screen->logicalDotsPerInchX() : 96.0, viewport,
                                      document.MaxPageSize().width())
        * dpr;
}

} // namespace

void CDocumentPrefetch::Start(const QString& path, const QSize& viewSize, const QVariantMap& options)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        return;
    Slot& slot = Prefetched();
    slot.path = info.absoluteFilePath();
    const CPageColors::Mode colors = CPageColors::Current();
    const int wantedPage = qMax(0, options.value(OpenKey::kPageIndex).toInt());
    slot.future = CRenderQueue::Run([path, viewSize, options, colors, wantedPage]() {
        Result result;
        result.colors = colors;
        result.document = CPdfDocument::Load(path, QByteArray(), &result.status);
        if (!result.document || !viewSize.isValid())
            return result;
        result.pageIndex = qMin(wantedPage, result.document->PageCount() - 1);
        result.scale = ScaleFor(*result.document, viewSize, options);
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
