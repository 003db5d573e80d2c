#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QSet>
#include <QTimer>

class CEditSession;
class CRenderQueue;
class QRubberBand;
struct PlanPage;

// The grid of an organizer: one cell per page of the session's plan, with
// its picture (rendered off the GUI thread, only for the cells in view) and
// its number. Pages are selected by click, Ctrl+click, Shift+click, a
// rubber band or Ctrl+A, and moved by dragging them between other cells; the
// view scrolls by itself while a drag nears its edges. Ctrl+Z and
// Ctrl+Shift+Z (or Ctrl+Y) step through the session's undo stack. PDF files dropped on
// it are offered for insertion where they were dropped.
class COrganizerView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QColor selectionColor READ SelectionColor WRITE SetSelectionColor)
    Q_PROPERTY(QColor textColor READ TextColor WRITE SetTextColor)
    Q_PROPERTY(QColor accentColor READ AccentColor WRITE SetAccentColor)
public:
    static constexpr int kCellWidth = 156;
    static constexpr int kCellHeight = 200;
    static constexpr int kThumbBox = 120; // the longer side of a page picture
    static constexpr int kMargin = 16;
    static constexpr char kMimeType[] = "application/x-rvpdf-organizer-pages";

    explicit COrganizerView(CEditSession* session, QWidget* parent = nullptr);
    ~COrganizerView() override;

    QList<int> Selection() const;
    void SetSelection(const QList<int>& positions);
    void SelectAll();
    int Columns() const;
    QRect CellRect(int nPosition) const; // viewport coordinates
    QRect ThumbRect(int nPosition) const;
    int PositionAt(const QPoint& pos) const; // -1 between cells
    // Where pages dropped at pos would go: a position from 0 to Count.
    int InsertionAt(const QPoint& pos) const;
    void EnsureVisible(int nPosition);
    int RenderedCount() const { return rendered; }
    int DropIndicator() const { return dropAt; }

    QColor SelectionColor() const { return selectionColor; }
    void SetSelectionColor(const QColor& color);
    QColor TextColor() const { return textColor; }
    void SetTextColor(const QColor& color);
    QColor AccentColor() const { return accentColor; }
    void SetAccentColor(const QColor& color);

signals:
    void SignalSelectionChanged();
    void SignalMoveRequested(const QList<int>& positions, int nBefore);
    void SignalInsertFilesRequested(const QStringList& paths, int nAt);
    void SignalDeleteRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Relayout();
    void OnPlanChanged(const QList<int>& selection);
    QSizeF ShownSize(const PlanPage& page) const; // page points, turned as planned
    void PaintCell(QPainter& painter, int nPosition);
    CRenderQueue* QueueFor(int nSource);
    void StartDrag();
    void UpdateRubberBand(const QPoint& pos);
    void AutoScrollStep();
    static QStringList DroppedPdfs(const class QMimeData* mime);

    CEditSession* session;
    QHash<quint64, CRenderQueue*> queues; // per document
    QSet<int> selected;
    int anchor = -1;
    int rendered = 0;
    QPoint pressPos;
    int pressPosition = -1;
    bool pressOnSelected = false;
    QRubberBand* rubberBand = nullptr;
    QPoint rubberOrigin; // content coordinates
    QSet<int> rubberBase;
    int dropAt = -1;
    QPoint dragPos;
    QTimer autoScroll;
    QColor selectionColor = QColor(59, 108, 246, 60);
    QColor textColor = QColor(80, 80, 80);
    QColor accentColor = QColor(59, 108, 246);
};
