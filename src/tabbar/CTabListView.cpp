#include "CTabListView.h"

#include "CTabListDelegate.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

CTabListView::CTabListView(QWidget* parent)
    : QListView(parent)
{
    setViewMode(QListView::ListMode);
    setResizeMode(QListView::Adjust);
    setSpacing(2);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delegate = new CTabListDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &CTabListDelegate::SignalClickedClose, this, &CTabListView::SlotClickedClose,
            Qt::QueuedConnection);
}

QColor CTabListView::TextColor() const
{
    return delegate->textColor;
}

void CTabListView::SetTextColor(const QColor& color)
{
    delegate->textColor = color;
    viewport()->update();
}

QColor CTabListView::HoverColor() const
{
    return delegate->hoverColor;
}

void CTabListView::SetHoverColor(const QColor& color)
{
    delegate->hoverColor = color;
    viewport()->update();
}

QColor CTabListView::PressedColor() const
{
    return delegate->pressedColor;
}

void CTabListView::SetPressedColor(const QColor& color)
{
    delegate->pressedColor = color;
    viewport()->update();
}

QString CTabListView::CloseNormalIcon() const
{
    return delegate->closeNormalIcon;
}

void CTabListView::SetCloseNormalIcon(const QString& path)
{
    delegate->SetCloseNormalIcon(path);
}

QString CTabListView::CloseHoverIcon() const
{
    return delegate->closeHoverIcon;
}

void CTabListView::SetCloseHoverIcon(const QString& path)
{
    delegate->SetCloseHoverIcon(path);
}

QString CTabListView::CheckedIcon() const
{
    return delegate->checkedIcon;
}

void CTabListView::SetCheckedIcon(const QString& path)
{
    delegate->SetCheckedIcon(path);
}

void CTabListView::SlotClickedClose(const QModelIndex& index)
{
    if (index.isValid())
        emit SignalCloseCurrent(index.row());
}

void CTabListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (current.isValid() && userChoosing)
        emit SignalCurrentChanged(current.row());
    QListView::currentChanged(current, previous);
}

void CTabListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex before = currentIndex();
    {
        const QScopedValueRollback<bool> choosing(userChoosing, true);
        QListView::mousePressEvent(event);
    }
    // A click on the row of the tab already chosen confirms it, so the popup
    // closes as for any other row (its close icon excepted).
    const QModelIndex pressed = indexAt(event->pos());
    if (event->button() == Qt::LeftButton && pressed.isValid() && pressed == before && currentIndex() == before
        && !CTabListDelegate::CloseIconRect(visualRect(pressed)).contains(event->pos()))
        emit SignalCurrentChanged(pressed.row());
}

void CTabListView::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback<bool> choosing(userChoosing, true);
    QListView::keyPressEvent(event);
}
