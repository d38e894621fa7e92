#!/usr/bin/env bash
# A megabyte pasted into a result box, on a private Xvfb display with a window manager: prints how long the paste
# takes to show, the CPU the program uses over 5 s while that box has the focus, the median time a key typed there
# takes to show, and how long the next run takes to overwrite the box. Builds in build-bench/ (Release).
#
# usage: bench/paste.sh [BOX...]      (boxes T1..T7; T1 and T5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
boxes=("$@")
(($# > 0)) || boxes=(T1 T5)

bash scripts/setup.sh xvfb xauth xdotool openbox
build=build-bench
bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DKALENDIX_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for box in "${boxes[@]}"; do
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        bash -c 'openbox >/dev/null 2>&1 & sleep 1; exec "$0" "$1"' "$build/bench/kalendix_paste_bench" "$box"
done
