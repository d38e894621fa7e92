#include "window_system.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

namespace kalendix {

namespace {

// How long a window waits, before it is first shown, for the window manager to tell the frame it will get.
constexpr qint64 frameAnswerWaitMilliseconds = 50;

// The names this file asks the X server about, interned once for the connection: every round trip counts on a slow
// or remote display.
struct Atoms
{
    xcb_connection_t* connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
    xcb_atom_t requestFrameExtents = XCB_ATOM_NONE;
    xcb_atom_t frameExtents = XCB_ATOM_NONE;
    xcb_atom_t supported = XCB_ATOM_NONE;
    // Once the window manager has said it tells frames in advance, that holds; one that said so and then let the wait
    // run out is not asked again.
    bool framesTold = false;
    bool answersLate = false;
};

xcb_connection_t* x11Connection()
{
    // Only an X11 session has these; elsewhere (Wayland, offscreen) there is nothing to ask.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// All requests are sent before the first answer is awaited: one round trip for all the names.
Atoms* atoms()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return nullptr;
    static Atoms known;
    if (known.connection == connection)
        return &known;
    const std::array<std::string_view, 5> names = {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR",
                                                   "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS",
                                                   "_NET_SUPPORTED"};
    std::array<xcb_intern_atom_cookie_t, names.size()> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<uint16_t>(names[i].size()), names[i].data());
    std::array<xcb_atom_t, names.size()> interned{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
        interned[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    known = Atoms{};
    known.connection = connection;
    known.state = interned[0];
    known.skipTaskbar = interned[1];
    known.requestFrameExtents = interned[2];
    known.frameExtents = interned[3];
    known.supported = interned[4];
    return &known;
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
    const Atoms* x11 = atoms();
    if (!x11 || x11->state == XCB_ATOM_NONE || x11->skipTaskbar == XCB_ATOM_NONE)
        return;
    xcb_connection_t* connection = x11->connection;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = x11->state;
    const xcb_atom_t skip = x11->skipTaskbar;

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
    Atoms* x11 = atoms();
    if (!x11 || !known.isNull() || x11->requestFrameExtents == XCB_ATOM_NONE || x11->frameExtents == XCB_ATOM_NONE ||
        x11->answersLate)
        return known;
    xcb_connection_t* connection = x11->connection;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
    const xcb_window_t root = tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
    std::free(tree);
    if (root == XCB_WINDOW_NONE)
        return known;
    // A window manager adds its frame only when the window is mapped. One that keeps to the desktop conventions
    // (EWMH) says beforehand how large the frame will be, when asked: that answer, written on the window, is what
    // Qt itself reads once the window is shown.
    // Asked until it says yes: a manager that is not up yet may be by the next window.
    if (!x11->framesTold)
        for (const uint32_t atom : property(connection, root, x11->supported, XCB_ATOM_ATOM, 4096))
            x11->framesTold = x11->framesTold || atom == x11->requestFrameExtents;
    if (!x11->framesTold)
        return known;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = x11->requestFrameExtents;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // A manager answers within a few milliseconds. The wait is short and bounded, as the window is not shown until it
    // ends; a manager that lets it run out is not asked again, and its windows are placed by their size alone, as
    // they are where no manager says.
    QElapsedTimer waited;
    waited.start();
    do {
        const std::vector<uint32_t> sides = property(connection, id, x11->frameExtents, XCB_ATOM_CARDINAL, 4);
        if (sides.size() == 4) {
            // Left, right, top, bottom, in the screen's pixels; the windows are laid out in Qt's scaled ones.
            const qreal ratio = window->devicePixelRatioF();
            const auto scaled = [ratio](uint32_t side) { return static_cast<int>(std::lround(side / ratio)); };
            return {scaled(sides[0]), scaled(sides[2]), scaled(sides[1]), scaled(sides[3])};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (waited.elapsed() < frameAnswerWaitMilliseconds);
    x11->answersLate = true;
    return known;
}

} // namespace kalendix
