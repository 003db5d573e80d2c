#include "TestWindows.h"

#include "CTabBar.h"
#include "MainBox.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QApplication>
#include <QDropEvent>
#include <QPointer>
#include <QTest>

MainView* TestWindows::New()
{
    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    window->show();
    return window;
}

int TestWindows::Open(MainView* window, const QVariantMap& request)
{
    const QList<QWidget*> before = window->Documents();
    int nRet = -1;
    window->SlotOpenFile(nRet, request, true);
    // The window reads the file in the background: the result is known once
    // the new tab has read it, or failed to.
    QPointer<MainBox> box;
    for (QWidget* widget : window->Documents()) {
        if (!before.contains(widget))
            box = qobject_cast<MainBox*>(widget);
    }
    if (nRet != MainBox::OpenOk || !box || request.value("deferred").toBool())
        return nRet;
    if (!QTest::qWaitFor([&box]() { return !box || box->IsLoaded() || box->OpenFailure() != MainBox::OpenOk; }, 60000))
        return MainBox::OpenNone;
    return box ? box->OpenFailure() : MainBox::OpenNone;
}

int TestWindows::Open(MainView* window, const QString& path)
{
    return Open(window, QVariantMap {{"path", path}});
}

MainBox* TestWindows::Box(MainView* window, int nIndex)
{
    return qobject_cast<MainBox*>(window->TabBar()->GetItem(nIndex).widget);
}

void TestWindows::DeleteAll()
{
    for (QWidget* view : CMainViewManager::getInstance()->Views())
        delete view;
    // Deferred deletions of what the windows held go now, not in the next test.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainBox* TestWindows::Document(const QString& path, const QVariantMap& options, int* code)
{
    int result = -1;
    QWidget* widget = MainBox::CreatePdfBox(nullptr, path, options, result);
    if (code)
        *code = result;
    return qobject_cast<MainBox*>(widget);
}

void TestWindows::Drop(QWidget* target, const QMimeData* data, Qt::DropAction action)
{
    QDragEnterEvent enter(QPoint(50, 20), action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(50, 20), action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
