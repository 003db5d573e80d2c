#include "CMainViewManager.h"

#include "CLaunchRequest.h"
#include "CCrashReporter.h"
#include "CSharedSegment.h"
#include "CSingleInstance.h"
#include "CThemeWatcher.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "OpenRequestKeys.h"
#include "mainview/MainView.h"
#include "setting/CPageColorSetting.h"
#include "setting/CSettingManager.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <thread>

namespace {

void SemaphoreReadLoop(CSharedSegment* segment, CMainViewManager* manager, const std::atomic<bool>* stop)
{
    MKBase::CCrashReporter::PrepareThread();
    auto deliver = [manager](const QByteArray& bytes) {
        const CSingleInstance::HandOver handOver = CSingleInstance::ParseHandOver(bytes);
        emit manager->SignalLaunchIds(handOver.startupId, handOver.activationToken);
        emit manager->SignalSemaphoreWrite(handOver.arguments);
    };
    int backOffMs = 0;
    while (!*stop) {
        // A list may have been written before the first wait; look first.
        if (segment->IsAttached() || segment->Attach() == CSharedSegment::Ok) {
            CSingleInstance::TakePayload(*segment, deliver);
            if (segment->Wait())
                continue;
        }
        if (*stop)
            break;
        // No channel (no private runtime folder, system limits reached):
        // look for one now and then instead of spinning.
        if (backOffMs == 0)
            MK_LOG("launch hand-over: no channel to wait on, looking now and then");
        backOffMs = qBound(50, backOffMs * 2, 1000);
        for (int slept = 0; slept < backOffMs && !*stop; slept += 50)
            QThread::msleep(50);
    }
}

} // namespace

CMainViewManager::CMainViewManager()
    : MKMultiViewManager(nullptr)
{
    CSettingManager::getInstance(this);
    // Pages show in the colours chosen last time from the first frame on.
    CPageColorSetting::getInstance();
    connect(this, &CMainViewManager::SignalSemaphoreWrite, this, &CMainViewManager::SlotSemaphoreWrite);
    connect(this, &CMainViewManager::SignalLaunchIds, this, &CMainViewManager::SlotLaunchIds);
    if (MKApplication* app = MKApplication::getInstance()) {
        connect(app, &MKApplication::SignalOpenFileEvent, this,
                [this](const QString& path) { SlotOpenFileEvent(path); });
        connect(app, &MKApplication::SignalAppQuitEvent, this, &CMainViewManager::SlotQuitApp);
        connect(app, &MKApplication::SignalAppActivateEvent, this, &CMainViewManager::SlotActiveApp);
    }
}

CMainViewManager::~CMainViewManager() = default;

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
    connect(window, &MainView::SignalRequestNewWindow, this,
            [this](MainView*& target) { target = qobject_cast<MainView*>(CreateMainView(nullptr)); });
    connect(window, &MainView::SignalRequestCloseAll, this, &CMainViewManager::CloseAllViews);
    connect(window, &MainView::SignalRequestActivateAll, this, &CMainViewManager::ActivateAllViews);
    connect(window, &MainView::SignalFindOpenedDocument, this,
            [this](const QString& path, const QVariantMap& request, bool& found) {
                found = FindOpenedDocument(path, request);
            });
    connect(window, &MainView::SignalGetWindowCount, this, [this](int& count) { count = WindowsCount(); });
    window->setAttribute(Qt::WA_DeleteOnClose);
    views.append(window);
    emit SignalWindowCreated(window);
    if (dockMenu) {
        QAction* action = dockMenu->addAction(window->windowTitle());
        action->setData(QVariant::fromValue<QObject*>(window));
    }
    InitData();
    return window;
}

MainView* CMainViewManager::NewWindow()
{
    return qobject_cast<MainView*>(CreateMainView(nullptr));
}

void CMainViewManager::RemoveMainView(QWidget* view)
{
    MKMultiViewManager::RemoveMainView(view);
    emit SignalWindowsChanged();
    if (!dockMenu)
        return;
    for (QAction* action : dockMenu->actions()) {
        if (action->data().value<QObject*>() == view)
            dockMenu->removeAction(action);
    }
}

void CMainViewManager::OpenArguments(const QStringList& args)
{
    // Launches send absolute paths; a relative one means nothing here,
    // where the working folder is another.
    const CLaunchRequest launch = CLaunchRequest::Parse(args, QString());
    if (!launch.error.isEmpty()) {
        MK_LOG("launch arguments refused: %s", qUtf8Printable(launch.error));
        SlotOpenFileEvent(QString());
        return;
    }
    QVariantMap extra;
    if (launch.page > 0)
        extra[OpenKey::kShowPage] = launch.page - 1;
    if (!launch.find.isEmpty())
        extra[OpenKey::kFind] = launch.find;
    SlotOpenFileEvent(launch.file, extra);
}

MainView* CMainViewManager::OpenTarget()
{
    // A window that is closing would take the file down with it.
    auto usable = [](QWidget* view) {
        auto* window = qobject_cast<MainView*>(view);
        return window && !window->IsClosingWindow() ? window : nullptr;
    };
    if (MainView* window = usable(currentView))
        return window;
    for (int i = views.size() - 1; i >= 0; --i) {
        if (MainView* window = usable(views.at(i))) {
            currentView = window;
            return window;
        }
    }
    auto* window = qobject_cast<MainView*>(CreateMainView(nullptr));
    SetCurrentView(window);
    window->show();
    return window;
}

void CMainViewManager::SlotOpenFileEvent(const QString& strFile, const QVariantMap& extra)
{
    // A launch while all windows are being closed wants a window: the quit
    // stops where it is.
    quittingAll = false;
    MainView* target = OpenTarget();
    // The file opens 200 ms from now, to the millisecond (a coarse timer
    // may be late by a twentieth), counted from the request; in another
    // window when this one closes meanwhile. A launch without a file only
    // brings the window forward.
    if (!strFile.isEmpty()) {
        ++pendingOpens;
        QTimer::singleShot(200, Qt::PreciseTimer, this, [this, chosen = QPointer<MainView>(target), strFile, extra]() {
            --pendingOpens;
            if (terminating)
                return;
            MainView* window = chosen && !chosen->IsClosingWindow() ? chosen.data() : OpenTarget();
            if (window != chosen)
                window->RaiseWindow();
            window->OpenPathFromOutside(strFile, extra);
        });
    }
    target->RaiseWindow(launchStartupId, launchToken);
    launchStartupId.clear();
    launchToken.clear();
    // Reading it meanwhile costs nothing, unless it is open already and
    // only gets selected.
    if (!strFile.isEmpty() && !IsDocumentOpen(strFile))
        MainBox::Prefetch(strFile, target->PageAreaSize());
}

bool CMainViewManager::IsDocumentOpen(const QString& path) const
{
    for (QWidget* view : views) {
        auto* window = qobject_cast<MainView*>(view);
        if (window && window->IndexOfDocument(path) >= 0)
            return true;
    }
    return false;
}

void CMainViewManager::SlotLaunchIds(const QByteArray& startupId, const QByteArray& activationToken)
{
    launchStartupId = startupId;
    launchToken = activationToken;
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
    if (reader.joinable())
        return;
    readerSegment = std::make_unique<CSharedSegment>(CSingleInstance::KeyFilePath(key), CSingleInstance::kSegmentSize);
    stopReader = false;
    reader = std::thread(SemaphoreReadLoop, readerSegment.get(), this, &stopReader);
}

void CMainViewManager::StopSemaphoreThread()
{
    if (!reader.joinable())
        return;
    stopReader = true;
    readerSegment->Wake();
    reader.join();
    readerSegment.reset();
}

void CMainViewManager::SlotSemaphoreWrite(const QStringList& argumentList)
{
    MK_LOG("launch hand-over: %d argument(s)", int(argumentList.size()));
    ++handOvers;
    OpenArguments(argumentList);
}

void CMainViewManager::SlotMainViewClosed(bool bClosed)
{
    if (!bClosed) {
        quittingAll = false;
        // The close was cancelled: the session is the windows as they are.
        emit SignalWindowsChanged();
        terminating = false;
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

void CMainViewManager::SlotTerminate()
{
    terminating = true;
    for (QWidget* view : views) {
        if (auto* window = qobject_cast<MainView*>(view))
            window->SetSessionEnding();
    }
    // A question on screen runs a loop of its own inside a window's code; a
    // window closed under it would delete the question while it is still
    // asked. Questions are dismissed first, and the windows close once every
    // such loop has unwound (bounded, should one never return).
    if (QThread::currentThread()->loopLevel() > 1 && terminateRetries < 300) {
        ++terminateRetries;
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
        else if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QTimer::singleShot(10, this, &CMainViewManager::SlotTerminate);
        return;
    }
    terminateRetries = 0;
    MK_LOG("termination requested: closing %d window(s)", int(views.size()));
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

void CMainViewManager::StartThemeWatcher(int nWaitMs)
{
    Watcher()->Start();
    MKApplication* app = MKApplication::getInstance();
    if (nWaitMs <= 0 || themeWatcher->IsReady() || !app || app->CurrentSkin() != MKApplication::kSkinAuto)
        return;
    QEventLoop loop;
    connect(themeWatcher, &CThemeWatcher::SignalReady, &loop, &QEventLoop::quit);
    QTimer::singleShot(nWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

CThemeWatcher* CMainViewManager::Watcher()
{
    if (!themeWatcher) {
        themeWatcher = new CThemeWatcher(CThemeWatcher::BusOpener(), this);
        connect(themeWatcher, &CThemeWatcher::SignalThemeChanged, this, &CMainViewManager::SlotThemeChanged);
    }
    return themeWatcher;
}

void CMainViewManager::SlotThemeChanged()
{
    if (MKApplication* app = MKApplication::getInstance())
        app->OnThemeChanged();
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
    Watcher()->NotifyThemeChange();
    return false;
}
