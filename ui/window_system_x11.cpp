#include "window_system.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace kalendix {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name, std::size_t length)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(length), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

template <std::size_t N> xcb_atom_t internAtom(xcb_connection_t* connection, const char (&name)[N])
{
    return internAtom(connection, name, N - 1);
}

xcb_connection_t* x11Connection()
{
    // Only an X11 session has these; elsewhere (Wayland, offscreen) there is nothing to ask.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The 32-bit values of a window's property, as many as it holds up to count.
std::vector<uint32_t>
property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, uint32_t count)
{
    std::vector<uint32_t> values;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, count), nullptr);
    if (reply && reply->format == 32 && reply->type == type) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / sizeof(uint32_t));
    }
    std::free(reply);
    return values;
}

} // namespace

void keepOffTaskbar(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    // The window is not mapped yet, so the state is written as a property; Qt merges its own states into what it
    // finds there when it maps the window.
    std::vector<uint32_t> states = property(connection, id, state, XCB_ATOM_ATOM, 1024);
    for (const uint32_t atom : states)
        if (atom == skip)
            return;
    states.push_back(skip);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

QMargins frameMarginsBeforeShowing(QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    xcb_connection_t* connection = x11Connection();
    if (!connection || !known.isNull())
        return known;
    // A window manager adds its frame only when the window is mapped. One that keeps to the desktop conventions
    // (EWMH) says beforehand how large the frame will be, when asked: that answer, written on the window, is what
    // Qt itself reads once the window is shown.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
    const xcb_window_t root = tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
    std::free(tree);
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || root == XCB_WINDOW_NONE)
        return known;
    bool supported = false;
    for (const uint32_t atom :
         property(connection, root, internAtom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096))
        supported = supported || atom == request;
    if (!supported)
        return known;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // The manager answers within a few milliseconds; a manager that does not leaves the window placed without it.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 200) {
        const std::vector<uint32_t> sides = property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (sides.size() == 4) {
            // Left, right, top, bottom, in the screen's pixels; the windows are laid out in Qt's scaled ones.
            const qreal ratio = window->devicePixelRatioF();
            const auto scaled = [ratio](uint32_t side) { return static_cast<int>(std::lround(side / ratio)); };
            return {scaled(sides[0]), scaled(sides[2]), scaled(sides[1]), scaled(sides[3])};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return known;
}

} // namespace kalendix
