#include "CThumbnailView.h"

#include "CPageCache.h"
#include "CPageColors.h"
#include "CPdfDocument.h"
#include "CRenderQueue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kTopMargin = 12;
constexpr int kLabel = 20;
constexpr int kSpacing = 12;

} // namespace

CThumbnailView::CThumbnailView(std::shared_ptr<CPdfDocument> document_, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document(std::move(document_))
{
    setObjectName("thumbnail_view");
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(40);
    queue = new CRenderQueue(document, this, CJobRunner::ThumbnailPriority);
    connect(queue, &CRenderQueue::SignalRendered, this,
            [this](int nPage, double dScale, const QRect& region, const QImage& image) {
                CPageCache::Instance().Insert({document->Id(), nPage, CPageCache::ScaleKey(dScale), region}, image);
                ++rendered;
                viewport()->update(ThumbRect(nPage).adjusted(-4, -4, 4, 4));
            });
    connect(CPageColors::Instance(), &CPageColors::SignalModeChanged, this, [this]() {
        queue->Cancel();
        viewport()->update();
    });
    Layout();
}

double CThumbnailView::ThumbScale(int nPage) const
{
    const QSizeF size = document->PageSize(nPage);
    return size.width() > 0 ? kThumbWidth / size.width() : 0.2;
}

void CThumbnailView::Layout()
{
    const int count = document->PageCount();
    tops.resize(count);
    int y = kTopMargin;
    for (int i = 0; i < count; ++i) {
        tops[i] = y;
        y += qRound(document->PageSize(i).height() * ThumbScale(i)) + kLabel + kSpacing;
    }
    contentHeight = y;
    verticalScrollBar()->setRange(0, qMax(0, contentHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    viewport()->update();
}

void CThumbnailView::RefreshLayout()
{
    Layout();
}

QRect CThumbnailView::ThumbRect(int nPage) const
{
    if (nPage < 0 || nPage >= tops.size())
        return QRect();
    const int height = qRound(document->PageSize(nPage).height() * ThumbScale(nPage));
    const int x = (viewport()->width() - kThumbWidth) / 2;
    return QRect(x, tops[nPage] - verticalScrollBar()->value(), kThumbWidth, height);
}

void CThumbnailView::SetCurrentPage(int nPage)
{
    if (nPage < 0 || nPage >= tops.size())
        return;
    currentPage = nPage;
    const QRect r = ThumbRect(nPage);
    if (r.top() < 0 || r.bottom() + kLabel > viewport()->height())
        verticalScrollBar()->setValue(tops[nPage] - kTopMargin);
    viewport()->update();
}

void CThumbnailView::SetCurrentColor(const QColor& color)
{
    currentColor = color;
    viewport()->update();
}

void CThumbnailView::SetTextColor(const QColor& color)
{
    textColor = color;
    viewport()->update();
}

void CThumbnailView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    // First cell reaching the view.
    int first = int(std::lower_bound(tops.begin(), tops.end(), top - 400) - tops.begin());
    first = qMax(0, first - 1);
    const double dpr = devicePixelRatioF();
    for (int i = first; i < tops.size() && tops[i] <= bottom; ++i) {
        const QRect r = ThumbRect(i);
        if (r.bottom() + kLabel < 0)
            continue;
        painter.fillRect(r.adjusted(1, 1, 2, 2), QColor(0, 0, 0, 30));
        painter.fillRect(r, CPageColors::Paper());
        const double scale = ThumbScale(i) * dpr;
        const CPageCache::Key key {document->Id(), i, CPageCache::ScaleKey(scale), QRect()};
        if (const QImage* image = CPageCache::Instance().Find(key))
            painter.drawImage(r, *image);
        else
            queue->Request(i, scale);
        if (i == currentPage) {
            painter.setPen(QPen(currentColor, 2));
            painter.drawRect(r.adjusted(-2, -2, 2, 2));
        }
        painter.setPen(i == currentPage ? currentColor : textColor);
        painter.drawText(QRect(r.left(), r.bottom() + 2, r.width(), kLabel), Qt::AlignCenter, QString::number(i + 1));
    }
}

void CThumbnailView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Layout();
}

void CThumbnailView::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dx);
    Q_UNUSED(dy);
    viewport()->update();
}

void CThumbnailView::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < tops.size(); ++i) {
        const QRect cell = ThumbRect(i).adjusted(-8, -4, 8, kLabel);
        if (cell.top() > viewport()->height())
            break;
        if (cell.contains(event->pos())) {
            currentPage = i;
            viewport()->update();
            emit SignalPageClicked(i);
            return;
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}
