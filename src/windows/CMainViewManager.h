#pragma once

#include "CSessionWindows.h"
#include "MKMultiViewManager.h"

#include <QAbstractNativeEventFilter>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <memory>
#include <thread>

class QAction;
class QMenu;
class CSharedSegment;
class CThemeWatcher;
class MainView;

// The one manager of all document windows: creates them, remembers the one
// activated last, routes files from outside to it, closes all windows in
// turn on quit and receives files from later launches.
class CMainViewManager : public MKMultiViewManager, public QAbstractNativeEventFilter, public CSessionWindows
{
    Q_OBJECT
public:
    static CMainViewManager* getInstance();

    QWidget* CreateMainView(QWidget* parent) override;
    void RemoveMainView(QWidget* view) override;
    void CloseAllViews() override;
    void ActivateAllViews() override;

    // Opens args[1] (args[0] is the program path).
    void OpenArguments(const QStringList& args);
    // Selects path in the first window that has it open.
    bool FindOpenedDocument(const QString& path, const QVariantMap& request);
    // Whether any window has path open, without selecting it.
    bool IsDocumentOpen(const QString& path) const override;
    // Argument lists received from later launches so far.
    int HandOverCount() const { return handOvers; }
    // Files waiting out the 200 ms before they open in their window.
    int PendingOpens() const { return pendingOpens; }
    void StartSemaphoreThread(const QString& key);
    // Ends the hand-over reader before the guard goes: a reader still
    // attached keeps the segment alive after the process, and one woken by
    // the semaphore's removal would make it again.
    void StopSemaphoreThread();
    bool IsQuittingAll() const override { return quittingAll; }
    // The desktop asked the process to end (SIGTERM and the like).
    bool IsTerminating() const override { return terminating; }
    QList<QWidget*> OpenWindows() const override { return Views(); }
    MainView* NewWindow() override;
    // Starts following the desktop's light/dark setting. With the "Auto"
    // skin, waits up to nWaitMs for the current value, so that the first
    // window is shown in the right colours.
    void StartThemeWatcher(int nWaitMs = 0);

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

signals:
    // For whoever keeps the session: a window to follow, and a change in
    // the set of windows or in their order.
    void SignalWindowCreated(MainView* window);
    void SignalWindowsChanged();
    void SignalSemaphoreWrite(const QStringList& argumentList);
    // The launcher ids of the launch whose list follows.
    void SignalLaunchIds(const QByteArray& startupId, const QByteArray& activationToken);

public slots:
    void SlotSemaphoreWrite(const QStringList& argumentList);
    void SlotMainViewClosed(bool bClosed);
    void SlotThemeChanged();
    void SlotDockTriggered(QAction* action);
    void SlotWindowTitleChanged(const QString& title);
    // extra: what else the launch asked for the file (the page to show,
    // the text to find).
    void SlotOpenFileEvent(const QString& strFile, const QVariantMap& extra = {});
    void SlotQuitApp();
    // Closes every window without the close-all and rating questions; only
    // unsaved documents are still asked about.
    void SlotTerminate();
    void SlotActiveApp();
    void SlotLaunchIds(const QByteArray& startupId, const QByteArray& activationToken);

private:
    CMainViewManager();
    ~CMainViewManager() override;
    // The window a file from outside goes to: the one activated last unless
    // it is closing, else another, else a new one.
    MainView* OpenTarget();
    // Made on first need, started by StartThemeWatcher.
    CThemeWatcher* Watcher();

    bool quittingAll = false;
    bool terminating = false;
    int terminateRetries = 0;
    QMenu* dockMenu = nullptr;
    CThemeWatcher* themeWatcher = nullptr;
    int handOvers = 0;
    int pendingOpens = 0;
    std::unique_ptr<CSharedSegment> readerSegment;
    std::thread reader;
    std::atomic<bool> stopReader {false};
    QByteArray launchStartupId;
    QByteArray launchToken;
};
