#!/usr/bin/env bash
# Counts the starts in which the main window's whole frame, as the window manager (openbox) draws it, lies inside the
# screen: for each screen size and scale factor, on a private Xvfb, with both cores kept busy by `stress` unless
# --idle is given. The frame is read a second after the window is mapped, when the manager's frame is settled.
#
# usage: bench/placement.sh [--idle] [KALENDIX [STARTS]]   (defaults: build/app/kalendix, 10 starts a case)
set -euo pipefail
cd "$(dirname "$0")/.."
load=1
if [[ ${1:-} == --idle ]]; then
    load=0
    shift
fi
kalendix=${1:-build/app/kalendix}
starts=${2:-10}
for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2 && exit 2; }
done
((load == 0)) || command -v stress >/dev/null || { echo "missing: stress (apt-get install stress)" >&2 && exit 2; }

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
if ((load)); then
    stress --cpu 2 >/dev/null 2>&1 &
fi

total_inside=0 total=0
for screen in 1280x1024 1024x600 800x600; do
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -noreset -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 20 -u "$displayfd" display_number
    exec {displayfd}<&-
    export DISPLAY=:$display_number
    openbox >/dev/null 2>&1 &
    openbox=$!
    for ((i = 0; i < 200; ++i)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    width=${screen%x*} height=${screen#*x}
    for factor in 1 1.5 2; do
        inside=0 frames=""
        for ((start = 1; start <= starts; ++start)); do
            QT_SCALE_FACTOR=$factor "$kalendix" >/dev/null 2>&1 &
            app=$!
            # Searched again until found: a search that walks the tree as a window goes away fails.
            window="" deadline=$((SECONDS + 30))
            while [[ -z $window ]] && ((SECONDS < deadline)); do
                window=$(xdotool search --onlyvisible --pid "$app" --name "Kalendix v 2.0" 2>/dev/null) || sleep 0.05
            done
            window=${window%%$'\n'*}
            [[ -n $window ]] || { echo "no window in 30 s" >&2 && exit 1; }
            sleep 1
            # The client window's place and size, and the frame the manager drew around it (left, right, top, bottom).
            read -r x y w h < <(xwininfo -id "$window" | awk '
                /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
            IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
            kill "$app"
            wait "$app" 2>/dev/null || true
            x=$((x - left)) y=$((y - top)) w=$((w + left + right)) h=$((h + top + bottom))
            # From the first pixel to just past the last, as the screen's size is given.
            frame="$x,$y-$((x + w)),$((y + h))"
            if ((x >= 0 && y >= 0 && x + w <= width && y + h <= height)); then
                inside=$((inside + 1))
            else
                frame="$frame!"
            fi
            [[ " $frames " == *" $frame "* ]] || frames="$frames $frame"
        done
        printf '%-9s x%-3s inside in %2d of %d  frames:%s\n' "$screen" "$factor" "$inside" "$starts" "$frames"
        total_inside=$((total_inside + inside)) total=$((total + starts))
    done
    kill "$openbox" "$xvfb" 2>/dev/null || true
    wait "$openbox" "$xvfb" 2>/dev/null || true
done
echo "inside in $total_inside of $total starts ($( ((load)) && echo 'stress --cpu 2' || echo idle))"
