#pragma once

#include "CViewOptions.h"

#include <QRect>
#include <QSizeF>
#include <QVector>

class CPdfDocument;

// Where a view puts the pages of a document, in content pixels: one or two
// pages a row, every row or only the current one, at a zoom or a fit, and
// each page turned by the view's rotation (which leaves the file as it is).
// Also the way between a page's own points and its points as shown.
class CPageLayout : public CViewOptions
{
public:
    struct Rows
    {
        QVector<QRect> pages; // empty for pages outside the rows laid out
        QSize content;
    };

    // Pixels per point for a zoom or a fit against a viewport.
    static double Scale(const CPdfDocument& document, double dZoom, int nMode, int nRotation, const QSize& viewport,
                        double dDpiX);
    // The rows of pages at a scale; a single-page mode lays out only the
    // row of nCurrent.
    static Rows Lay(const CPdfDocument& document, double dScale, int nMode, int nRotation, int nCurrent);

    static bool IsScrolling(int nMode) { return nMode == SingleScroll || nMode == TwoScroll; }
    static int PagesPerRow(int nMode) { return (nMode == TwoPage || nMode == TwoScroll) ? 2 : 1; }
    // 0, 90, 180 or 270 for any multiple of 90 (turning right is positive).
    static int Normalized(int nRotation);
    // A page's size as shown: turned a quarter, width and height swap.
    static QSizeF Shown(const QSizeF& size, int nRotation);
    // A point of the page (size: the page's own) as shown, and back.
    static QPointF Turn(const QPointF& point, const QSizeF& size, int nRotation);
    static QPointF Unturn(const QPointF& point, const QSizeF& size, int nRotation);
};
