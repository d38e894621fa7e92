#!/usr/bin/env bash
# Runs the real program on a display of its own with the accessibility bus up, and lets an AT-SPI client press
# "Start>>" and read the figures. Exits 77 where Xvfb, D-Bus, the AT-SPI bus or pyatspi is missing.
set -euo pipefail
program=${1:?usage: atspi.sh PROGRAM}
python=/usr/bin/python3 # Debian's, which has pyatspi, whatever else is first on PATH
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: python3-pyatspi is not installed"
    exit 77
fi

if [[ ${1:-} != --inside ]]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -m 0700 "$scratch/runtime"
    export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch
    exec dbus-run-session -- bash "$0" --inside "$program"
fi
program=$2
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
app=
trap 'kill $app $bus $xvfb 2>/dev/null || true' EXIT
read -r -u "$displayfd" display_number
export DISPLAY=:$display_number QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY
"$program" &
app=$!
"$python" "$(dirname "$0")/atspi_client.py" "$(basename "$program")"
