#!/usr/bin/env bash
# Runs a widget suite on a real X11 desktop: a private Xvfb with openbox, a window manager that activates, frames and
# places windows on its own time, and a clipboard with the selection a middle click pastes, which the offscreen
# platform has none of. Skips (in CI fails) where Xvfb, openbox, xprop or dbus-run-session is missing.
set -euo pipefail
(($# > 0)) || { echo "usage: on_x11.sh SUITE [ARGUMENT...]" >&2 && exit 2; }
source "$(dirname "$0")/../lib.sh"
needs Xvfb openbox xprop dbus-run-session
# A desktop has a session bus. Without one Qt's accessibility bridge gives up, and libdbus keeps what it allocated for
# the attempt, which a sanitized build reports as a leak.
session_bus "$@"
x_server
# The suites wait for their windows to be active, which the window manager decides.
window_manager
QT_QPA_PLATFORM=xcb "$@"
