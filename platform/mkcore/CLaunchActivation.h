#pragma once

#include <QByteArray>
#include <QList>

class QWidget;

// A window raised for another launch of the program (a file handed to the
// running instance). The launcher's startup-notification id ends its busy
// cursor and carries the time of the user's click, which lets the window
// manager's focus-stealing prevention accept the raise. X11 only: the
// Wayland activation token is passed along but Qt 5 offers no way to use it.
class CLaunchActivation
{
public:
    // Raises window (leaving the minimised state) and activates it on behalf
    // of the launch with these ids; either may be empty.
    static void Activate(QWidget* window, const QByteArray& startupId, const QByteArray& activationToken);
    // Tells the launcher the launch with this id is complete.
    static void Complete(const QByteArray& startupId);

    // The X server time in an id of the form "..._TIME<decimal>", 0 when
    // there is none.
    static quint32 StartupTime(const QByteArray& startupId);
    // The "remove" message for an id, cut into the 20-byte pieces the
    // startup-notification protocol sends, terminator included.
    static QList<QByteArray> RemoveMessageChunks(const QByteArray& startupId);
};
