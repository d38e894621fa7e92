#!/usr/bin/env bash
# Runs the real program on a display of its own with the accessibility bus up, and lets an AT-SPI client press
# "Start>>" and read the figures. The display is an X server (xcb, the default) or a headless Wayland compositor
# (wayland). Exits 77 where the display server, D-Bus, the AT-SPI bus, Qt's platform plugin or pyatspi is missing.
set -euo pipefail
usage="usage: atspi.sh PROGRAM [xcb|wayland]"
inside=false
if [[ ${1:-} == --inside ]]; then
    inside=true
    shift
fi
program=${1:?$usage}
platform=${2:-xcb}
python=/usr/bin/python3 # Debian's, which has pyatspi, whatever else is first on PATH
case $platform in
xcb) server=Xvfb ;;
wayland) server=weston ;;
*) echo "$usage" >&2 && exit 2 ;;
esac
if [[ $platform == wayland ]] && ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    echo "SKIP: qt6-wayland is not installed"
    exit 77
fi
for tool in "$server" dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: python3-pyatspi is not installed"
    exit 77
fi

if ! $inside; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -m 0700 "$scratch/runtime"
    export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch
    exec dbus-run-session -- bash "$0" --inside "$program" "$platform"
fi
if [[ $platform == xcb ]]; then
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp &
    server=$!
    read -r -u "$displayfd" display_number
    export DISPLAY=:$display_number
    unset WAYLAND_DISPLAY
else
    socket=kalendix-test-$$
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 \
        >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    server=$!
    for ((i = 0; i < 100; ++i)); do
        [[ -S $XDG_RUNTIME_DIR/$socket ]] && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=$socket
    unset DISPLAY
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
app=
trap 'kill $app $bus $server 2>/dev/null || true' EXIT
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
app=$!
"$python" "$(dirname "$0")/atspi_client.py" "$(basename "$program")"
