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

bash scripts/setup.sh xvfb x11-utils xdotool openbox
source tests/lib.sh
build=build-bench
bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DKALENDIX_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
x_server
window_manager
for box in "${boxes[@]}"; do
    QT_QPA_PLATFORM=xcb "$build/bench/kalendix_paste_bench" "$box"
done
