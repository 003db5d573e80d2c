#include "CTabListDelegate.h"

#include "CTabListModel.h"
#include "CWidgetUtils.h"

#include <QAbstractItemView>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>

CTabListDelegate::CTabListDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void CTabListDelegate::SetCloseNormalIcon(const QString& path)
{
    closeNormalIcon = path;
    closeNormalPixmap = CWidgetUtils::LoadPixmap(path);
}

void CTabListDelegate::SetCloseHoverIcon(const QString& path)
{
    closeHoverIcon = path;
    closeHoverPixmap = CWidgetUtils::LoadPixmap(path);
}

void CTabListDelegate::SetCheckedIcon(const QString& path)
{
    checkedIcon = path;
    checkedPixmap = CWidgetUtils::LoadPixmap(path);
}

QRect CTabListDelegate::CloseIconRect(const QRect& item)
{
    return QRect(item.right() - 24, item.top() + 6, 16, 16);
}

void CTabListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    auto* view = qobject_cast<const QListView*>(option.widget);
    if (!index.isValid() || (view && view->viewMode() != QListView::ListMode))
        return;
    QStyledItemDelegate::paint(painter, option, index);

    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRect item = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    if (selected)
        painter->drawPixmap(QRect(item.left() + 8, item.top() + 6, 16, 16), checkedPixmap);

    if (hovered || selected) {
        const QRect icon = CloseIconRect(item);
        const bool mine = lastRow == index.row();
        QColor circle;
        if (mine && (closeState == QStyle::State_MouseOver || closeState == QStyle::State_Raised))
            circle = hoverColor;
        else if (mine && closeState == QStyle::State_Sunken)
            circle = pressedColor;
        if (circle.isValid()) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(circle);
            painter->drawEllipse(icon);
            painter->drawPixmap(icon, closeHoverPixmap);
        } else {
            painter->drawPixmap(icon, closeNormalPixmap);
        }
    }

    QRect textRect = item.adjusted(32, 0, -8, 0);
    if (hovered || selected)
        textRect.adjust(0, 0, -24, 0);
    painter->setPen(textColor);
    const QFontMetrics metrics = view ? view->fontMetrics() : option.fontMetrics;
    const QString caption = index.data(CTabListModel::CaptionRole).toString();
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(caption, Qt::ElideRight, textRect.width()));
    painter->restore();
}

QSize CTabListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option);
    return index.isValid() ? QSize(100, 28) : QSize();
}

bool CTabListDelegate::HitClose(QEvent* event, const QRect& item)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (CloseIconRect(item).contains(mouse->pos())) {
        if (event->type() == QEvent::MouseButtonPress)
            closeState = QStyle::State_Sunken;
        else if (event->type() == QEvent::MouseButtonRelease)
            closeState = QStyle::State_Raised;
        else
            closeState = QStyle::State_MouseOver;
        return true;
    }
    if (closeState != QStyle::State_Enabled) {
        closeState = QStyle::State_Enabled;
        return true;
    }
    return false;
}

bool CTabListDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    if (!index.isValid())
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool handled = false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        handled = HitClose(event, option.rect);
        break;
    case QEvent::MouseButtonPress:
        if (HitClose(event, option.rect) && closeState == QStyle::State_Sunken) {
            emit SignalClickedClose(index);
            return true;
        }
        break;
    default:
        break;
    }
    if (handled) {
        if (auto* list = qobject_cast<CTabListModel*>(model))
            list->NotifyRowChanged(index);
        lastRow = index.row();
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
