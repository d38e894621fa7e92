#!/usr/bin/env bash
# Runs a widget suite on a real X11 desktop: a private Xvfb with openbox, a window manager that activates, frames and
# places windows on its own time, and a clipboard with the selection a middle click pastes, which the offscreen
# platform has none of. Exits 77 where Xvfb, openbox, xprop or dbus-run-session is missing.
set -euo pipefail
(($# > 0)) || { echo "usage: on_x11.sh SUITE [ARGUMENT...]" >&2 && exit 2; }
for tool in Xvfb openbox xprop dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
done
# A desktop has a session bus. Without one Qt's accessibility bridge gives up, and libdbus keeps what it allocated for
# the attempt, which a sanitized build reports as a leak.
[[ -n ${KALENDIX_SESSION_BUS:-} ]] || exec env KALENDIX_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@"
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
read -r -t 20 -u "$displayfd" display_number
export DISPLAY=:$display_number XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
openbox >"$scratch/openbox.out" 2>&1 &
# The suites wait for their windows to be active, which the window manager decides: it must be up first.
for ((i = 0; i < 200; ++i)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "FAIL: openbox did not start" && cat "$scratch/openbox.out" && exit 1; }
"$@"
