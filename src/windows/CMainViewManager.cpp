#include "CMainViewManager.h"

#include "CSingleInstance.h"
#include "CThemeWatcher.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "app/UsageReport.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPointer>
#include <QSystemSemaphore>
#include <QTimer>

#include <thread>

namespace {

void SemaphoreReadLoop(const QString& key, CMainViewManager* manager)
{
    // Both objects live as long as the process. System V objects are found
    // through key files; objects made and dropped per wake-up would remove
    // and re-create those files, and a file re-created on another inode can
    // land on an unrelated semaphore. Creating resets a count left by a
    // crashed instance, which would otherwise wake us for nothing.
    QSystemSemaphore wake(CSingleInstance::SemaphoreKey(key), 0, QSystemSemaphore::Create);
    QSharedMemory segment(CSingleInstance::SegmentKey(key));
    for (;;) {
        if (!wake.acquire())
            continue;
        if (!segment.isAttached() && !segment.attach(QSharedMemory::ReadWrite))
            continue;
        const QByteArray bytes = CSingleInstance::TakePayload(segment);
        emit manager->SignalSemaphoreWrite(CSingleInstance::ParseArguments(bytes));
    }
}

} // namespace

CMainViewManager::CMainViewManager()
    : MKMultiViewManager(nullptr)
{
    CSettingManager::getInstance(this);
    connect(this, &CMainViewManager::SignalSemaphoreWrite, this, &CMainViewManager::SlotSemaphoreWrite);
    if (MKApplication* app = MKApplication::getInstance()) {
        connect(app, &MKApplication::SignalOpenFileEvent, this, &CMainViewManager::SlotOpenFileEvent);
        connect(app, &MKApplication::SignalAppQuitEvent, this, &CMainViewManager::SlotQuitApp);
        connect(app, &MKApplication::SignalAppActivateEvent, this, &CMainViewManager::SlotActiveApp);
    }
    QTimer::singleShot(1000, this, &CMainViewManager::SlotOpenApp);
}

CMainViewManager* CMainViewManager::getInstance()
{
    static CMainViewManager* instance = new CMainViewManager;
    return instance;
}

QWidget* CMainViewManager::CreateMainView(QWidget* parent)
{
    Q_UNUSED(parent);
    auto* window = new MainView(nullptr);
    connect(window, &MainView::SignalMainViewClosed, this, &CMainViewManager::SlotMainViewClosed);
    connect(window, &QWidget::windowTitleChanged, this, &CMainViewManager::SlotWindowTitleChanged);
    connect(window, &MKMainWindow::SignalWindowActivate, this, [this, window]() { currentView = window; });
    window->setAttribute(Qt::WA_DeleteOnClose);
    views.append(window);
    if (dockMenu) {
        QAction* action = dockMenu->addAction(window->windowTitle());
        action->setData(QVariant::fromValue<QObject*>(window));
    }
    InitData();
    return window;
}

void CMainViewManager::RemoveMainView(QWidget* view)
{
    MKMultiViewManager::RemoveMainView(view);
    if (!dockMenu)
        return;
    for (QAction* action : dockMenu->actions()) {
        if (action->data().value<QObject*>() == view)
            dockMenu->removeAction(action);
    }
}

void CMainViewManager::OpenArguments(const QStringList& args)
{
    SlotOpenFileEvent(args.size() >= 2 ? args.at(1) : QString());
}

void CMainViewManager::SlotOpenFileEvent(const QString& strFile)
{
    QPointer<MainView> target = qobject_cast<MainView*>(currentView.data());
    if (!target)
        return;
    target->RaiseWindow();
    // The file opens 200 ms from now; reading it meanwhile costs nothing.
    if (!strFile.isEmpty())
        MainBox::Prefetch(strFile, target->PageAreaSize());
    QTimer::singleShot(200, target, [target, strFile]() {
        if (target)
            target->OpenPathFromOutside(strFile);
    });
}

bool CMainViewManager::FindOpenedDocument(const QString& path, const QVariantMap& request)
{
    for (QWidget* view : views) {
        if (auto* window = qobject_cast<MainView*>(view)) {
            if (window->ActivateDocument(path, request))
                return true;
        }
    }
    return false;
}

void CMainViewManager::StartSemaphoreThread(const QString& key)
{
    std::thread(SemaphoreReadLoop, key, this).detach();
}

void CMainViewManager::SlotSemaphoreWrite(const QStringList& argumentList)
{
    MK_LOG("launch hand-over: %d argument(s)", int(argumentList.size()));
    OpenArguments(argumentList);
}

void CMainViewManager::SlotMainViewClosed(bool bClosed)
{
    if (!bClosed) {
        quittingAll = false;
        return;
    }
    if (auto* window = qobject_cast<QWidget*>(sender()))
        RemoveMainView(window);
    if (!quittingAll)
        return;
    if (views.isEmpty())
        quittingAll = false;
    else
        CloseAllViews();
}

void CMainViewManager::CloseAllViews()
{
    quittingAll = true;
    if (!views.isEmpty())
        views.first()->close();
}

void CMainViewManager::SlotQuitApp()
{
    CloseAllViews();
}

void CMainViewManager::ActivateAllViews()
{
    for (QWidget* view : views) {
        if (auto* window = qobject_cast<MainView*>(view))
            window->RaiseWindow();
    }
}

void CMainViewManager::SlotActiveApp()
{
    ActivateAllViews();
}

void CMainViewManager::StartThemeWatcher()
{
    if (themeWatcher)
        return;
    themeWatcher = new CThemeWatcher(this, CThemeWatcher::BusOpener(), this);
    themeWatcher->Start();
}

void CMainViewManager::SlotThemeChanged()
{
    if (MKApplication* app = MKApplication::getInstance())
        app->OnThemeChanged();
}

void CMainViewManager::SlotOpenApp()
{
    // A launch is a process, however many windows it opens or however often
    // this slot is reached.
    static bool counted = false;
    if (counted)
        return;
    counted = true;
    CountLaunch(QDate::currentDate());
}

void CMainViewManager::SlotDockTriggered(QAction* action)
{
    if (!dockMenu || !action)
        return;
    if (auto* window = qobject_cast<MainView*>(action->data().value<QObject*>()))
        window->RaiseWindow();
}

void CMainViewManager::SlotWindowTitleChanged(const QString& title)
{
    Q_UNUSED(title);
    if (!dockMenu)
        return;
    auto* window = qobject_cast<QWidget*>(sender());
    for (QAction* action : dockMenu->actions()) {
        if (window && action->data().value<QObject*>() == window)
            action->setText(window->windowTitle());
    }
}

bool CMainViewManager::nativeEventFilter(const QByteArray& eventType, void* message, long* result)
{
    // Only watched, never consumed: the message goes on to Qt as it came.
    Q_UNUSED(result);
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const auto* msg = static_cast<const CWindowsMsg*>(message);
    if (!msg || msg->message != kWmSettingChange)
        return false;
    if (!IsImmersiveColorSetMessage(msg->wParam, msg->lParam))
        return false;
    CThemeWatcher::NotifyThemeChange(this);
    return false;
}
