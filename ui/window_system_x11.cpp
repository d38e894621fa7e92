#include "window_system.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace kalendix {

namespace {

// The names this file asks the X server about, interned once for the connection: every round trip counts on a slow
// or remote display.
struct Atoms
{
    xcb_connection_t* connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
    xcb_atom_t frameExtents = XCB_ATOM_NONE;
    // The frame the window manager last told for a window of this program: the best guess for the next one's.
    std::optional<QMargins> lastFrame;
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
    const std::array<std::string_view, 3> names = {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_FRAME_EXTENTS"};
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
    known.frameExtents = interned[2];
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

std::optional<QMargins> frameMarginsTold(QWidget* window)
{
    Atoms* x11 = atoms();
    if (!x11 || x11->frameExtents == XCB_ATOM_NONE)
        return std::nullopt;
    // A window manager that keeps to the desktop conventions (EWMH) writes the frame on the window as it frames it,
    // before mapping it; Qt reads the same, but in its scaled pixels, rounded.
    const std::vector<uint32_t> sides =
        property(x11->connection, static_cast<xcb_window_t>(window->winId()), x11->frameExtents, XCB_ATOM_CARDINAL, 4);
    if (sides.size() == 4)
        x11->lastFrame = QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]), static_cast<int>(sides[1]),
                                  static_cast<int>(sides[3]));
    return x11->lastFrame;
}

} // namespace kalendix
