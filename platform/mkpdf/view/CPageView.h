#pragma once

#include "CPageLayout.h"
#include "CPdfDocument.h"
#include "CTextSelection.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QVector>

#include <memory>

class CPageOverlay;
class CRenderQueue;

// Scrolling view of a document's pages. Pages are laid out in rows (one or
// two pages each); the scrolling layouts show every row, the single layouts
// only the row of the current page. Pictures are rendered off the GUI thread
// and painted from the process-wide page cache only. The select cursor
// selects text, the hand cursor pans.
class CPageView : public QAbstractScrollArea, public CViewOptions
{
    Q_OBJECT
    friend class CHiddenPageTrim;
    Q_PROPERTY(QColor backgroundColor READ BackgroundColor WRITE SetBackgroundColor)
    Q_PROPERTY(QColor selectionColor READ SelectionColor WRITE SetSelectionColor)
    Q_PROPERTY(QColor matchColor READ MatchColor WRITE SetMatchColor)
    Q_PROPERTY(QColor currentMatchColor READ CurrentMatchColor WRITE SetCurrentMatchColor)
public:
    // Above this many device pixels a page is rendered in tiles.
    static constexpr qint64 kWholePageLimit = 4LL * 1024 * 1024;
    static constexpr int kTile = 1024;

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
    // Turns the pages as shown (the file stays as it is): 0, 90, 180 or 270
    // degrees clockwise; any multiple of 90 is taken round.
    void SetRotation(int nDegrees);
    int Rotation() const { return rotation; }
    void SetCursorMode(int nCursor);
    int CursorMode() const { return cursorMode; }

    void GoToPage(int nPage);
    int CurrentPage() const { return currentPage; }
    // Where the view stands: the current page and how far down it the top
    // edge of the view is, as a fraction of its height.
    QPair<int, double> Position() const;
    // Shows page with the given fraction of its height at the top edge, as
    // a link's destination or the history asks.
    void GoToPosition(int nPage, double dFraction);
    int PageCount() const;
    void ScrollLines(int nLines);

    // Device-independent pixels per point.
    double Scale() const { return scale; }
    // Where a page is drawn, in viewport coordinates (empty when not laid out).
    QRect PageRect(int nPage) const;
    // A picture of the pages at another scale that may stand in until the
    // sharp one is rendered (a prefetched first page).
    void SetPlaceholderScale(double dRenderScale) { previousRenderScale = dRenderScale; }
    // Re-reads page sizes after they were loaded in the background.
    void RefreshLayout();
    // Brings area of a page (in page points) into view, centred when it was
    // out of view; a null area only brings the page.
    void ShowArea(int nPage, const QRectF& area);
    void SetOverlay(CPageOverlay* pOverlay) { overlay = pOverlay; }
    // Further things drawn over the pages, after the first overlay, in the
    // order added.
    void AddOverlay(CPageOverlay* pOverlay);
    void RemoveOverlay(CPageOverlay* pOverlay);
    void UpdatePage(int nPage);
    // The content of a page changed (an annotation, a form value): it is
    // rendered again, showing its old picture until the new one arrives.
    void InvalidatePage(int nPage);
    // The page under a viewport point, or -1.
    int PageAt(const QPoint& viewportPos) const;
    // Between page points and viewport pixels.
    QPointF ToPage(int nPage, const QPointF& viewportPos) const;
    QRectF ToViewport(int nPage, const QRectF& pageRect) const;

    // A page's text as a reader reads it, words joined by their spaces and
    // line ends; empty while its words are read in the background (then
    // announced to screen readers).
    QString PageText(int nPage);
    bool HasSelection() const { return selection->HasSelection(); }
    QString SelectedText();
    void SelectAllText();
    void ClearSelection();
    // The selected text to the clipboard; refused, with a tip saying why,
    // when the document's permissions forbid copying.
    void CopySelection();
    // The boxes of the selected words, in page points, by page.
    QMap<int, QList<QRectF>> SelectedWordBoxes();

    QColor BackgroundColor() const { return background; }
    void SetBackgroundColor(const QColor& color);
    QColor SelectionColor() const { return selectionColor; }
    void SetSelectionColor(const QColor& color);
    QColor MatchColor() const { return matchColor; }
    void SetMatchColor(const QColor& color)
    {
        matchColor = color;
        viewport()->update();
    }
    QColor CurrentMatchColor() const { return currentMatchColor; }
    void SetCurrentMatchColor(const QColor& color)
    {
        currentMatchColor = color;
        viewport()->update();
    }

signals:
    void SignalPageRendered(int nPage);
    // Once per view: the first time a page picture reached the screen.
    void SignalFirstPagePainted();
    void SignalCurrentPageChanged(int nPage);
    void SignalZoomChanged(double dPercent);
    void SignalRotationChanged(int nDegrees);
    void SignalSelectionChanged(bool bHasSelection);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    using WordRef = CTextSelection::WordRef;

    bool IsScrolling() const { return CPageLayout::IsScrolling(displayMode); }
    int PagesPerRow() const { return CPageLayout::PagesPerRow(displayMode); }
    int RowOfPage(int nPage) const { return nPage / PagesPerRow(); }
    double ComputeScale() const;
    double RenderScaleFor(int nPage) const;
    void Relayout();
    void ScrollToPage(int nPage, double dFraction);
    void UpdateCurrentPage();
    QPoint ContentOrigin() const;
    QPair<int, int> VisiblePages() const;
    void PaintPage(QPainter& painter, int nPage, const QRect& target, const QRect& visible);
    void SlotRendered(int nPage, double dScale, const QRect& region, const QImage& image);
    // Another screen may have another pixel ratio: the pictures of the old
    // one stand in until the sharp ones are rendered.
    void OnScreenChanged();
    void StepRow(int nDelta);
    WordRef WordAt(const QPoint& viewportPos, bool nearest);
    void UpdateCursorShape(const QPoint& viewportPos);
    void OfferSelection();

    std::shared_ptr<CPdfDocument> document;
    CRenderQueue* queue = nullptr;
    double zoom = kFitWidth;
    double scale = 1.0;
    double previousRenderScale = 0;
    int displayMode = SingleScroll;
    int rotation = 0;
    int cursorMode = SelectCursor;
    int currentPage = 0;
    QVector<QRect> pageGeometry; // content coordinates, per page
    QSize contentSize;
    QColor background = QColor(0xe4, 0xe6, 0xea);
    QColor selectionColor = QColor(59, 108, 246, 80);
    QColor matchColor = QColor(255, 196, 0, 110);
    QColor currentMatchColor = QColor(255, 112, 0, 150);
    CPageOverlay* overlay = nullptr;
    QVector<CPageOverlay*> moreOverlays;
    QHash<int, QImage> stalePictures; // page -> picture shown until it is rendered again
    bool laidOut = false;
    int pendingPage = 0;
    QPair<int, int> lastVisible {-1, -1};
    bool painted = false;
    double paintedRatio = 0;

    CTextSelection* selection = nullptr;
    bool dragging = false;
    QPoint dragStart;
    QPoint scrollStart;
};
