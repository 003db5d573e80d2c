#pragma once

#include <QColor>
#include <QWidget>

class QVBoxLayout;

// A speech bubble floating over its parent: a rounded body around a content
// widget, with an arrow on one side whose tip can be placed on a point.
class BubbleWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ BackgroundColor WRITE SetBackgroundColor)
    Q_PROPERTY(QColor borderColor READ BorderColor WRITE SetBorderColor)
public:
    // Sides the arrow can sit on.
    enum Direction { ArrowLeft = 0, ArrowRight = 1, ArrowTop = 2, ArrowBottom = 3 };

    // bShadow draws a soft shadow under the body.
    BubbleWidget(bool bShadow, QWidget* parent = nullptr);

    // offset.x() is the padding around the content; offset.y() the padding on
    // the arrow's side, which also holds the arrow.
    void SetContentWidget(QWidget* content, const QPoint& offset);
    QWidget* ContentWidget() const { return content; }
    void setDerection(int nDirection);
    int Direction() const { return direction; }
    // Distance of the arrow tip from the start (left or top) of its side.
    void setStartPos(int nPos);
    // Moves the bubble so the arrow tip lands on (x, y) in parent coordinates.
    void myMove(int x, int y);
    QPoint ArrowTip() const;

    QColor BackgroundColor() const { return background; }
    void SetBackgroundColor(const QColor& color);
    QColor BorderColor() const { return border; }
    void SetBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateMargins();
    QRect BodyRect() const;

    bool shadow = false;
    QWidget* content = nullptr;
    QVBoxLayout* bubbleLayout = nullptr;
    QPoint contentOffset = QPoint(12, 20);
    int direction = ArrowTop;
    int startPos = 20;
    QColor background = QColor(255, 255, 255);
    QColor border = QColor(0, 0, 0, 40);
};
