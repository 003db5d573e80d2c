// Moving tabs between windows: dragging a tab out, adopting one dropped in,
// and giving a document a window of its own.
#include "MainView.h"

#include "CWindowTitleBar.h"
#include "MainBox.h"
#include "tabbar/CTabBar.h"

#include <QCursor>
#include <QDrag>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

void MainView::SlotTabItemDragOut(int nIndex, QPoint posMouse)
{
    if (!tabBar)
        return;
    const TabItem item = tabBar->GetItem(nIndex);
    if (!item.widget)
        return;
    tabBar->RemoveItem(nIndex);
    if (tabBar->GetItemCount() == 0)
        homeButton->setChecked(true);

    QPixmap image(size());
    image.fill(Qt::transparent);
    render(&image, QPoint(0, 0), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const QSize scaled = size().scaled(168, 168, Qt::KeepAspectRatio);
    image = image.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QPointer<QWidget> widget = item.widget;
    CTabBar::BeginTabDrag(item.widget);
    auto* drag = new QDrag(this);
    drag->setMimeData(CTabBar::EncodeDragData(item.text, item.dirty, item.widget));
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(scaled.width() / 2, 10));
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    CTabBar::EndTabDrag();
    FinishTabDrag(item.text, item.dirty, widget, result, posMouse);
}

void MainView::FinishTabDrag(const QString& caption, bool dirty, QWidget* widget, Qt::DropAction result,
                             const QPoint& posMouse)
{
    // A drop that no tab bar of ours took (nothing, or another program)
    // leaves the document with nobody: it gets a window of its own.
    if (widget && MainBox::IsLiveBox(widget)
        && (result == Qt::IgnoreAction || CTabBar::LastAcceptedWidget() != widget)) {
        MoveTabToNewWindow(caption, dirty, widget, posMouse);
        UpdateWindowState();
    }
    QTimer::singleShot(100, this, [this]() {
        if (tabBar->GetItemCount() == 0)
            close();
    });
}

void MainView::SlotTabItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget)
{
    // The payload may come from any program: only a live document of this
    // process is ever touched.
    if (!MainBox::IsLiveBox(tabWidget))
        return;
    AttachDocument(tabText, dirty, tabWidget);
}

void MainView::MoveTabToNewWindow(const QString& caption, bool dirty, QWidget* widget, const QPoint& offset)
{
    const QPoint pointer = QCursor::pos();
    MainView* target = nullptr;
    emit SignalRequestNewWindow(target);
    if (!target)
        return;
    target->show();
    target->move(pointer - offset);
    target->AttachDocument(caption, dirty, widget);
    if (auto* box = qobject_cast<MainBox*>(widget)) {
        if (target->titleBar())
            target->titleBar()->setVisible(!box->IsFullScreenReadModeEnable());
    }
    if (isFullScreen())
        target->showFullScreen();
}
