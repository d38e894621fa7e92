#!/usr/bin/env bash
# On an X11 desktop the side windows ask the taskbar to leave them out and the main window does not: the state each
# window carries once shown, read back from the X server. Exits 77 where Xvfb, xprop or xwininfo is missing.
set -euo pipefail
app=${1:?usage: taskbar_x11.sh SCRIPTED_APP}
for tool in Xvfb xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
done
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
read -r -t 20 -u "$displayfd" display_number
DISPLAY=:$display_number QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch "$app" showcase >"$scratch/out" 2>&1 &
for ((i = 0; i < 200; ++i)); do
    read -r main millennium about < <(sed -n 's/^window ids: //p' "$scratch/out" 2>/dev/null) && break
    sleep 0.05
done
[[ -n ${about:-} ]] || { echo "FAIL: the windows never opened" && cat "$scratch/out" && exit 1; }
# The windows are mapped after the event that opened them; their state is final once they are.
for id in "$main" "$millennium" "$about"; do
    for ((i = 0; i < 200; ++i)); do
        DISPLAY=:$display_number xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && break
        sleep 0.05
    done
done
failed=0
for expected in "main $main no" "millennium $millennium yes" "about $about yes"; do
    read -r name id skips <<<"$expected"
    state=$(DISPLAY=:$display_number xprop -id "$id" _NET_WM_STATE)
    [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] && found=yes || found=no
    [[ $found == "$skips" ]] || { echo "FAIL: $name: off the taskbar: $found, expected $skips ($state)" && failed=1; }
done
((failed == 0)) && echo "all passed"
exit "$failed"
