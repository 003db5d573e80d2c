#include "CFramelessWindow.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWindow>

CFramelessWindow::CFramelessWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground);
    UpdateBorder();
}

Qt::Edges CFramelessWindow::EdgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (isMaximized() || isFullScreen())
        return edges;
    // Corners get a larger grip than the straight edges.
    const int grip = kBorder * 3;
    const QRect r = rect();
    const bool nearLeft = pos.x() < kBorder;
    const bool nearRight = pos.x() >= r.width() - kBorder;
    const bool nearTop = pos.y() < kBorder;
    const bool nearBottom = pos.y() >= r.height() - kBorder;
    if (nearLeft || (pos.x() < grip && (nearTop || nearBottom)))
        edges |= Qt::LeftEdge;
    if (nearRight || (pos.x() >= r.width() - grip && (nearTop || nearBottom)))
        edges |= Qt::RightEdge;
    if (nearTop || (pos.y() < grip && (nearLeft || nearRight)))
        edges |= Qt::TopEdge;
    if (nearBottom || (pos.y() >= r.height() - grip && (nearLeft || nearRight)))
        edges |= Qt::BottomEdge;
    return edges;
}

static Qt::CursorShape CursorForEdges(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool mainDiagonal
            = (edges & Qt::LeftEdge && edges & Qt::TopEdge) || (edges & Qt::RightEdge && edges & Qt::BottomEdge);
        return mainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

void CFramelessWindow::mousePressEvent(QMouseEvent* event)
{
    const Qt::Edges edges = EdgesAt(event->pos());
    if (event->button() == Qt::LeftButton && edges) {
        QWindow* handle = windowHandle();
        if (handle && handle->startSystemResize(edges))
            return;
        pressedEdges = edges;
        pressedGeometry = geometry();
        pressedPos = event->globalPos();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CFramelessWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (pressedEdges && (event->buttons() & Qt::LeftButton)) {
        const QPoint delta = event->globalPos() - pressedPos;
        QRect g = pressedGeometry;
        const QSize minimum = minimumSizeHint().expandedTo(minimumSize()).expandedTo(QSize(200, 120));
        if (pressedEdges & Qt::LeftEdge)
            g.setLeft(qMin(g.left() + delta.x(), g.right() - minimum.width()));
        if (pressedEdges & Qt::RightEdge)
            g.setRight(qMax(g.right() + delta.x(), g.left() + minimum.width()));
        if (pressedEdges & Qt::TopEdge)
            g.setTop(qMin(g.top() + delta.y(), g.bottom() - minimum.height()));
        if (pressedEdges & Qt::BottomEdge)
            g.setBottom(qMax(g.bottom() + delta.y(), g.top() + minimum.height()));
        setGeometry(g);
        return;
    }
    setCursor(CursorForEdges(EdgesAt(event->pos())));
    QWidget::mouseMoveEvent(event);
}

void CFramelessWindow::mouseReleaseEvent(QMouseEvent* event)
{
    pressedEdges = {};
    QWidget::mouseReleaseEvent(event);
}

void CFramelessWindow::leaveEvent(QEvent* event)
{
    if (!pressedEdges)
        unsetCursor();
    QWidget::leaveEvent(event);
}

void CFramelessWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        UpdateBorder();
    QWidget::changeEvent(event);
}

void CFramelessWindow::UpdateBorder()
{
    const int border = (isMaximized() || isFullScreen()) ? 0 : kBorder;
    setContentsMargins(border, border, border, border);
}
