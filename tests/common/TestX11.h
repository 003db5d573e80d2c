#pragma once

#include <QList>
#include <QRect>
#include <QStringList>

struct xcb_connection_t;

// Talks to the test display directly, as a window manager or a launcher
// would, to see and drive the windows of the program under test.
class TestX11
{
public:
    TestX11();
    ~TestX11();
    TestX11(const TestX11&) = delete;
    TestX11& operator=(const TestX11&) = delete;

    bool IsConnected() const { return connection != nullptr; }
    // Mapped top-level windows of a process.
    QList<quint32> WindowsOf(qint64 pid);
    // The title a task bar shows (_NET_WM_NAME).
    QString Title(quint32 window);
    // Where the window is on the screen.
    QRect Geometry(quint32 window);
    // The close request a window manager sends (WM_DELETE_WINDOW).
    bool SendDeleteWindow(quint32 window);
    // Startup-notification messages broadcast since the last clear.
    QStringList StartupMessages();
    void ClearStartupMessages();

private:
    quint32 Atom(const char* name);

    xcb_connection_t* connection = nullptr;
    quint32 root = 0;
    QByteArray partial;
    QStringList messages;
};
