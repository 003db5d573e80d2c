#include "CFileListDelegate.h"

#include "CFileListModel.h"
#include "CRecentManager.h"
#include "CThumbnailCache.h"
#include "CWidgetUtils.h"
#include "RecentKeys.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>

const QColor CFileListDelegate::kHoverTextColor = QColor(12, 140, 233);

namespace {

QRect FitCentered(const QSizeF& size, const QRect& box)
{
    const QSize fitted = size.toSize().scaled(box.size(), Qt::KeepAspectRatio);
    return QRect(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

QSizeF LogicalSize(const QImage& image)
{
    return QSizeF(image.size()) / image.devicePixelRatio();
}

} // namespace

CFileListDelegate::CFileListDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void CFileListDelegate::SetIconPath(const QString& path)
{
    iconPath = path;
    unpinPixmap = CWidgetUtils::LoadPixmap(path + "button_unpin.png");
    pinPixmap = CWidgetUtils::LoadPixmap(path + "button_pin.png");
    morePixmap = CWidgetUtils::LoadPixmap(path + "button_more.png");
    trianglePixmap = CWidgetUtils::LoadPixmap(path + "button_triangle.png");
    gridLock = CWidgetUtils::LoadPixmap(path + "icon_psw.png").toImage();
    listLock = CWidgetUtils::LoadPixmap(path + "list_psw.png").toImage();
}

QRect CFileListDelegate::MoreRect(const QRect& item, bool grid)
{
    return grid ? QRect(item.right() - 36, item.top() + 148, 24, 24)
                : QRect(item.right() - 44, item.top() + 14, 28, 28);
}

QRect CFileListDelegate::PinRect(const QRect& item)
{
    return QRect(item.right() - 76, item.top() + 14, 28, 28);
}

bool CFileListDelegate::IsGrid(const QStyleOptionViewItem& option) const
{
    auto* view = qobject_cast<const QListView*>(option.widget);
    return view && view->viewMode() == QListView::IconMode;
}

QSize CFileListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return QSize();
    return IsGrid(option) ? QSize(148, 184) : QSize(100, 56);
}

void CFileListDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    if (auto* view = qobject_cast<const QAbstractItemView*>(option->widget)) {
        auto* viewport = view->viewport();
        viewport->setCursor((option->state & QStyle::State_MouseOver) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    QStyledItemDelegate::initStyleOption(option, index);
}

void CFileListDelegate::PaintButtonBack(QPainter* painter, const QRect& rect, int state, int row) const
{
    if (hotRow != row)
        return;
    QColor color;
    if (state == QStyle::State_MouseOver || state == QStyle::State_Raised)
        color = hoverColor;
    else if (state == QStyle::State_Sunken)
        color = pressedColor;
    if (!color.isValid())
        return;
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawRoundedRect(rect, 6, 6);
}

void CFileListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QVariantMap info = index.data(CFileListModel::RecentInfoRole).toMap();
    if (info.isEmpty()) {
        painter->restore();
        return;
    }
    // Only entries that are painted ask for their picture; it is decoded in
    // the background and repainted when it arrives.
    if (info.value(RecentKey::kThumbnail).value<QImage>().isNull() && !info.value(RecentKey::kHasPassword).toBool()) {
        const QString path = info.value(OpenKey::kPath).toString();
        CThumbnailCache::getInstance()->Request(
            path, CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(path));
    }
    const QRectF R = option.rect;
    const QRect item = option.rect;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool selected = option.state & QStyle::State_Selected;
    const bool pinned = info.value(RecentKey::kPin).toBool();
    const QFontMetrics metrics = option.widget ? option.widget->fontMetrics() : option.fontMetrics;
    const int row = index.row();

    if (!IsGrid(option)) {
        const QRect box(int(R.left() + 12.0), int(R.top() + 8.0), 40, 40);
        const QImage picture = info.value(RecentKey::kHasPassword).toBool()
            ? listLock
            : info.value(RecentKey::kThumbnail).value<QImage>();
        if (!picture.isNull()) {
            const QRect target = FitCentered(LogicalSize(picture), box);
            painter->drawImage(target, picture);
            painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
            painter->setPen(borderColor);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(target.adjusted(0, 0, -1, -1));
        }
        const bool wide = R.width() > 460.0;
        const int reserve = wide ? 402 : 136;
        const QRect name(box.right() + 12, int(R.top() + 8.0), int(R.right() - box.right() - reserve), 40);
        painter->setPen(hovered ? kHoverTextColor : deepColor);
        painter->drawText(
            name, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(info.value(RecentKey::kFileName).toString(), Qt::ElideMiddle, name.width()));
        if (wide) {
            const QRect time(name.right() + 12, int(R.top() + 8.0), 124, 40);
            painter->setPen(lightColor);
            painter->drawText(time, Qt::AlignLeft | Qt::AlignVCenter, info.value(RecentKey::kTimeString).toString());
            const QRect size(time.right(), int(R.top() + 8.0), 124, 40);
            painter->drawText(size, Qt::AlignLeft | Qt::AlignVCenter, info.value(RecentKey::kFileSize).toString());
        }
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, true);
        if (hovered || selected) {
            const QRect more = MoreRect(item, false);
            PaintButtonBack(painter, more, moreState, row);
            painter->drawPixmap(more.adjusted(6, 6, -6, -6), morePixmap);
        }
        if (hovered || selected || pinned) {
            const QRect pin = PinRect(item);
            PaintButtonBack(painter, pin, pinState, row);
            painter->drawPixmap(pin.adjusted(6, 6, -6, -6), pinned ? pinPixmap : unpinPixmap);
        }
    } else {
        const QRect box(int(R.left() + 12.0), int(R.top() + 12.0), 124, 124);
        const QImage picture = info.value(RecentKey::kHasPassword).toBool()
            ? gridLock
            : info.value(RecentKey::kThumbnail).value<QImage>();
        if (!picture.isNull()) {
            painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
            painter->fillRect(box, backColor);
            painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, true);
            painter->drawImage(FitCentered(LogicalSize(picture), box), picture);
            painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
            painter->setPen(borderColor);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(box.adjusted(0, 0, -1, -1));
        }
        QRectF name(int(R.left() + 12.0), box.bottom() + 12, 124, 24);
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, true);
        if (hovered || selected) {
            const QRect more = MoreRect(item, true);
            PaintButtonBack(painter, more, moreState, row);
            painter->drawPixmap(more.adjusted(4, 4, -4, -4), morePixmap);
        }
        if (pinned)
            painter->drawPixmap(QRect(item.left() + 6, item.top() + 6, 6, 6), trianglePixmap);
        if (hovered || selected)
            name.setWidth(100.0);
        painter->setPen(hovered ? kHoverTextColor : deepColor);
        painter->drawText(
            name, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(info.value(RecentKey::kFileName).toString(), Qt::ElideMiddle, int(name.width())));
    }
    painter->restore();
}

bool CFileListDelegate::HitTest(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool grid = IsGrid(option);
    bool changed = false;
    auto test = [&](const QRect& rect, int& state, bool pin) {
        if (rect.contains(mouse->pos())) {
            if (event->type() == QEvent::MouseButtonPress) {
                state = QStyle::State_Sunken;
            } else if (event->type() == QEvent::MouseButtonRelease) {
                state = QStyle::State_Raised;
                if (pin)
                    emit SignalClickedPin(index);
                else
                    emit SignalClickedMore(index);
            } else {
                state = QStyle::State_MouseOver;
            }
            changed = true;
        } else if (state != QStyle::State_Enabled) {
            state = QStyle::State_Enabled;
            changed = true;
        }
    };
    test(MoreRect(option.rect, grid), moreState, false);
    if (!grid)
        test(PinRect(option.rect), pinState, true);
    return changed;
}

bool CFileListDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    if (!index.isValid())
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool changed = false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        changed = HitTest(event, option, index);
        break;
    case QEvent::MouseButtonRelease: {
        // Buttons are judged first: a release on one of them opens nothing.
        const bool onButton = MoreRect(option.rect, IsGrid(option)).contains(static_cast<QMouseEvent*>(event)->pos())
            || (!IsGrid(option) && PinRect(option.rect).contains(static_cast<QMouseEvent*>(event)->pos()));
        changed = HitTest(event, option, index);
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !onButton)
            emit SignalLeftButtonClicked(index);
        break;
    }
    default:
        break;
    }
    if (changed) {
        emit model->dataChanged(index, index);
        hotRow = index.row();
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
