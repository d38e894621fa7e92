#!/usr/bin/env bash
# Measures how fast Kalendix puts its window on the screen and how much memory it holds, against a bare Qt Widgets
# program built beside it, interleaved so that both see the same machine; then how much CPU time Kalendix uses while
# it sits idle after a run. Installs Xvfb and xdotool when missing; builds in build-bench/ (Release).
#
# usage: bench/startup.sh [RUNS]      (RUNS defaults to 31: with 15, one run's median swung by a tenth on a VM)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-31}

bash scripts/setup.sh xvfb xdotool
source tests/lib.sh

build=build-bench
bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DKALENDIX_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"
kalendix=$build/app/kalendix
bare=$build/bench/kalendix_bare_window
timer=$build/bench/kalendix_map_timer

# A display of our own with no window manager, so that a program's top-level window is mapped by the program itself.
x_server
export QT_QPA_PLATFORM=xcb

# One untimed start each, so that both find the libraries and fonts in the page cache.
"$timer" 200 "$bare" >/dev/null
"$timer" 200 "$bare" --text >/dev/null
"$timer" 200 "$kalendix" >/dev/null

results=$scratch/results
for ((run = 1; run <= runs; ++run)); do
    echo "bare $("$timer" 500 "$bare")" >>"$results"
    echo "text $("$timer" 500 "$bare" --text)" >>"$results"
    echo "kalendix $("$timer" 500 "$kalendix")" >>"$results"
done

median() { # PROGRAM FIELD
    awk -v program="$1" -v field="$2" '$1 == program {
        for (i = 2; i <= NF; ++i) { split($i, pair, "="); if (pair[1] == field) print pair[2] } }' "$results" |
        sort -g | awk '{ value[NR] = $1 } END {
            if (NR % 2) print value[(NR + 1) / 2]; else printf "%.1f\n", (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}
echo "runs: $runs of each, interleaved; medians"
printf '%-28s %10s %10s %10s %8s %12s %7s\n' "" bare "bare+text" kalendix "k/bare" "k/bare+text" target
row() { # CAPTION FIELD TARGET
    local b t k
    b=$(median bare "$2") t=$(median text "$2") k=$(median kalendix "$2")
    awk -v c="$1" -v b="$b" -v t="$t" -v k="$k" -v target="$3" 'BEGIN {
        printf "%-28s %10.1f %10.1f %10.1f %8.3f %12.3f %7s\n", c, b, t, k, k / b, k / t, target }'
}
row "exec to window mapped, ms" map_ms 1.10
row "peak resident memory, KiB" maxrss_kib 1.05

# Idle cost: start the program, press Start>> (Enter), let the run finish, then count CPU time over ten seconds.
"$kalendix" &
app=$!
window=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
sleep 1
xdotool mousemove --window "$window" 20 60 key Return
sleep 2
if command -v import >/dev/null; then
    import -window root "$build/after-run.png" # to see that the run did fill the boxes
fi
# Time on the CPU in nanoseconds, from the scheduler: finer than the clock ticks of /proc/PID/stat.
cpu_ns() { cut -d' ' -f1 "/proc/$app/schedstat"; }
before=$(cpu_ns)
sleep 10
after=$(cpu_ns)
kill "$app"
wait "$app" 2>/dev/null || true
awk -v ns=$((after - before)) 'BEGIN { printf "CPU time over 10 s idle after a run: %.1f ms\n", ns / 1e6 }'
