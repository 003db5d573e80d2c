#pragma once

#include <QtGlobal>

// How a document is shown: display modes, cursor modes and zoom values as
// the settings, the open requests and the page view share them. A zoom is a
// percentage or one of the fit values.
class CViewOptions
{
public:
    enum DisplayMode { SinglePage = 0, SingleScroll = 1, TwoPage = 2, TwoScroll = 3 };
    enum Cursor { SelectCursor = 0, HandCursor = 1 };
    static constexpr double kFitPage = -1.0;
    static constexpr double kFitWidth = -2.0;
    static constexpr double kFitHeight = -3.0;
    static constexpr double kActualSize = 100.0;
    static constexpr double kMinZoom = 5.0;
    static constexpr double kMaxZoom = 6400.0;
    // The percentages zooming steps through and the zoom lists offer, rising.
    static constexpr double kZoomSteps[] = {5, 10, 25, 50, 75, 100, 125, 150, 200, 400, 800, 1600, 2400, 3200, 6400};
    // Space around the pages and between the two pages of a row, in pixels.
    static constexpr int kMargin = 12;
    static constexpr int kGap = 10;

    static bool IsFit(double dZoom) { return dZoom == kFitPage || dZoom == kFitWidth || dZoom == kFitHeight; }
    // A stored zoom the view can show: a fit value or a percentage in range.
    static bool IsValidZoom(double dZoom) { return IsFit(dZoom) || (dZoom >= kMinZoom && dZoom <= kMaxZoom); }
    // Points to pixels of one page per row: a fixed zoom percentage at the
    // screen's dpi, or a fit value against a viewport of the given width.
    static double SinglePageScale(double dZoom, double dDpiX, int nViewportWidth, double dPageWidth);
};
