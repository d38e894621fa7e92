#include "taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
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

} // namespace

void keepOffTaskbar(QWidget* window)
{
    // Only an X11 session has a taskbar that reads this window state; elsewhere (Wayland, offscreen) nothing to do.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    static constexpr char stateName[] = "_NET_WM_STATE";
    static constexpr char skipName[] = "_NET_WM_STATE_SKIP_TASKBAR";
    const xcb_atom_t state = internAtom(connection, stateName, sizeof stateName - 1);
    const xcb_atom_t skip = internAtom(connection, skipName, sizeof skipName - 1);
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    // The window is not mapped yet, so the state is written as a property; Qt merges its own states into what it
    // finds there when it maps the window.
    std::vector<xcb_atom_t> states;
    xcb_get_property_reply_t* current =
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (current && current->format == 32 && current->type == XCB_ATOM_ATOM) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(current));
        states.assign(atoms, atoms + xcb_get_property_value_length(current) / sizeof(xcb_atom_t));
    }
    std::free(current);
    for (const xcb_atom_t atom : states)
        if (atom == skip)
            return;
    states.push_back(skip);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

} // namespace kalendix
