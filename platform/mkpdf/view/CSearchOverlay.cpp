#include "CSearchOverlay.h"

#include "CDocumentSearch.h"
#include "CPageView.h"

#include <QPainter>

namespace {

// Below this height a page's layout is not read for its highlights alone:
// only layouts already at hand are used.
constexpr double kSmallestPagePx = 120;

} // namespace

CSearchOverlay::CSearchOverlay(CDocumentSearch* search_, CPageView* view)
    : QObject(view)
    , search(search_)
{
    setObjectName("search_overlay");
    view->SetOverlay(this);
    connect(search_, &CDocumentSearch::SignalPageChanged, view, [view](int nPage) {
        if (nPage < 0)
            view->viewport()->update();
        else
            view->UpdatePage(nPage);
    });
}

void CSearchOverlay::PaintPage(QPainter& painter, const CPageView& view, int nPage, const QRectF& target)
{
    if (!search)
        return;
    const int count = search->PageMatches(nPage).size();
    const bool read = target.height() >= kSmallestPagePx;
    for (int i = 0; i < count; ++i) {
        const bool current = nPage == search->CurrentPage() && i == search->CurrentIndex();
        const QColor color = current ? view.CurrentMatchColor() : view.MatchColor();
        const QVector<QRectF> rects = search->MatchRects(nPage, i, read);
        for (const QRectF& rect : rects)
            painter.fillRect(view.ToViewport(nPage, rect).adjusted(-1, -1, 1, 1), color);
        if (current && !rects.isEmpty()) {
            paintedPage = nPage;
            paintedIndex = i;
        }
    }
}

bool CSearchOverlay::CurrentMatchPainted() const
{
    return search && search->CurrentPage() >= 0 && paintedPage == search->CurrentPage()
        && paintedIndex == search->CurrentIndex();
}
