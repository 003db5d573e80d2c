#include "CPageLayout.h"

#include "CPdfDocument.h"

int CPageLayout::Normalized(int nRotation)
{
    return ((nRotation / 90 * 90) % 360 + 360) % 360;
}

QSizeF CPageLayout::Shown(const QSizeF& size, int nRotation)
{
    return Normalized(nRotation) % 180 ? size.transposed() : size;
}

QPointF CPageLayout::Turn(const QPointF& p, const QSizeF& size, int nRotation)
{
    switch (Normalized(nRotation)) {
    case 90:
        return QPointF(size.height() - p.y(), p.x());
    case 180:
        return QPointF(size.width() - p.x(), size.height() - p.y());
    case 270:
        return QPointF(p.y(), size.width() - p.x());
    default:
        return p;
    }
}

QPointF CPageLayout::Unturn(const QPointF& p, const QSizeF& size, int nRotation)
{
    switch (Normalized(nRotation)) {
    case 90:
        return QPointF(p.y(), size.height() - p.x());
    case 180:
        return QPointF(size.width() - p.x(), size.height() - p.y());
    case 270:
        return QPointF(size.width() - p.y(), p.x());
    default:
        return p;
    }
}

double CPageLayout::Scale(const CPdfDocument& document, double dZoom, int nMode, int nRotation, const QSize& viewport,
                          double dDpiX)
{
    if (dZoom > 0)
        return SinglePageScale(dZoom, dDpiX, 0, 0);
    const int count = document.PageCount();
    if (count == 0)
        return dDpiX / 72.0;
    // Fit against the widest row and the tallest page.
    const int perRow = PagesPerRow(nMode);
    const QSizeF largest = Shown(document.MaxPageSize(), nRotation);
    double rowWidth = largest.width() * qMin(perRow, count);
    if (perRow == 2 && document.SizesLoaded()) {
        rowWidth = 0;
        for (int first = 0; first < count; first += 2) {
            double width = Shown(document.PageSize(first), nRotation).width();
            if (first + 1 < count)
                width += Shown(document.PageSize(first + 1), nRotation).width();
            rowWidth = qMax(rowWidth, width);
        }
    }
    const double availableWidth = qMax(1, viewport.width() - 2 * kMargin - (perRow - 1) * kGap);
    const double availableHeight = qMax(1, viewport.height() - 2 * kMargin);
    const double fitWidth = availableWidth / rowWidth;
    const double fitHeight = availableHeight / largest.height();
    if (dZoom == kFitWidth)
        return fitWidth;
    if (dZoom == kFitHeight)
        return fitHeight;
    return qMin(fitWidth, fitHeight);
}

CPageLayout::Rows CPageLayout::Lay(const CPdfDocument& document, double dScale, int nMode, int nRotation, int nCurrent)
{
    const int count = document.PageCount();
    Rows rows;
    rows.pages = QVector<QRect>(count);
    const int perRow = PagesPerRow(nMode);
    int firstRow = 0;
    int lastRow = (count + perRow - 1) / perRow - 1;
    if (!IsScrolling(nMode))
        firstRow = lastRow = nCurrent / perRow;

    int y = kMargin;
    int maxWidth = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int first = row * perRow;
        const int last = qMin(first + perRow, count) - 1;
        int rowWidth = 0;
        int rowHeight = 0;
        int x = 0;
        for (int i = first; i <= last; ++i) {
            const QSizeF size = Shown(document.PageSize(i), nRotation) * dScale;
            const int w = qMax(1, qRound(size.width()));
            const int h = qMax(1, qRound(size.height()));
            rows.pages[i] = QRect(x, y, w, h);
            x += w + kGap;
            rowWidth += w;
            rowHeight = qMax(rowHeight, h);
        }
        rowWidth += (last - first) * kGap;
        for (int i = first; i <= last; ++i)
            rows.pages[i].moveTop(y + (rowHeight - rows.pages[i].height()) / 2);
        maxWidth = qMax(maxWidth, rowWidth);
        y += rowHeight + kGap;
    }
    rows.content = QSize(maxWidth + 2 * kMargin, y - kGap + kMargin);
    // Centre every row against the widest one.
    for (int row = firstRow; row <= lastRow && count > 0; ++row) {
        const int first = row * perRow;
        const int last = qMin(first + perRow, count) - 1;
        const int rowWidth = rows.pages[last].right() + 1;
        const int shift = (rows.content.width() - rowWidth) / 2;
        for (int i = first; i <= last; ++i)
            rows.pages[i].translate(shift, 0);
    }
    return rows;
}
