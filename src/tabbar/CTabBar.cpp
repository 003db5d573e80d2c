#include "CTabBar.h"

#include "BubbleTipWidget.h"
#include "CTabBarAccessible.h"
#include "CTabListWidget.h"
#include "CWidgetUtils.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

#include <cstring>

const char* const CTabBar::kDragMarker = "com_marvik_tab_drag";
const char* const CTabBar::kDragDirty = "application/x-qwidget-bool";
const char* const CTabBar::kDragText = "text/plain";
const char* const CTabBar::kDragPointer = "application/x-qwidget-pointer";

namespace {

constexpr int kLeft = 8;
constexpr int kGap = 8;
constexpr int kTop = 6;
constexpr int kHeight = 34;
constexpr int kMaxWidth = 200;
constexpr int kMinWidth = 40;
constexpr int kTipDelay = 1500;
constexpr int kCloseIconSide = 16;

QWidget*& LastAccepted()
{
    static QWidget* widget = nullptr;
    return widget;
}

QWidget*& Dragged()
{
    static QWidget* widget = nullptr;
    return widget;
}

QRect CloseIconRect(const QRect& tab)
{
    return QRect(tab.right() - 20, tab.y() + 6, kCloseIconSide, kCloseIconSide);
}

} // namespace

CTabBar::CTabBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("tab_bar");
    // Its tabs are painted, not widgets: screen readers learn of them here.
    static const bool accessible = (QAccessible::installFactory(&CTabBarAccessible::Factory), true);
    Q_UNUSED(accessible);
    setAcceptDrops(true);
    setMouseTracking(true);
    setFixedHeight(kTop + kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    closeButton = new QPushButton(this);
    closeButton->setObjectName("tab_close");
    closeButton->setFixedSize(kCloseIconSide, kCloseIconSide);
    // Under the pointer only; Ctrl+W closes the current tab from the keyboard.
    closeButton->setFocusPolicy(Qt::NoFocus);
    closeButton->setAccessibleName(tr("Close Tab"));
    closeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    closeButton->hide();
    connect(closeButton, &QPushButton::clicked, this, &CTabBar::SlotClickedClose);

    listWidget = new CTabListWidget(this);
    connect(listWidget, &CTabListWidget::SignalCurrentChanged, this, &CTabBar::SlotCurrentChanged,
            Qt::QueuedConnection);
    connect(listWidget, &CTabListWidget::SignalCurrentChanged, listWidget, &QWidget::hide, Qt::QueuedConnection);
    connect(listWidget, &CTabListWidget::SignalCloseCurrent, this, &CTabBar::SignalCloseTab, Qt::QueuedConnection);
    connect(listWidget, &CTabListWidget::SignalCloseCurrent, listWidget, &QWidget::hide, Qt::QueuedConnection);
    Layout();
}

CTabBar::~CTabBar()
{
    qDeleteAll(items);
}

void CTabBar::Layout()
{
    const int n = items.size();
    if (n == 0)
        return;
    int w = (width() - 16 - kGap * n - 24) / n;
    if (w > kMaxWidth)
        w = kMaxWidth;
    if (w < kMinWidth)
        w = kMinWidth;
    tabWidth = w;
    for (int i = 0; i < n; ++i)
        items[i]->rect = QRect(kLeft + i * (w + kGap), kTop, w, kHeight);
    emit SignalItemWidthChanged(QPoint(items.last()->rect.right(), 0));
}

void CTabBar::DragLayout()
{
    int k = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (i == currentIndex)
            continue;
        if (k == dropIndex)
            ++k;
        items[i]->rect = QRect(kLeft + k * (tabWidth + kGap), kTop, tabWidth, kHeight);
        ++k;
    }
}

void CTabBar::CancelDrag()
{
    // The tabs under a drag inside the bar changed: the drag ends here and
    // the tabs go back to their places (the caller lays them out).
    pressed = false;
    dragging = false;
    dropIndex = -1;
    lastPos = QPoint();
}

void CTabBar::AddItem(const QString& text, bool dirty, QWidget* widget, bool select)
{
    CancelDrag();
    auto* item = new TabItem;
    item->text = text;
    item->dirty = dirty;
    item->widget = widget;
    items.append(item);
    Layout();
    if (select)
        SetCurrentIndex(items.size() - 1);
    emit SignalItemCountChanged();
    listWidget->AddRow(text);
    update();
}

void CTabBar::RemoveItem(int index)
{
    if (!IsValid(index))
        return;
    CancelDrag();
    delete items.takeAt(index);
    if (hoverIndex >= items.size())
        hoverIndex = -1;
    Layout();
    if (index < currentIndex) {
        SetCurrentIndex(currentIndex - 1);
    } else if (index == currentIndex) {
        currentIndex = -1;
        SetCurrentIndex(index > 0 ? index - 1 : 0);
    }
    emit SignalItemCountChanged();
    listWidget->RemoveRow(index);
    MoveCloseButton(hoverIndex);
    update();
}

void CTabBar::SetCurrentIndex(int index)
{
    if (!IsValid(index) || index == currentIndex)
        return;
    if (pressed) {
        CancelDrag();
        Layout();
    }
    currentIndex = index;
    update();
    emit SignalSelectChanged(index);
}

void CTabBar::ClearCurrent()
{
    currentIndex = -1;
    update();
}

void CTabBar::SetItemText(int index, const QString& text)
{
    if (!IsValid(index))
        return;
    items[index]->text = text;
    update();
    listWidget->SetRowText(index, text);
}

void CTabBar::SetItemDirty(int index, bool dirty)
{
    if (!IsValid(index))
        return;
    items[index]->dirty = dirty;
    update();
}

bool CTabBar::IsItemDirty(int index) const
{
    return IsValid(index) && items[index]->dirty;
}

bool CTabBar::IsCurrentDirty() const
{
    return IsItemDirty(currentIndex);
}

TabItem CTabBar::GetItem(int index) const
{
    return IsValid(index) ? *items[index] : TabItem();
}

QString CTabBar::GetItemTitle(int index) const
{
    if (!IsValid(index))
        return QString();
    return items[index]->dirty ? items[index]->text + "[*]" : items[index]->text;
}

int CTabBar::IndexOfWidget(QWidget* widget) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->widget == widget)
            return i;
    }
    return -1;
}

QRect CTabBar::GetItemRect(int index) const
{
    return IsValid(index) ? items[index]->rect : QRect();
}

void CTabBar::SetHoverColor(const QColor& color)
{
    hoverColor = color;
    update();
}

void CTabBar::SetPressedColor(const QColor& color)
{
    pressedColor = color;
    update();
}

void CTabBar::SetNormalTextColor(const QColor& color)
{
    normalTextColor = color;
    update();
}

void CTabBar::SetHoverTextColor(const QColor& color)
{
    hoverTextColor = color;
    update();
}

void CTabBar::SetSeparatorColor(const QColor& color)
{
    separatorColor = color;
    update();
}

void CTabBar::SetCloseIcon(const QString& path)
{
    closeIcon = path;
    closePixmap = CWidgetUtils::LoadPixmap(path);
    update();
}

// --- painting ---------------------------------------------------------------

void CTabBar::PaintSeparator(QPainter& painter, int x) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(separatorColor);
    painter.drawLine(x, 13, x, 27);
    painter.restore();
}

void CTabBar::PaintBackground(QPainter& painter, const QRect& tab, PaintState state) const
{
    if (state == StateNormal)
        return;
    QRectF r(tab.x(), tab.y(), tab.width(), tab.height());
    const double radius = 8;
    QPainterPath path;
    if (state == StateHover) {
        r.adjust(1, 0, -1, 0);
        const double bottom = r.bottom() - 6;
        path.moveTo(r.left() + radius, bottom);
        path.quadTo(r.left(), bottom, r.left(), bottom - radius);
        path.lineTo(r.left(), r.top() + radius);
        path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
        path.lineTo(r.right() - radius, r.top());
        path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
        path.lineTo(r.right(), bottom - radius);
        path.quadTo(r.right(), bottom, r.right() - radius, bottom);
        path.closeSubpath();
    } else {
        r.adjust(-1, 0, 1, 0);
        path.moveTo(r.left() - radius, r.bottom());
        path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - radius);
        path.lineTo(r.left(), r.top() + radius);
        path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
        path.lineTo(r.right() - radius, r.top());
        path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
        path.lineTo(r.right(), r.bottom() - radius);
        path.quadTo(r.right(), r.bottom(), r.right() + radius, r.bottom());
        path.closeSubpath();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(state == StateHover ? hoverColor : pressedColor);
    painter.drawPath(path);
    painter.restore();
}

void CTabBar::PaintCaption(QPainter& painter, const TabItem& item, PaintState state) const
{
    const QRect textRect = item.rect.adjusted(10, 0, -18, -6);
    const QString caption = item.dirty ? item.text + " *" : item.text;
    const QString elided = fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width());
    painter.setPen(state == StateNormal ? normalTextColor : hoverTextColor);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, elided);
}

void CTabBar::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.save();
    if (currentIndex > 0)
        PaintSeparator(painter, 4);
    for (int i = 0; i < items.size(); ++i) {
        if (i == currentIndex)
            continue;
        const TabItem& item = *items[i];
        const PaintState state = i == hoverIndex ? StateHover : StateNormal;
        if (i + 1 != currentIndex)
            PaintSeparator(painter, item.rect.right() + 4);
        PaintBackground(painter, item.rect, state);
        PaintCaption(painter, item, state);
        if (state == StateNormal)
            painter.drawPixmap(CloseIconRect(item.rect), closePixmap);
    }
    if (IsValid(currentIndex)) {
        const TabItem& item = *items[currentIndex];
        PaintBackground(painter, item.rect, StateCurrent);
        PaintCaption(painter, item, StateCurrent);
        if (currentIndex != hoverIndex)
            painter.drawPixmap(CloseIconRect(item.rect), closePixmap);
    }
    painter.restore();
    QWidget::paintEvent(event);
}

void CTabBar::resizeEvent(QResizeEvent* event)
{
    Layout();
    QWidget::resizeEvent(event);
}

// --- hover and tip ----------------------------------------------------------

int CTabBar::ItemAt(const QPoint& pos) const
{
    if (IsValid(currentIndex) && items[currentIndex]->rect.contains(pos))
        return currentIndex;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->rect.contains(pos))
            return i;
    }
    return -1;
}

int CTabBar::DropIndexAt(const QPoint& pos) const
{
    int x = kLeft;
    for (int i = 0; i < items.size(); ++i) {
        const QRect slot(x + 8, kTop, tabWidth, kHeight);
        x = slot.right();
        if (slot.contains(pos))
            return i;
    }
    return items.size() - 1;
}

void CTabBar::MoveCloseButton(int index)
{
    // The button covers the painted icon exactly.
    if (IsValid(index))
        closeButton->move(CloseIconRect(items[index]->rect).topLeft());
    closeButton->setVisible(IsValid(index));
}

void CTabBar::RestartTip(int index)
{
    if (!tipWidget) {
        tipWidget = new BubbleTipWidget(window());
        tipTimer = new QTimer(this);
        tipTimer->setSingleShot(true);
        connect(tipTimer, &QTimer::timeout, this, &CTabBar::ShowTip);
    }
    tipTimer->stop();
    tipWidget->hide();
    if (IsValid(index))
        tipTimer->start(kTipDelay);
}

void CTabBar::ShowTip()
{
    if (!IsValid(hoverIndex) || !tipWidget)
        return;
    tipWidget->SetText(GetItemTitle(hoverIndex));
    tipWidget->setDerection(BubbleWidget::ArrowTop);
    const QPoint anchor = mapTo(window(), QPoint(items[hoverIndex]->rect.center().x(), 45));
    tipWidget->setStartPos(90);
    tipWidget->myMove(anchor.x(), anchor.y());
    tipWidget->raise();
    tipWidget->show();
}

void CTabBar::UpdateHover(int index)
{
    hoverIndex = index;
    update();
    RestartTip(index);
    MoveCloseButton(index);
}

void CTabBar::leaveEvent(QEvent* event)
{
    UpdateHover(-1);
    QWidget::leaveEvent(event);
}

// --- mouse ------------------------------------------------------------------

void CTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = ItemAt(event->pos());
    SetCurrentIndex(index);
    if (!IsValid(index)) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed = true;
    lastPos = event->pos();
    hoverIndex = -1;
    RestartTip(-1);
    MoveCloseButton(-1);
}

void CTabBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        if (!pressed) {
            const int index = ItemAt(event->pos());
            if (IsValid(index) && index != hoverIndex)
                UpdateHover(index);
            else if (index == -1 && hoverIndex != -1)
                UpdateHover(-1);
        }
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!pressed || !IsValid(currentIndex)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if ((event->pos() - lastPos).manhattanLength() < QApplication::startDragDistance() && !dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (contentsRect().contains(event->pos())) {
        QRect& r = items[currentIndex]->rect;
        const int w = r.width();
        int left = r.left() - lastPos.x() + event->pos().x();
        if (left < kLeft)
            left = kLeft;
        if (left + w > geometry().right() - 8)
            left = geometry().right() - 8 - w;
        lastPos = event->pos();
        r.moveLeft(left);
        const int slot = DropIndexAt(event->pos());
        if (slot != dropIndex) {
            dropIndex = slot;
            DragLayout();
        }
        update();
        dragging = true;
        closeButton->hide();
    } else {
        pressed = false;
        dropIndex = -1;
        emit SignalItemDragOut(currentIndex, lastPos);
        lastPos = QPoint();
        dragging = false;
    }
    QWidget::mouseMoveEvent(event);
}

void CTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (pressed && dropIndex >= 0 && IsValid(currentIndex)) {
            listWidget->MoveRow(currentIndex, dropIndex);
            items[currentIndex]->rect = QRect(kLeft + dropIndex * (tabWidth + kGap), kTop, tabWidth, kHeight);
            items.insert(dropIndex, items.takeAt(currentIndex));
            currentIndex = dropIndex;
            dropIndex = -1;
            update();
        }
        dragging = false;
        pressed = false;
        lastPos = QPoint();
    }
    QWidget::mouseReleaseEvent(event);
}

void CTabBar::contextMenuEvent(QContextMenuEvent* event)
{
    const int index = ItemAt(event->pos());
    SetCurrentIndex(index);
    if (IsValid(index))
        emit SignalContextMenu(event->globalPos());
    QWidget::contextMenuEvent(event);
}

void CTabBar::SlotClickedClose()
{
    if (!IsValid(hoverIndex))
        return;
    closeButton->hide();
    emit SignalCloseTab(hoverIndex);
    RestartTip(hoverIndex);
}

// --- drag and drop ----------------------------------------------------------

QMimeData* CTabBar::EncodeDragData(const QString& text, bool dirty, QWidget* widget)
{
    auto* data = new QMimeData;
    data->setData(kDragMarker, QByteArray("marvik"));
    QByteArray flag;
    {
        QDataStream stream(&flag, QIODevice::WriteOnly);
        stream << dirty;
    }
    data->setData(kDragDirty, flag);
    data->setData(kDragText, text.toUtf8());
    QByteArray pointer(int(sizeof(QWidget*)), '\0');
    std::memcpy(pointer.data(), &widget, sizeof(QWidget*));
    data->setData(kDragPointer, pointer);
    return data;
}

bool CTabBar::DecodeDragData(const QMimeData* data, QString* text, bool* dirty, QWidget** widget)
{
    *text = QString();
    *dirty = false;
    *widget = nullptr;
    if (!data || !data->hasFormat(kDragMarker))
        return false;
    if (data->hasFormat(kDragDirty)) {
        QDataStream stream(data->data(kDragDirty));
        bool flag = false;
        stream >> flag;
        if (stream.status() == QDataStream::Ok)
            *dirty = flag;
    }
    if (data->hasFormat(kDragText))
        *text = QString::fromUtf8(data->data(kDragText));
    if (data->hasFormat(kDragPointer)) {
        // Only the address travels; whoever uses it must check that it is a
        // live document of this process before touching it.
        const QByteArray bytes = data->data(kDragPointer);
        if (bytes.size() >= int(sizeof(QWidget*)))
            std::memcpy(widget, bytes.constData(), sizeof(QWidget*));
    }
    return true;
}

void CTabBar::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kDragMarker) && Dragged())
        event->acceptProposedAction();
}

void CTabBar::dropEvent(QDropEvent* event)
{
    QString text;
    bool dirty = false;
    QWidget* widget = nullptr;
    if (!DecodeDragData(event->mimeData(), &text, &dirty, &widget) || !widget || widget != Dragged())
        return;
    Dragged() = nullptr;
    LastAccepted() = widget;
    emit SignalItemDragIn(text, dirty, widget);
    event->acceptProposedAction();
}

void CTabBar::BeginTabDrag(QWidget* widget)
{
    Dragged() = widget;
    LastAccepted() = nullptr;
}

void CTabBar::EndTabDrag()
{
    Dragged() = nullptr;
}

QWidget* CTabBar::LastAcceptedWidget()
{
    return LastAccepted();
}

// --- tab list popup ---------------------------------------------------------

void CTabBar::SlotClickedNum()
{
    listWidget->SetCurrentRow(currentIndex);
    QPoint pos;
    if (auto* button = qobject_cast<QWidget*>(sender()))
        pos = button->parentWidget() ? button->parentWidget()->mapToGlobal(button->pos())
                                     : button->mapToGlobal(QPoint(0, 0));
    listWidget->ShowAt(pos + QPoint(0, 26));
}

void CTabBar::SlotCurrentChanged(int row)
{
    SetCurrentIndex(row);
}
