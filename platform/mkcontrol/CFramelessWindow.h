#pragma once

#include <QWidget>

// Top-level window without the window system's frame. A thin border around
// the contents stays sensitive so the window can be resized from its edges
// and corners; it disappears while maximised or full screen.
class CFramelessWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CFramelessWindow(QWidget* parent = nullptr);

    static constexpr int kBorder = 4;

    // Which edges a point (in window coordinates) would resize; none inside.
    Qt::Edges EdgesAt(const QPoint& pos) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateBorder();

    Qt::Edges pressedEdges;
    QRect pressedGeometry;
    QPoint pressedPos;
};
