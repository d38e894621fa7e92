#!/usr/bin/env bash
# How often the program wakes while it sits in the background with nothing to do: the poll calls of its event loop
# over a few seconds, counted with strace, before a run and after one has finished. A desktop program that keeps
# waking keeps the processor out of its sleep states. Prints both counts; fails where the program wakes more after
# a run than before it.
#
# usage: bench/wakeups.sh [PROGRAM [SECONDS]]    (build/app/kalendix and 5 s by default)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/kalendix}
seconds=${2:-5}
bash scripts/setup.sh xvfb x11-utils xdotool openbox strace
[[ -x $program ]] || bash scripts/build.sh
source tests/lib.sh
x_server
window_manager

QT_QPA_PLATFORM=xcb "$program" >"$scratch/program.out" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Kalendix v 2\.0$' | head -n 1)
wakeups() { # the poll calls over the time given, in every thread of the program
    timeout "$seconds" strace -f -qq -e trace=poll,ppoll -o "$scratch/strace.out" -p "$pid" 2>/dev/null || true
    grep -cE 'poll\(' "$scratch/strace.out" || true
}
# In the background: another window has the focus, so that no cursor blinks in the program.
background() {
    xmessage -name other "another program" 2>/dev/null &
    other=$(timeout 10 xdotool search --sync --classname '^other$' | head -n 1)
    xdotool windowactivate --sync "$other"
    # What the change of focus itself wakes the program for is over by then.
    sleep 1
}
background
before=$(wakeups)
# Enter presses "Start>>"; the run's one-second animation has ended well before the count begins again.
xdotool windowactivate --sync "$window"
xdotool key --window "$window" Return
sleep 2
xdotool windowactivate --sync "$other"
sleep 1
after=$(wakeups)
echo "wake-ups in $seconds s with nothing to do: $before before a run, $after after it"
kill "$pid"
((after <= before))
