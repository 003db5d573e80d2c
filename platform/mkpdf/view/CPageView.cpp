#include "CPageView.h"

#include "CHiddenPageTrim.h"
#include "CPageCache.h"
#include "CPageColors.h"
#include "CPageLayout.h"
#include "CPageOverlay.h"
#include "CPageViewAccessible.h"
#include "CRenderQueue.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <cmath>

CPageView::CPageView(std::shared_ptr<CPdfDocument> document_, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document(std::move(document_))
{
    setObjectName("page_view");
    static const bool readable = (QAccessible::installFactory(&CPageViewAccessible::Create), true);
    Q_UNUSED(readable)
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
    queue = new CRenderQueue(document, this);
    selection = new CTextSelection(document, this);
    // A screen reader follows the page on show and learns its text.
    auto announce = [this](int nPage) {
        if (!QAccessible::isActive() || nPage != currentPage)
            return;
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleTextUpdateEvent text(this, 0, QString(), PageText(nPage));
        QAccessible::updateAccessibility(&text);
    };
    connect(selection, &CTextSelection::SignalWordsRead, this, announce);
    connect(this, &CPageView::SignalCurrentPageChanged, this, announce);
    connect(queue, &CRenderQueue::SignalRendered, this, &CPageView::SlotRendered);
    new CHiddenPageTrim(this);
    connect(CPageColors::Instance(), &CPageColors::SignalModeChanged, this, [this]() {
        // Pictures in the old colours would stand in for the sharp ones.
        previousRenderScale = 0;
        queue->Cancel();
        viewport()->update();
    });
}

CPageView::~CPageView()
{
    // The layers watch this view's events; what the base classes send while
    // they take it down must not reach a layer that takes it for a page view.
    for (CPageOverlay* layer : moreOverlays) {
        if (auto* watcher = dynamic_cast<QObject*>(layer)) {
            viewport()->removeEventFilter(watcher);
            removeEventFilter(watcher);
        }
    }
}

int CPageView::PageCount() const
{
    return document ? document->PageCount() : 0;
}

void CPageView::SetBackgroundColor(const QColor& color)
{
    background = color;
    viewport()->update();
}

void CPageView::SetSelectionColor(const QColor& color)
{
    selectionColor = color;
    viewport()->update();
}

// --- zoom, layout, navigation ------------------------------------------------

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
    return scale / (logicalDpiX() / 72.0) * 100.0;
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

void CPageView::SetRotation(int nDegrees)
{
    const int turned = CPageLayout::Normalized(nDegrees);
    if (turned == rotation)
        return;
    rotation = turned;
    // The pictures stay those of the page as it is: they are drawn turned.
    Relayout();
    emit SignalRotationChanged(rotation);
}

void CPageView::SetCursorMode(int nCursor)
{
    cursorMode = nCursor == HandCursor ? HandCursor : SelectCursor;
    viewport()->setCursor(cursorMode == HandCursor ? Qt::OpenHandCursor : Qt::ArrowCursor);
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

QPair<int, double> CPageView::Position() const
{
    if (!laidOut || currentPage >= pageGeometry.size() || pageGeometry[currentPage].isEmpty())
        return {currentPage, 0.0};
    const QRect r = pageGeometry[currentPage];
    const double fraction = double(-ContentOrigin().y() - r.top()) / qMax(1, r.height());
    return {currentPage, qBound(0.0, fraction, 1.0)};
}

void CPageView::GoToPosition(int nPage, double dFraction)
{
    GoToPage(nPage);
    if (laidOut && dFraction > 0)
        ScrollToPage(qBound(0, nPage, PageCount() - 1), qBound(0.0, dFraction, 1.0));
}

void CPageView::ScrollLines(int nLines)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + nLines * verticalScrollBar()->singleStep());
}

void CPageView::RefreshLayout()
{
    Relayout();
}

double CPageView::ComputeScale() const
{
    return CPageLayout::Scale(*document, zoom, displayMode, rotation, viewport()->size(), logicalDpiX());
}

void CPageView::Relayout()
{
    // Keep the same spot of the current page under the top edge.
    double fraction = 0;
    if (laidOut && currentPage < pageGeometry.size() && !pageGeometry[currentPage].isEmpty()) {
        const QRect r = pageGeometry[currentPage];
        fraction = double(verticalScrollBar()->value() - r.top()) / qMax(1, r.height());
        fraction = qBound(0.0, fraction, 1.0);
    }

    const double oldScale = scale;
    const double oldRender = RenderScaleFor(0);
    scale = ComputeScale();
    if (!qFuzzyCompare(oldScale, scale)) {
        previousRenderScale = oldRender;
        queue->Cancel();
    }

    CPageLayout::Rows rows = CPageLayout::Lay(*document, scale, displayMode, rotation, currentPage);
    pageGeometry = std::move(rows.pages);
    contentSize = rows.content;

    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, contentSize.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, qMax(0, contentSize.height() - view.height()));
    verticalScrollBar()->setPageStep(qMax(1, view.height() - 40));

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

void CPageView::ShowArea(int nPage, const QRectF& area)
{
    if (nPage < 0 || nPage >= PageCount())
        return;
    if (!laidOut || (!IsScrolling() && RowOfPage(nPage) != RowOfPage(currentPage)))
        GoToPage(nPage);
    if (!laidOut || nPage >= pageGeometry.size() || pageGeometry[nPage].isEmpty())
        return;
    const QRectF visible = QRectF(viewport()->rect()).translated(-ContentOrigin());
    if (area.isNull()) {
        if (!visible.intersects(pageGeometry[nPage]))
            ScrollToPage(nPage, 0.0);
        return;
    }
    const QPoint page = pageGeometry[nPage].topLeft();
    const QRectF spot(page.x() + area.x() * scale, page.y() + area.y() * scale, area.width() * scale,
                      area.height() * scale);
    if (spot.top() < visible.top() || spot.bottom() > visible.bottom())
        verticalScrollBar()->setValue(qRound(spot.center().y() - viewport()->height() / 2.0));
    if (spot.left() < visible.left() || spot.right() > visible.right())
        horizontalScrollBar()->setValue(qRound(spot.center().x() - viewport()->width() / 2.0));
    viewport()->update();
}

void CPageView::UpdatePage(int nPage)
{
    const QRect target = PageRect(nPage);
    if (target.intersects(viewport()->rect()))
        viewport()->update(target);
}

void CPageView::ScrollToPage(int nPage, double dFraction)
{
    if (nPage < 0 || nPage >= pageGeometry.size())
        return;
    const QRect r = pageGeometry[nPage];
    if (r.isEmpty())
        return;
    const int target = dFraction == 0.0 ? r.top() - kMargin : r.top() + int(dFraction * r.height());
    verticalScrollBar()->setValue(target);
    if (currentPage != nPage) {
        currentPage = nPage;
        emit SignalCurrentPageChanged(currentPage);
    }
    UpdateCurrentPage();
    viewport()->update();
}

QPoint CPageView::ContentOrigin() const
{
    const int x = contentSize.width() < viewport()->width() ? (viewport()->width() - contentSize.width()) / 2
                                                            : -horizontalScrollBar()->value();
    const int y = contentSize.height() < viewport()->height() ? (viewport()->height() - contentSize.height()) / 2
                                                              : -verticalScrollBar()->value();
    return QPoint(x, y);
}

QRect CPageView::PageRect(int nPage) const
{
    if (nPage < 0 || nPage >= pageGeometry.size() || pageGeometry[nPage].isEmpty())
        return QRect();
    return pageGeometry[nPage].translated(ContentOrigin());
}

QPair<int, int> CPageView::VisiblePages() const
{
    const int count = pageGeometry.size();
    if (count == 0 || !laidOut)
        return {-1, -1};
    if (!IsScrolling()) {
        const int first = RowOfPage(currentPage) * PagesPerRow();
        return {first, qMin(first + PagesPerRow(), count) - 1};
    }
    // Rows run top to bottom: find the first page reaching the view, then
    // walk while pages start above its bottom.
    const int top = -ContentOrigin().y();
    const int bottom = top + viewport()->height();
    int low = 0;
    int high = count - 1;
    int first = count;
    while (low <= high) {
        const int mid = (low + high) / 2;
        if (pageGeometry[mid].bottom() + kGap < top) {
            low = mid + 1;
        } else {
            first = mid;
            high = mid - 1;
        }
    }
    if (first >= count)
        return {-1, -1};
    first -= first % PagesPerRow();
    int last = first;
    for (int i = first; i < count && pageGeometry[i].top() <= bottom; ++i)
        last = i;
    return {first, last};
}

void CPageView::UpdateCurrentPage()
{
    if (!IsScrolling())
        return;
    // The current page is the one crossing a line a third down the view;
    // in a view smaller than the margin above a page (laid out before its
    // window has its size), the page scrolled to is still the current one.
    const int probe = -ContentOrigin().y() + qMax(viewport()->height() / 3, kMargin + kGap + 1);
    const QPair<int, int> visible = VisiblePages();
    int best = currentPage;
    for (int i = visible.first; i >= 0 && i <= visible.second; ++i) {
        if (pageGeometry[i].bottom() + kGap >= probe) {
            best = i;
            break;
        }
    }
    if (best != currentPage) {
        currentPage = best;
        emit SignalCurrentPageChanged(currentPage);
    }
}

// --- painting ---------------------------------------------------------------

double CPageView::RenderScaleFor(int nPage) const
{
    Q_UNUSED(nPage);
    return scale * devicePixelRatioF();
}

void CPageView::PaintPage(QPainter& painter, int nPage, const QRect& target, const QRect& visible)
{
    painter.fillRect(target.adjusted(1, 1, 2, 2), QColor(0, 0, 0, 40));
    painter.fillRect(target, CPageColors::Paper());

    CPageCache& cache = CPageCache::Instance();
    const double renderScale = RenderScaleFor(nPage);
    const qint64 scaleKey = CPageCache::ScaleKey(renderScale);
    const double dpr = devicePixelRatioF();
    paintedRatio = dpr;
    const QSize device(qRound(target.width() * dpr), qRound(target.height() * dpr));
    const quint64 docId = document->Id();

    if (qint64(device.width()) * device.height() <= kWholePageLimit) {
        const CPageCache::Key key {docId, nPage, scaleKey, QRect()};
        if (const QImage* image = cache.Find(key)) {
            painter.drawImage(target, *image);
            if (!painted) {
                painted = true;
                QMetaObject::invokeMethod(this, &CPageView::SignalFirstPagePainted, Qt::QueuedConnection);
            }
            return;
        }
        queue->Request(nPage, renderScale);
        // Until the new picture arrives, show the one before the change, or
        // the one of the previous zoom: scaled without smoothing, which on a
        // large page would hold up the frame longer than the preview lasts.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const auto stale = stalePictures.constFind(nPage);
        if (stale != stalePictures.constEnd()) {
            painter.drawImage(target, *stale);
        } else if (previousRenderScale > 0) {
            const CPageCache::Key old {docId, nPage, CPageCache::ScaleKey(previousRenderScale), QRect()};
            if (const QImage* image = cache.Find(old))
                painter.drawImage(target, *image);
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        return;
    }

    // Deep zoom: only the tiles under the view, in device pixels of the page.
    const QRect shown = target.intersected(visible).translated(-target.topLeft());
    const QRect deviceShown(qFloor(shown.x() * dpr), qFloor(shown.y() * dpr), qCeil(shown.width() * dpr),
                            qCeil(shown.height() * dpr));
    for (int ty = deviceShown.top() / kTile; ty * kTile <= deviceShown.bottom(); ++ty) {
        for (int tx = deviceShown.left() / kTile; tx * kTile <= deviceShown.right(); ++tx) {
            const QRect tile = QRect(tx * kTile, ty * kTile, kTile, kTile).intersected(QRect(QPoint(0, 0), device));
            if (tile.isEmpty())
                continue;
            const QRectF where(target.x() + tile.x() / dpr, target.y() + tile.y() / dpr, tile.width() / dpr,
                               tile.height() / dpr);
            const CPageCache::Key key {docId, nPage, scaleKey, tile};
            if (const QImage* image = cache.Find(key))
                painter.drawImage(where, *image);
            else
                queue->Request(nPage, renderScale, tile);
        }
    }
}

void CPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), background);
    if (!laidOut)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRect visible = viewport()->rect();
    const QPair<int, int> pages = VisiblePages();
    if (pages != lastVisible) {
        // Work queued for pages that scrolled away is dropped.
        if (lastVisible.first >= 0 && (pages.first > lastVisible.second || pages.second < lastVisible.first))
            queue->Cancel();
        lastVisible = pages;
    }
    for (int i = pages.first; i >= 0 && i <= pages.second; ++i) {
        const QRect target = PageRect(i);
        if (!target.intersects(visible))
            continue;
        if (rotation) {
            // The picture of the page as it is, drawn turned into its place.
            const QSize own = rotation % 180 ? target.size().transposed() : target.size();
            painter.save();
            painter.translate(QRectF(target).center());
            painter.rotate(rotation);
            painter.translate(-own.width() / 2.0, -own.height() / 2.0);
            const QRect local(QPoint(0, 0), own);
            PaintPage(painter, i, local, painter.transform().inverted().mapRect(visible));
            painter.restore();
        } else {
            PaintPage(painter, i, target, visible);
        }
        if (selection->HasSelection()) {
            const QList<PdfWord>& list = selection->Words(i);
            for (int w = 0; w < list.size(); ++w) {
                if (selection->IsSelected(i, w))
                    painter.fillRect(ToViewport(i, list.at(w).box), selectionColor);
            }
        }
        if (overlay)
            overlay->PaintPage(painter, *this, i, target);
        for (CPageOverlay* more : moreOverlays)
            more->PaintPage(painter, *this, i, target);
    }
    // Neighbours of the visible pages are prepared ahead of scrolling.
    const int ahead = pages.second + 1;
    if (ahead > 0 && ahead < PageCount()) {
        const QRect target = PageRect(ahead);
        const double dpr = devicePixelRatioF();
        if (qint64(target.width() * dpr) * qint64(target.height() * dpr) <= kWholePageLimit
            && !CPageCache::Instance().Find(
                {document->Id(), ahead, CPageCache::ScaleKey(RenderScaleFor(ahead)), QRect()}))
            queue->Request(ahead, RenderScaleFor(ahead));
    }
}

void CPageView::AddOverlay(CPageOverlay* pOverlay)
{
    if (pOverlay && !moreOverlays.contains(pOverlay))
        moreOverlays.append(pOverlay);
    viewport()->update();
}

void CPageView::RemoveOverlay(CPageOverlay* pOverlay)
{
    moreOverlays.removeAll(pOverlay);
    viewport()->update();
}

void CPageView::InvalidatePage(int nPage)
{
    if (nPage < 0 || nPage >= PageCount())
        return;
    const CPageCache::Key key {document->Id(), nPage, CPageCache::ScaleKey(RenderScaleFor(nPage)), QRect()};
    if (const QImage* image = CPageCache::Instance().Find(key))
        stalePictures.insert(nPage, *image);
    queue->Invalidate(nPage);
    CPageCache::Instance().RemovePage(document->Id(), nPage);
    viewport()->update(PageRect(nPage).adjusted(-2, -2, 2, 2));
}

QPointF CPageView::ToPage(int nPage, const QPointF& viewportPos) const
{
    const QRect r = PageRect(nPage);
    const QPointF shown((viewportPos.x() - r.x()) / scale, (viewportPos.y() - r.y()) / scale);
    return rotation ? CPageLayout::Unturn(shown, document->PageSize(nPage), rotation) : shown;
}

QRectF CPageView::ToViewport(int nPage, const QRectF& pageRect) const
{
    const QRect r = PageRect(nPage);
    QRectF shown = pageRect;
    if (rotation) {
        const QSizeF size = document->PageSize(nPage);
        shown = QRectF(CPageLayout::Turn(pageRect.topLeft(), size, rotation),
                       CPageLayout::Turn(pageRect.bottomRight(), size, rotation))
                    .normalized();
    }
    return QRectF(r.x() + shown.x() * scale, r.y() + shown.y() * scale, shown.width() * scale, shown.height() * scale);
}

void CPageView::SlotRendered(int nPage, double dScale, const QRect& region, const QImage& image)
{
    if (nPage < 0 || nPage >= PageCount())
        return;
    CPageCache::Instance().Insert({document->Id(), nPage, CPageCache::ScaleKey(dScale), region}, image);
    if (region.isNull())
        stalePictures.remove(nPage);
    emit SignalPageRendered(nPage);
    viewport()->update(PageRect(nPage).adjusted(-2, -2, 2, 2));
}

void CPageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void CPageView::OnScreenChanged()
{
    if (paintedRatio > 0 && !qFuzzyCompare(paintedRatio, devicePixelRatioF()))
        previousRenderScale = scale * paintedRatio;
    viewport()->update();
}

void CPageView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (QWindow* handle = window()->windowHandle())
        connect(handle, &QWindow::screenChanged, this, &CPageView::OnScreenChanged, Qt::UniqueConnection);
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

// --- input ------------------------------------------------------------------

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
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAllText();
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
    case Qt::Key_Space:
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
    case Qt::Key_Escape:
        if (HasSelection()) {
            ClearSelection();
            return;
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int CPageView::PageAt(const QPoint& viewportPos) const
{
    const QPair<int, int> pages = VisiblePages();
    for (int i = pages.first; i >= 0 && i <= pages.second; ++i) {
        if (PageRect(i).contains(viewportPos))
            return i;
    }
    return -1;
}

CPageView::WordRef CPageView::WordAt(const QPoint& viewportPos, bool nearest)
{
    int page = PageAt(viewportPos);
    if (page < 0 && nearest) {
        // Between pages: the closest page in the vertical direction.
        const QPair<int, int> pages = VisiblePages();
        int best = -1;
        int bestDistance = INT_MAX;
        for (int i = pages.first; i >= 0 && i <= pages.second; ++i) {
            const QRect r = PageRect(i);
            const int distance = viewportPos.y() < r.top() ? r.top() - viewportPos.y()
                : viewportPos.y() > r.bottom()             ? viewportPos.y() - r.bottom()
                                                           : 0;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        page = best;
    }
    if (page < 0)
        return {};
    const QPointF point = ToPage(page, viewportPos);
    const QList<PdfWord>& list = selection->Words(page);
    int best = -1;
    double bestDistance = 1e18;
    for (int i = 0; i < list.size(); ++i) {
        const QRectF& box = list.at(i).box;
        if (box.contains(point))
            return {page, i};
        if (!nearest)
            continue;
        const double dx = qMax(0.0, qMax(box.left() - point.x(), point.x() - box.right()));
        const double dy = qMax(0.0, qMax(box.top() - point.y(), point.y() - box.bottom()));
        // Being on the same line counts more than being close sideways.
        const double distance = dy * 4 + dx;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best >= 0 ? WordRef {page, best} : WordRef {};
}

QString CPageView::PageText(int nPage)
{
    const QList<PdfWord>* words = nPage >= 0 && nPage < PageCount() ? selection->WordsIfLoaded(nPage) : nullptr;
    if (!words)
        return QString();
    QString text;
    for (const PdfWord& word : *words)
        text += word.text + (word.lineEnd ? QStringLiteral("\n") : word.spaceAfter ? QStringLiteral(" ") : QString());
    return text;
}

QString CPageView::SelectedText()
{
    return selection->SelectedText();
}

QMap<int, QList<QRectF>> CPageView::SelectedWordBoxes()
{
    return selection->SelectedWordBoxes();
}

void CPageView::SelectAllText()
{
    selection->SelectAll();
    viewport()->update();
    emit SignalSelectionChanged(true);
}

void CPageView::ClearSelection()
{
    const bool had = selection->Clear();
    viewport()->update();
    if (had)
        emit SignalSelectionChanged(false);
}

void CPageView::CopySelection()
{
    if (!document->OkToCopy()) {
        QToolTip::showText(QCursor::pos(), tr("The document's permissions do not allow copying its text."), this);
        return;
    }
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void CPageView::UpdateCursorShape(const QPoint& viewportPos)
{
    if (cursorMode == HandCursor) {
        viewport()->setCursor(dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
        return;
    }
    // Hovering never waits for the parser: words are read in the background.
    const int page = PageAt(viewportPos);
    bool overText = false;
    if (const QList<PdfWord>* list = page >= 0 ? selection->WordsIfLoaded(page) : nullptr) {
        const QRect r = PageRect(page);
        const QPointF point((viewportPos.x() - r.x()) / scale, (viewportPos.y() - r.y()) / scale);
        for (const PdfWord& word : *list) {
            if (word.box.contains(point)) {
                overText = true;
                break;
            }
        }
    }
    viewport()->setCursor(overText ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void CPageView::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    dragging = true;
    dragStart = event->pos();
    scrollStart = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    if (cursorMode == HandCursor) {
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    ClearSelection();
    selection->SetAnchor(WordAt(event->pos(), false));
}

void CPageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging || !(event->buttons() & Qt::LeftButton)) {
        UpdateCursorShape(event->pos());
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    if (cursorMode == HandCursor) {
        const QPoint delta = event->pos() - dragStart;
        horizontalScrollBar()->setValue(scrollStart.x() - delta.x());
        verticalScrollBar()->setValue(scrollStart.y() - delta.y());
        return;
    }
    if ((event->pos() - dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!selection->HasAnchor())
        selection->SetAnchor(WordAt(dragStart, true));
    const WordRef word = WordAt(event->pos(), true);
    if (!selection->HasAnchor() || word.page < 0)
        return;
    if (selection->ExtendTo(word))
        emit SignalSelectionChanged(true);
    viewport()->update();
}

void CPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = false;
        OfferSelection();
    }
    UpdateCursorShape(event->pos());
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CPageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (cursorMode != SelectCursor || event->button() != Qt::LeftButton)
        return;
    const WordRef word = WordAt(event->pos(), false);
    if (word.page < 0)
        return;
    selection->SelectWord(word);
    viewport()->update();
    emit SignalSelectionChanged(true);
    OfferSelection();
}

void CPageView::OfferSelection()
{
    // The X11 way: selected text is there for a middle click elsewhere.
    QClipboard* clipboard = QApplication::clipboard();
    if (HasSelection() && document->OkToCopy() && clipboard->supportsSelection())
        clipboard->setText(SelectedText(), QClipboard::Selection);
}
