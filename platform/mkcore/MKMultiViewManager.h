#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

// Base of the window manager: the registered windows in creation order and
// the window activated last.
class MKMultiViewManager : public QObject
{
    Q_OBJECT
public:
    explicit MKMultiViewManager(QObject* parent = nullptr);

    virtual QWidget* CreateMainView(QWidget* parent) = 0;
    virtual void RemoveMainView(QWidget* view);
    virtual void CloseAllViews() = 0;
    virtual void ActivateAllViews() = 0;
    virtual void SetCurrentView(QWidget* view);

    int WindowsCount() const { return views.size(); }
    QList<QWidget*> Views() const { return views; }
    QWidget* CurrentView() const { return currentView; }

protected:
    // Called after a window was appended: a window destroyed without saying
    // goodbye must not stay behind as a dangling entry.
    void InitData();

    QList<QWidget*> views;
    QPointer<QWidget> currentView;
};
