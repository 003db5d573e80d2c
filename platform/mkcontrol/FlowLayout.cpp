#include "FlowLayout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget* parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , hSpace(hSpacing)
    , vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    items.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    return (index >= 0 && index < items.size()) ? items.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const
{
    return DoLayout(QRect(0, 0, width, 0), true);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    DoLayout(rect, false);
}

int FlowLayout::DoLayout(const QRect& rect, bool testOnly) const
{
    const QMargins margins = contentsMargins();
    const QRect area = rect.adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    for (QLayoutItem* item : items) {
        if (item->widget() && !item->widget()->isVisible())
            continue;
        const QSize size = item->sizeHint();
        int nextX = x + size.width() + hSpace;
        if (nextX - hSpace > area.right() + 1 && lineHeight > 0) {
            x = area.x();
            y += lineHeight + vSpace;
            nextX = x + size.width() + hSpace;
            lineHeight = 0;
        }
        if (!testOnly)
            item->setGeometry(QRect(QPoint(x, y), size));
        x = nextX;
        lineHeight = qMax(lineHeight, size.height());
    }
    return y + lineHeight - rect.y() + margins.bottom();
}
