#!/usr/bin/env bash
# On an X11 desktop the side windows ask the taskbar to leave them out, and the main window does not: the state the
# program writes as each window is shown, read back from the X server. Exits 77 where Xvfb or xprop is missing.
set -euo pipefail
app=${1:?usage: taskbar_x11.sh SCRIPTED_APP}
for tool in Xvfb xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 20 -u "$displayfd" display_number
export DISPLAY=:$display_number QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
"$app" showcase >"$scratch/out" 2>"$scratch/err" &
pids+=($!)
for ((i = 0; i < 200; ++i)); do
    grep -q '^window ids: ' "$scratch/out" && break
    sleep 0.05
done
read -r main millennium about < <(sed -n 's/^window ids: //p' "$scratch/out")
if [[ -z ${about:-} ]]; then
    echo "FAIL: the windows never opened"
    cat "$scratch/out" "$scratch/err"
    exit 1
fi
sleep 0.3 # the windows are mapped after the event that opened them
failed=0
check() { # NAME ID EXPECTED(yes|no)
    local state
    state=$(xprop -id "$2" _NET_WM_STATE)
    if [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]]; then local found=yes; else local found=no; fi
    if [[ $found != "$3" ]]; then
        echo "FAIL: $1: skip-taskbar $found, expected $3 ($state)"
        failed=1
    fi
}
check main "$main" no
check millennium "$millennium" yes
check about "$about" yes
((failed == 0)) && echo "all passed"
exit "$failed"
