#include "CViewOptions.h"

double CViewOptions::SinglePageScale(double dZoom, double dDpiX, int nViewportWidth, double dPageWidth)
{
    if (dZoom > 0)
        return dZoom / 100.0 * dDpiX / 72.0;
    return dPageWidth > 0 ? qMax(1, nViewportWidth - 2 * kMargin) / dPageWidth : dDpiX / 72.0;
}
