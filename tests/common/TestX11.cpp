#include "TestX11.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

TestX11::TestX11()
{
    xcb_connection_t* opened = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(opened)) {
        xcb_disconnect(opened);
        return;
    }
    connection = opened;
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Startup messages go to whoever listens for property changes on the root.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

TestX11::~TestX11()
{
    if (connection)
        xcb_disconnect(connection);
}

quint32 TestX11::Atom(const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const quint32 atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

QList<quint32> TestX11::WindowsOf(qint64 pid)
{
    QList<quint32> found;
    if (!connection)
        return found;
    const xcb_atom_t pidAtom = Atom("_NET_WM_PID");
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (!tree)
        return found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_property_reply_t* property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, children[i], pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        const bool ours = property && xcb_get_property_value_length(property) == 4
            && *static_cast<const uint32_t*>(xcb_get_property_value(property)) == quint32(pid);
        std::free(property);
        if (!ours)
            continue;
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, children[i]), nullptr);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            found << children[i];
        std::free(attributes);
    }
    std::free(tree);
    return found;
}

QString TestX11::Title(quint32 window)
{
    if (!connection)
        return QString();
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"), 0, 1024),
        nullptr);
    QString title;
    if (property)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(property)),
                                  xcb_get_property_value_length(property));
    std::free(property);
    return title;
}

QRect TestX11::Geometry(quint32 window)
{
    if (!connection)
        return QRect();
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr);
    QRect rect;
    if (geometry && origin)
        rect = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    std::free(geometry);
    std::free(origin);
    return rect;
}

bool TestX11::SendDeleteWindow(quint32 window)
{
    if (!connection)
        return false;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    return xcb_flush(connection) > 0;
}

QStringList TestX11::StartupMessages()
{
    if (!connection)
        return {};
    const xcb_atom_t begin = Atom("_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom("_NET_STARTUP_INFO");
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (message->type == begin)
                partial.clear();
            if (message->type == begin || message->type == more) {
                const char* data = reinterpret_cast<const char*>(message->data.data8);
                const int length = int(strnlen(data, 20));
                partial.append(data, length);
                if (length < 20) {
                    messages << QString::fromUtf8(partial);
                    partial.clear();
                }
            }
        }
        std::free(event);
    }
    return messages;
}

void TestX11::ClearStartupMessages()
{
    StartupMessages();
    messages.clear();
}
