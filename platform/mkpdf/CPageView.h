#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QVector>

#include <memory>

class CPdfDocument;
class CRenderQueue;

// Scrolling view of a document's pages. Pages are laid out in rows (one or
// two pages each); the scrolling layouts show every row, the single layouts
// only the row of the current page. Pages are rendered off the GUI thread and
// painted from memory only.
class CPageView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ BackgroundColor WRITE SetBackgroundColor)
public:
    enum DisplayMode { SinglePage = 0, SingleScroll = 1, TwoPage = 2, TwoScroll = 3 };
    static constexpr double kFitPage = -1.0;
    static constexpr double kFitWidth = -2.0;
    static constexpr double kFitHeight = -3.0;
    static constexpr double kActualSize = 100.0;
    static constexpr double kMinZoom = 5.0;
    static constexpr double kMaxZoom = 6400.0;

    explicit CPageView(std::shared_ptr<CPdfDocument> document, QWidget* parent = nullptr);
    ~CPageView() override;

    // Zoom as stored in settings: a percentage, or one of the fit values.
    void SetZoom(double dZoom);
    double Zoom() const { return zoom; }
    // The percentage actually shown, also for the fit values.
    double ZoomPercent() const;
    void ZoomIn();
    void ZoomOut();

    void SetDisplayMode(int nMode);
    int DisplayMode() const { return displayMode; }

    void GoToPage(int nPage);
    int CurrentPage() const { return currentPage; }
    int PageCount() const;

    // Device-independent pixels per point.
    double Scale() const { return scale; }
    // Where a page is drawn, in viewport coordinates (empty when not laid out).
    QRect PageRect(int nPage) const;

    QColor BackgroundColor() const { return background; }
    void SetBackgroundColor(const QColor& color);

signals:
    void SignalPageRendered(int nPage, const QImage& image);
    void SignalCurrentPageChanged(int nPage);
    void SignalZoomChanged(double dPercent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct CachedPage
    {
        QImage image;
        double renderScale = 0;
    };

    bool IsScrolling() const { return displayMode == SingleScroll || displayMode == TwoScroll; }
    int PagesPerRow() const { return (displayMode == TwoPage || displayMode == TwoScroll) ? 2 : 1; }
    int RowOfPage(int nPage) const;
    double ComputeScale() const;
    double RenderScaleFor(int nPage) const;
    void Relayout();
    void ScrollToPage(int nPage, double dFraction);
    void UpdateCurrentPage();
    QPoint ContentOrigin() const;
    void SlotRendered(int nPage, double dScale, const QImage& image);
    void TrimCache();
    void StepRow(int nDelta);

    std::shared_ptr<CPdfDocument> document;
    CRenderQueue* queue = nullptr;
    double zoom = kFitWidth;
    double scale = 1.0;
    int displayMode = SingleScroll;
    int currentPage = 0;
    QVector<QRect> pageGeometry; // content coordinates, per page
    QSize contentSize;
    QHash<int, CachedPage> cache;
    qint64 cacheBytes = 0;
    QColor background = QColor(0xe8, 0xea, 0xed);
    bool laidOut = false;
    int pendingPage = 0;
};
