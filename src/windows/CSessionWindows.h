#pragma once

#include <QList>

class QString;
class QWidget;
class MainView;

// What the session keeper needs of the windows: which are open, a new one,
// and whether closing is under way. The window manager offers it; the keeper
// never reaches the manager itself, and the manager only signals.
class CSessionWindows
{
public:
    virtual ~CSessionWindows() = default;

    virtual QList<QWidget*> OpenWindows() const = 0;
    virtual MainView* NewWindow() = 0;
    virtual bool IsDocumentOpen(const QString& path) const = 0;
    // Every window is closing for a quit: the session stays as before it.
    virtual bool IsQuittingAll() const = 0;
    // The desktop asked the process to end.
    virtual bool IsTerminating() const = 0;
};
