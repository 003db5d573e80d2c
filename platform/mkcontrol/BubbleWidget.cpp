#include "BubbleWidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int kArrowHalf = 6;
constexpr int kRadius = 6;
constexpr int kShadow = 3;

} // namespace

BubbleWidget::BubbleWidget(bool bShadow, QWidget* parent)
    : QWidget(parent)
    , shadow(bShadow)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    bubbleLayout = new QVBoxLayout(this);
    bubbleLayout->setSpacing(0);
    UpdateMargins();
    hide();
}

void BubbleWidget::SetContentWidget(QWidget* widget, const QPoint& offset)
{
    if (content)
        bubbleLayout->removeWidget(content);
    content = widget;
    contentOffset = offset;
    if (content) {
        content->setParent(this);
        bubbleLayout->addWidget(content);
    }
    UpdateMargins();
}

void BubbleWidget::setDerection(int nDirection)
{
    direction = qBound(int(ArrowLeft), nDirection, int(ArrowBottom));
    UpdateMargins();
    update();
}

void BubbleWidget::setStartPos(int nPos)
{
    startPos = nPos;
    update();
}

void BubbleWidget::UpdateMargins()
{
    const int pad = contentOffset.x();
    const int arrowSide = contentOffset.y();
    const int extra = shadow ? kShadow : 0;
    int left = pad + extra;
    int top = pad + extra;
    int right = pad + extra;
    int bottom = pad + extra;
    switch (direction) {
    case ArrowLeft:
        left = arrowSide;
        break;
    case ArrowRight:
        right = arrowSide;
        break;
    case ArrowTop:
        top = arrowSide;
        break;
    default:
        bottom = arrowSide;
        break;
    }
    bubbleLayout->setContentsMargins(left, top, right, bottom);
    adjustSize();
}

QRect BubbleWidget::BodyRect() const
{
    // The arrow occupies what the arrow side's padding has beyond the others.
    const int arrowDepth = qMax(0, contentOffset.y() - contentOffset.x());
    const int inset = shadow ? kShadow : 0;
    QRect body = rect().adjusted(inset, inset, -inset, -inset);
    switch (direction) {
    case ArrowLeft:
        body.setLeft(arrowDepth);
        break;
    case ArrowRight:
        body.setRight(width() - 1 - arrowDepth);
        break;
    case ArrowTop:
        body.setTop(arrowDepth);
        break;
    default:
        body.setBottom(height() - 1 - arrowDepth);
        break;
    }
    return body;
}

QPoint BubbleWidget::ArrowTip() const
{
    switch (direction) {
    case ArrowLeft:
        return QPoint(0, startPos);
    case ArrowRight:
        return QPoint(width() - 1, startPos);
    case ArrowTop:
        return QPoint(startPos, 0);
    default:
        return QPoint(startPos, height() - 1);
    }
}

void BubbleWidget::myMove(int x, int y)
{
    adjustSize();
    move(QPoint(x, y) - ArrowTip());
}

void BubbleWidget::SetBackgroundColor(const QColor& color)
{
    background = color;
    update();
}

void BubbleWidget::SetBorderColor(const QColor& color)
{
    border = color;
    update();
}

void BubbleWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body = QRectF(BodyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, kRadius, kRadius);

    // The arrow stays on the body's side even when the tip is placed near a
    // corner.
    const QPointF tip = ArrowTip();
    QPolygonF arrow;
    switch (direction) {
    case ArrowLeft:
    case ArrowRight: {
        const double edge = direction == ArrowLeft ? body.left() : body.right();
        const double y = qBound(body.top() + kRadius + kArrowHalf, tip.y(), body.bottom() - kRadius - kArrowHalf);
        arrow << QPointF(edge, y - kArrowHalf) << QPointF(tip.x(), y) << QPointF(edge, y + kArrowHalf);
        break;
    }
    default: {
        const double edge = direction == ArrowTop ? body.top() : body.bottom();
        const double x = qBound(body.left() + kRadius + kArrowHalf, tip.x(), body.right() - kRadius - kArrowHalf);
        arrow << QPointF(x - kArrowHalf, edge) << QPointF(x, tip.y()) << QPointF(x + kArrowHalf, edge);
        break;
    }
    }
    QPainterPath arrowPath;
    arrowPath.addPolygon(arrow);
    arrowPath.closeSubpath();
    path = path.united(arrowPath);

    if (shadow) {
        for (int i = kShadow; i > 0; --i) {
            painter.setPen(QPen(QColor(0, 0, 0, 10 * (kShadow - i + 1)), i * 2));
            painter.drawPath(path);
        }
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(background);
    painter.drawPath(path);
}
