#!/usr/bin/env bash
# Installs what building and running need, builds the program alone, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
program=$PWD/build/app/kalendix
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Built: $program"
    echo "There is no desktop session here to show its window in (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "Start it from a terminal in your desktop session:"
    echo "    $program"
    exit 0
fi
exec "$program"
