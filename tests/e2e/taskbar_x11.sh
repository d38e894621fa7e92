#!/usr/bin/env bash
# On an X11 desktop the side windows ask the taskbar to leave them out and the main window does not: the state each
# window carries once shown, read back from the X server. Skips (in CI fails) where Xvfb, xprop or xwininfo is missing.
set -euo pipefail
app=${1:?usage: taskbar_x11.sh SCRIPTED_APP}
source "$(dirname "$0")/../lib.sh"
needs Xvfb xprop xwininfo
x_server
QT_QPA_PLATFORM=xcb "$app" showcase >"$scratch/out" 2>&1 &
for ((i = 0; i < 200; ++i)); do
    read -r main millennium about < <(sed -n 's/^window ids: //p' "$scratch/out" 2>/dev/null) && break
    sleep 0.05
done
[[ -n ${about:-} ]] || { echo "FAIL: the windows never opened" && cat "$scratch/out" && exit 1; }
# The windows are mapped after the event that opened them; their state is final once they are.
for id in "$main" "$millennium" "$about"; do
    for ((i = 0; i < 200; ++i)); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && break
        sleep 0.05
    done
done
for expected in "main $main no" "millennium $millennium yes" "about $about yes"; do
    read -r name id skips <<<"$expected"
    state=$(xprop -id "$id" _NET_WM_STATE)
    [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] && found=yes || found=no
    same "$name: off the taskbar ($state)" "$found" "$skips"
done
finish
