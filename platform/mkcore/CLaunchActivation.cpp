#include "CLaunchActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstring>

namespace {

constexpr int kChunkSize = 20;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

} // namespace

quint32 CLaunchActivation::StartupTime(const QByteArray& startupId)
{
    const int at = startupId.lastIndexOf("_TIME");
    if (at < 0)
        return 0;
    bool ok = false;
    const qulonglong time = startupId.mid(at + 5).toULongLong(&ok);
    return ok && time <= 0xffffffffULL ? quint32(time) : 0;
}

QList<QByteArray> CLaunchActivation::RemoveMessageChunks(const QByteArray& startupId)
{
    QByteArray message = "remove: ID=";
    // Quoting as the protocol asks for values with spaces, quotes or backslashes.
    for (char c : startupId) {
        if (c == ' ' || c == '"' || c == '\\')
            message += '\\';
        message += c;
    }
    message += '\0';
    QList<QByteArray> chunks;
    for (int at = 0; at < message.size(); at += kChunkSize)
        chunks << message.mid(at, kChunkSize).leftJustified(kChunkSize, '\0');
    return chunks;
}

void CLaunchActivation::Complete(const QByteArray& startupId)
{
    if (startupId.isEmpty() || !QX11Info::isPlatformX11())
        return;
    xcb_connection_t* connection = QX11Info::connection();
    const xcb_window_t root = QX11Info::appRootWindow();
    if (!connection || !root)
        return;
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    bool first = true;
    for (const QByteArray& chunk : RemoveMessageChunks(startupId)) {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = first ? begin : more;
        std::memcpy(event.data.data8, chunk.constData(), kChunkSize);
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
        first = false;
    }
    xcb_flush(connection);
}

void CLaunchActivation::Activate(QWidget* window, const QByteArray& startupId, const QByteArray& activationToken)
{
    Q_UNUSED(activationToken);
    if (!window)
        return;
    // The click that started the launch is the user time of this raise; with
    // it the window manager treats the activation as the user's own.
    const quint32 time = StartupTime(startupId);
    if (time && QX11Info::isPlatformX11()) {
        QX11Info::setAppTime(time);
        QX11Info::setAppUserTime(time);
    }
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    else
        window->setWindowState(window->windowState() | Qt::WindowActive);
    window->raise();
    // A Wayland client cannot take the focus by itself (Qt 5 has no
    // activation-token support); asking only logs a warning.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        window->activateWindow();
    Complete(startupId);
}
