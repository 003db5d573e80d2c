#pragma once

#include "MKMultiViewManager.h"

#include <QAbstractNativeEventFilter>
#include <QStringList>
#include <QVariantMap>

class QAction;
class QMenu;
class CThemeWatcher;

// The one manager of all document windows: creates them, remembers the one
// activated last, routes files from outside to it, closes all windows in
// turn on quit and receives files from later launches.
class CMainViewManager : public MKMultiViewManager, public QAbstractNativeEventFilter
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
    void StartSemaphoreThread(const QString& key);
    bool IsQuittingAll() const { return quittingAll; }
    // Starts following the desktop's light/dark setting; returns at once.
    void StartThemeWatcher();

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

signals:
    void SignalSemaphoreWrite(const QStringList& argumentList);

public slots:
    void SlotSemaphoreWrite(const QStringList& argumentList);
    void SlotMainViewClosed(bool bClosed);
    void SlotThemeChanged();
    void SlotDockTriggered(QAction* action);
    void SlotWindowTitleChanged(const QString& title);
    void SlotOpenFileEvent(const QString& strFile);
    void SlotOpenApp();
    void SlotQuitApp();
    void SlotActiveApp();

private:
    CMainViewManager();

    bool quittingAll = false;
    QMenu* dockMenu = nullptr;
    CThemeWatcher* themeWatcher = nullptr;
};
