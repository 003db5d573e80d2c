#pragma once

#include <QRectF>

class CPageView;
class QPainter;

// Something drawn over the visible pages of a view after their pictures,
// such as search highlights. target is where the page is drawn, in viewport
// pixels; the view's Scale() turns page points into those pixels.
class CPageOverlay
{
public:
    virtual ~CPageOverlay() = default;
    virtual void PaintPage(QPainter& painter, const CPageView& view, int nPage, const QRectF& target) = 0;
};
