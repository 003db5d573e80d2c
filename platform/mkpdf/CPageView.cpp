#include "CPageView.h"

#include "CPdfDocument.h"
#include "CRenderQueue.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 10;
// Larger renders are scaled down; sharp deep zoom needs partial rendering.
constexpr double kMaxRenderPixels = 40.0 * 1000 * 1000;
constexpr qint64 kCacheLimit = 256LL * 1024 * 1024;
const double kZoomSteps[] = {5, 10, 25, 50, 75, 100, 125, 150, 200, 400, 800, 1600, 2400, 3200, 6400};

} // namespace

CPageView::CPageView(std::shared_ptr<CPdfDocument> document_, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document(std::move(document_))
{
    setObjectName("page_view");
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
    queue = new CRenderQueue(document, this);
    connect(queue, &CRenderQueue::SignalRendered, this, &CPageView::SlotRendered);
}

CPageView::~CPageView() = default;

int CPageView::PageCount() const
{
    return document ? document->PageCount() : 0;
}

void CPageView::SetBackgroundColor(const QColor& color)
{
    background = color;
    viewport()->update();
}

void CPageView::SetZoom(double dZoom)
{
    const bool fit = dZoom == kFitPage || dZoom == kFitWidth || dZoom == kFitHeight;
    if (!fit)
        dZoom = qBound(kMinZoom, dZoom, kMaxZoom);
    if (qFuzzyCompare(zoom, dZoom) && laidOut)
        return;
    zoom = dZoom;
    Relayout();
}

double CPageView::ZoomPercent() const
{
    const double dpiScale = logicalDpiX() / 72.0;
    return scale / dpiScale * 100.0;
}

void CPageView::ZoomIn()
{
    const double current = ZoomPercent();
    for (double step : kZoomSteps) {
        if (step > current + 0.5) {
            SetZoom(step);
            return;
        }
    }
    SetZoom(kMaxZoom);
}

void CPageView::ZoomOut()
{
    const double current = ZoomPercent();
    for (int i = int(std::size(kZoomSteps)) - 1; i >= 0; --i) {
        if (kZoomSteps[i] < current - 0.5) {
            SetZoom(kZoomSteps[i]);
            return;
        }
    }
    SetZoom(kMinZoom);
}

void CPageView::SetDisplayMode(int nMode)
{
    if (nMode < SinglePage || nMode > TwoScroll)
        nMode = SingleScroll;
    if (nMode == displayMode && laidOut)
        return;
    displayMode = nMode;
    Relayout();
}

void CPageView::GoToPage(int nPage)
{
    if (PageCount() == 0)
        return;
    nPage = qBound(0, nPage, PageCount() - 1);
    if (!laidOut) {
        pendingPage = nPage;
        currentPage = nPage;
        return;
    }
    if (!IsScrolling() && RowOfPage(nPage) != RowOfPage(currentPage)) {
        currentPage = nPage;
        Relayout();
        emit SignalCurrentPageChanged(currentPage);
        return;
    }
    ScrollToPage(nPage, 0.0);
}

int CPageView::RowOfPage(int nPage) const
{
    return nPage / PagesPerRow();
}

double CPageView::ComputeScale() const
{
    const double dpiScale = logicalDpiX() / 72.0;
    if (zoom > 0)
        return zoom / 100.0 * dpiScale;
    if (!document || PageCount() == 0)
        return dpiScale;

    // Fit against the widest row and the tallest page.
    const int perRow = PagesPerRow();
    double rowWidth = 0;
    double rowHeight = 0;
    for (int first = 0; first < PageCount(); first += perRow) {
        double width = 0;
        for (int i = first; i < qMin(first + perRow, PageCount()); ++i) {
            width += document->PageSize(i).width();
            rowHeight = qMax(rowHeight, document->PageSize(i).height());
        }
        rowWidth = qMax(rowWidth, width);
    }
    const double availableWidth = qMax(1, viewport()->width() - 2 * kMargin - (perRow - 1) * kGap);
    const double availableHeight = qMax(1, viewport()->height() - 2 * kMargin);
    const double fitWidth = availableWidth / rowWidth;
    const double fitHeight = availableHeight / rowHeight;
    if (zoom == kFitWidth)
        return fitWidth;
    if (zoom == kFitHeight)
        return fitHeight;
    return qMin(fitWidth, fitHeight);
}

void CPageView::Relayout()
{
    const int count = PageCount();
    // Keep the same spot of the current page under the top edge.
    double fraction = 0;
    if (laidOut && currentPage < pageGeometry.size() && !pageGeometry[currentPage].isEmpty()) {
        const QRect r = pageGeometry[currentPage];
        fraction = double(verticalScrollBar()->value() - r.top()) / qMax(1, r.height());
        fraction = qBound(0.0, fraction, 1.0);
    }

    const double oldScale = scale;
    scale = ComputeScale();
    if (!qFuzzyCompare(oldScale, scale))
        queue->Cancel();

    pageGeometry = QVector<QRect>(count);
    const int perRow = PagesPerRow();
    int firstRow = 0;
    int lastRow = (count + perRow - 1) / perRow - 1;
    if (!IsScrolling())
        firstRow = lastRow = RowOfPage(currentPage);

    int y = kMargin;
    int maxWidth = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int first = row * perRow;
        const int last = qMin(first + perRow, count) - 1;
        int rowWidth = 0;
        int rowHeight = 0;
        for (int i = first; i <= last; ++i) {
            const QSizeF size = document->PageSize(i) * scale;
            rowWidth += qRound(size.width());
            rowHeight = qMax(rowHeight, qRound(size.height()));
        }
        rowWidth += (last - first) * kGap;
        maxWidth = qMax(maxWidth, rowWidth);
        // Rows are centred later against the content width.
        int x = 0;
        for (int i = first; i <= last; ++i) {
            const QSizeF size = document->PageSize(i) * scale;
            const int h = qRound(size.height());
            pageGeometry[i] = QRect(x, y + (rowHeight - h) / 2, qRound(size.width()), h);
            x += qRound(size.width()) + kGap;
        }
        y += rowHeight + kGap;
    }
    contentSize = QSize(maxWidth + 2 * kMargin, y - kGap + kMargin);
    for (int row = firstRow; row <= lastRow; ++row) {
        const int first = row * perRow;
        const int last = qMin(first + perRow, count) - 1;
        const int rowWidth = pageGeometry[last].right() + 1;
        const int shift = (contentSize.width() - rowWidth) / 2;
        for (int i = first; i <= last; ++i)
            pageGeometry[i].translate(shift, 0);
    }

    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, contentSize.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, qMax(0, contentSize.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());

    const bool first = !laidOut;
    laidOut = true;
    if (first)
        ScrollToPage(pendingPage, 0.0);
    else if (IsScrolling())
        ScrollToPage(currentPage, fraction);
    else
        verticalScrollBar()->setValue(0);
    if (!qFuzzyCompare(oldScale, scale))
        emit SignalZoomChanged(ZoomPercent());
    viewport()->update();
}

void CPageView::ScrollToPage(int nPage, double dFraction)
{
    if (nPage < 0 || nPage >= pageGeometry.size())
        return;
    const QRect r = pageGeometry[nPage];
    if (r.isEmpty())
        return;
    const int target = r.top() + int(dFraction * r.height()) - (dFraction == 0.0 ? kMargin : 0);
    verticalScrollBar()->setValue(target);
    currentPage = nPage;
    UpdateCurrentPage();
    viewport()->update();
}

QPoint CPageView::ContentOrigin() const
{
    const int x = contentSize.width() < viewport()->width()
        ? (viewport()->width() - contentSize.width()) / 2
        : -horizontalScrollBar()->value();
    const int y = contentSize.height() < viewport()->height()
        ? (viewport()->height() - contentSize.height()) / 2
        : -verticalScrollBar()->value();
    return QPoint(x, y);
}

QRect CPageView::PageRect(int nPage) const
{
    if (nPage < 0 || nPage >= pageGeometry.size() || pageGeometry[nPage].isEmpty())
        return QRect();
    return pageGeometry[nPage].translated(ContentOrigin());
}

void CPageView::UpdateCurrentPage()
{
    if (!IsScrolling())
        return;
    // The current page is the one crossing a line a third down the view.
    const int probe = verticalScrollBar()->value() + viewport()->height() / 3;
    int best = currentPage;
    for (int i = 0; i < pageGeometry.size(); ++i) {
        const QRect& r = pageGeometry[i];
        if (r.isEmpty())
            continue;
        if (r.bottom() + kGap >= probe) {
            best = i;
            break;
        }
    }
    if (best != currentPage) {
        currentPage = best;
        emit SignalCurrentPageChanged(currentPage);
    }
}

double CPageView::RenderScaleFor(int nPage) const
{
    double renderScale = scale * devicePixelRatioF();
    const QSizeF size = document->PageSize(nPage);
    const double pixels = size.width() * size.height() * renderScale * renderScale;
    if (pixels > kMaxRenderPixels)
        renderScale *= std::sqrt(kMaxRenderPixels / pixels);
    return renderScale;
}

void CPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), background);
    if (!laidOut)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRect visible = viewport()->rect();
    const QPoint origin = ContentOrigin();
    for (int i = 0; i < pageGeometry.size(); ++i) {
        const QRect r = pageGeometry[i].translated(origin);
        if (r.isEmpty() || !r.intersects(visible.adjusted(0, -r.height() / 2, 0, r.height() / 2)))
            continue;
        const double wanted = RenderScaleFor(i);
        auto it = cache.constFind(i);
        const bool fresh = it != cache.constEnd() && qFuzzyCompare(it->renderScale, wanted);
        if (!fresh)
            queue->Request(i, wanted);
        if (!r.intersects(visible))
            continue;
        painter.fillRect(r.adjusted(1, 1, 2, 2), QColor(0, 0, 0, 40));
        painter.fillRect(r, Qt::white);
        if (it != cache.constEnd())
            painter.drawImage(r, it->image);
    }
}

void CPageView::SlotRendered(int nPage, double dScale, const QImage& image)
{
    if (nPage < 0 || nPage >= PageCount())
        return;
    auto it = cache.find(nPage);
    if (it != cache.end())
        cacheBytes -= it->image.sizeInBytes();
    cache[nPage] = CachedPage{image, dScale};
    cacheBytes += image.sizeInBytes();
    TrimCache();
    emit SignalPageRendered(nPage, image);
    viewport()->update(PageRect(nPage).adjusted(-2, -2, 2, 2));
}

void CPageView::TrimCache()
{
    while (cacheBytes > kCacheLimit && cache.size() > 1) {
        int farthest = -1;
        for (auto it = cache.constBegin(); it != cache.constEnd(); ++it) {
            if (farthest < 0 || qAbs(it.key() - currentPage) > qAbs(farthest - currentPage))
                farthest = it.key();
        }
        if (farthest < 0 || qAbs(farthest - currentPage) <= 2)
            break;
        cacheBytes -= cache.value(farthest).image.sizeInBytes();
        cache.remove(farthest);
    }
}

void CPageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void CPageView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!laidOut)
        Relayout();
}

void CPageView::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dx);
    Q_UNUSED(dy);
    UpdateCurrentPage();
    viewport()->update();
}

void CPageView::StepRow(int nDelta)
{
    const int target = qBound(0, currentPage + nDelta * PagesPerRow(), PageCount() - 1);
    GoToPage(target);
}

void CPageView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        if (delta > 0)
            ZoomIn();
        else if (delta < 0)
            ZoomOut();
        event->accept();
        return;
    }
    if (!IsScrolling()) {
        QScrollBar* bar = verticalScrollBar();
        if (delta < 0 && bar->value() >= bar->maximum()) {
            StepRow(1);
            event->accept();
            return;
        }
        if (delta > 0 && bar->value() <= bar->minimum()) {
            StepRow(-1);
            event->accept();
            return;
        }
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CPageView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::ZoomIn)) {
        ZoomIn();
        return;
    }
    if (event->matches(QKeySequence::ZoomOut)) {
        ZoomOut();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Home:
        GoToPage(0);
        return;
    case Qt::Key_End:
        GoToPage(PageCount() - 1);
        return;
    case Qt::Key_PageDown:
        if (!IsScrolling())
            StepRow(1);
        else
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_PageUp:
        if (!IsScrolling())
            StepRow(-1);
        else
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}
