#!/usr/bin/env bash
# Runs the real program on a display of its own with the accessibility bus up, and lets an AT-SPI client press
# "Start>>" and read the figures. The display is an X server (xcb, the default) or a headless Wayland compositor
# (wayland). Skips (in CI fails) where the display server, D-Bus, the AT-SPI bus, Qt's platform plugin or pyatspi
# is missing.
set -euo pipefail
usage="usage: atspi.sh PROGRAM [xcb|wayland]"
program=${1:?$usage}
platform=${2:-xcb}
python=/usr/bin/python3 # Debian's, which has pyatspi, whatever else is first on PATH
source "$(dirname "$0")/../lib.sh"
case $platform in
xcb) needs Xvfb ;;
wayland) needs weston ;;
*) echo "$usage" >&2 && exit 2 ;;
esac
if [[ $platform == wayland ]] && ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    lacks qt6-wayland
fi
needs dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"
"$python" -c 'import pyatspi' 2>/dev/null || lacks python3-pyatspi

export HOME=$scratch
session_bus "$@"
if [[ $platform == xcb ]]; then
    x_server
else
    socket=kalendix-test-$$
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 \
        >"$scratch/weston.log" 2>&1 &
    for ((i = 0; i < 100; ++i)); do
        [[ -S $XDG_RUNTIME_DIR/$socket ]] && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=$socket
    unset DISPLAY
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
# A program started before the accessibility bus answers never registers on it: wait, within bounds, for the bus
# and for its registry, which every application registers with.
poll() { # WHAT COMMAND...
    local what=$1
    shift
    for ((i = 0; i < 100; ++i)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAIL: no $what within 10 s" >&2
    exit 1
}
poll "accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
a11y_address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
a11y_address=${a11y_address//[[:space:]]/}
poll "accessibility registry" dbus-send --bus="$a11y_address" --print-reply --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping
export QT_QPA_PLATFORM=$platform QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" &
"$python" "$(dirname "$0")/atspi_client.py" "$(basename "$program")"
