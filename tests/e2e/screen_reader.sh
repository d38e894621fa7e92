#!/usr/bin/env bash
# What a listener hears: the real program under Orca, driven by keys on a private X server and session bus, judged by
# the phrases Orca's debug log says it spoke after each step. The clock is fixed at 6 April 2003 by libfaketime.
# Skips (in CI fails) where Xvfb, setxkbmap, openbox, xdotool, xprop, libfaketime, D-Bus, the AT-SPI bus or Orca is
# missing.
set -euo pipefail
program=${1:?usage: screen_reader.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib.sh"
source "$here/fake_clock.sh"
faketime_library=$(fake_clock_library) || lacks libfaketime
needs Xvfb setxkbmap openbox xdotool xprop orca dbus-run-session /usr/libexec/at-spi-bus-launcher

# What Orca spoke in a debug log from a line on, one utterance a line: an utterance that holds a line break spans
# lines of the log.
spoken_in() { # LOG FIRST_LINE
    tail -n +"$2" "$1" | awk '
        /SPEECH OUTPUT: / { sub(/.*SPEECH OUTPUT: /, ""); said = $0; open = !/}$/; if (!open) print said; next }
        open { said = said " " $0; if (/}$/) { print said; open = 0 } }'
}

# Orca's own words in English, the program's in Russian: each phrase tells whose it is.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 HOME=$scratch
session_bus "$@"

log=$scratch/orca.log
# libfaketime shares the clock through /dev/shm under the program's process id, and only a normal exit removes it.
program_pid=
at_exit '[[ -z $program_pid ]] || rm -f "/dev/shm/faketime_shm_$program_pid" "/dev/shm/sem.faketime_sem_$program_pid"'
# Ends the test: on a failure, with what the program and Orca wrote, and all that Orca said.
finish_listening() {
    if ((failed != 0)); then
        tail -n 5 "$scratch/openbox.out" "$scratch/orca.out" "$scratch/program.out" 2>/dev/null || true
        echo "--- what Orca said:"
        spoken_in "$log" 1 2>/dev/null || true
    fi
    finish
}
x_server
# A Russian keyboard, as the program's users have: Alt with Ф opens "&Файл".
setxkbmap ru
window_manager
/usr/libexec/at-spi-bus-launcher --launch-immediately &

spoken() { spoken_in "$log" $((mark + 1)); }
mark=0
step() { # WHAT: the next expectations look only at what is said from now on
    echo "== $1"
    mark=$(wc -l <"$log")
}
heard() { # SECONDS PHRASE...: each said since the mark, within the deadline
    local deadline=$((SECONDS + $1)) phrase
    shift
    while true; do
        missing=()
        for phrase in "$@"; do
            spoken | grep -qF -- "$phrase" || missing+=("$phrase")
        done
        if ((${#missing[@]} == 0)); then
            echo "heard: $*"
            return 0
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}
expect() { # PHRASE...: screen readers order a control's name, role and value differently
    if heard 20 "$@"; then pass; else fail "Orca never said: ${missing[*]}"; fi
}
# At a person's pace, pressed once: a key lost on the way shows as a phrase never said.
chord() { # MODIFIER KEY
    xdotool keydown "$1"
    sleep 0.15
    xdotool key "$2"
    sleep 0.15
    xdotool keyup "$1"
}
once() { # FROM_LINE TO_LINE PHRASE...: each said exactly once in that stretch of the log, which is over
    local phrase count
    for phrase in "${@:3}"; do
        count=$(sed -n "$1,$2p" "$log" | spoken_in /dev/stdin 1 | grep -cF -- "$phrase" || true)
        if ((count == 1)); then pass; else fail "Orca said $count times: $phrase"; fi
    done
}
active() { # TITLE: the window manager has made the window so titled the active one, within 10 s
    local i
    for ((i = 0; i < 100; ++i)); do
        [[ $(xdotool getactivewindow getwindowname 2>/dev/null) == "$1" ]] && return 0
        sleep 0.1
    done
    fail "the window manager never made \"$1\" active; active: $(xdotool getactivewindow getwindowname 2>&1)"
}
refuse() { # PATTERN: nothing said since the mark matches it
    if spoken | grep -qE -- "$1"; then
        fail "Orca said what matches $1:"
        spoken | grep -E -- "$1"
    fi
}

# Orca writes its debug log through a block buffer, and a phrase would wait in it for later ones; this has each line
# written as it is made.
export GSETTINGS_BACKEND=memory
/usr/bin/python3 - --debug-file="$log" >"$scratch/orca.out" 2>&1 <<'PY' &
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered_open(file, mode="r", buffering=-1, *rest, **named):
    if "w" in mode and "b" not in mode and buffering == -1:
        buffering = 1
    return plain_open(file, mode, buffering, *rest, **named)
builtins.open = line_buffered_open
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
orca=$!
for ((i = 0; i < 300; ++i)); do
    [[ -s $log ]] && grep -aqF "SPEECH OUTPUT" "$log" && break
    kill -0 "$orca" 2>/dev/null || break
    sleep 0.1
done
if ! grep -aqF 'SPEECH OUTPUT' "$log" 2>/dev/null; then
    fail "Orca did not start within 30 s"
    finish_listening
fi

step "start"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LD_PRELOAD=$faketime_library${LD_PRELOAD:+:$LD_PRELOAD} \
    FAKETIME='@2003-04-06 12:00:00' "$program" \
    >"$scratch/program.out" 2>&1 &
program_pid=$!
# Keys go to the active window: the window manager is asked to make it so rather than trusted to.
window=$(timeout 30 xdotool search --sync --name '^Kalendix v 2\.0$' | head -n 1) || true
[[ -n $window ]] || { fail "the main window never appeared" && finish_listening; }
# Where the window manager cannot (it is not yet or no longer up), the focus is set on the window itself.
timeout 10 xdotool windowactivate --sync "$window" || timeout 10 xdotool windowfocus --sync "$window" || true
expect "Дата, с которой считать" "01.01.2001"
# Nothing else can be heard where the start was not.
((failed == 0)) || finish_listening

step "a date typed, and Enter: the run's figures"
xdotool type --delay 20 15.03.1990
xdotool key Return
expect "Прошло: 13 лет, 159 месяцев, 681 неделя, 4770 дней, 114480 часов, 6868800 минут, 412128000 секунд"

step "Tab to the days box: its whole figure, named in words"
xdotool key Tab
expect "Прошло дней" "4770"
# Orca has said all it says of the box once it speaks of the field again.
chord shift Tab
expect "Дата, с которой считать" "15.03.1990"
refuse "(^|[^0-9])477([^0-9]|$)|\\\\"

step "a day that does not exist, and Enter: the reason"
xdotool type --delay 20 31.04.2001
xdotool key Return
expect "Такой даты нет"

step "Escape: the date given back"
xdotool key Escape
expect "15 марта 1990, четверг"

step "an entry that is no date, and Enter: the reason"
xdotool type --delay 20 абв
xdotool key Return
expect "Наберите день, месяц и год"
xdotool key Escape

step "the calendar: the day framed at each move"
calendar_from=$((mark + 1))
xdotool key F4
expect "15 марта 1990, четверг"
step "Right"
xdotool key Right
expect "16 марта 1990, пятница"
step "Down"
xdotool key Down
expect "23 марта 1990, пятница"
step "Page Up"
xdotool key Page_Up
expect "23 февраля 1990, пятница"
step "Enter: the date the field now holds"
xdotool key Return
expect "23.02.1990"
# Each day once, and no table's row of bare numbers or cells said one by one.
calendar_to=$mark
once "$calendar_from" "$calendar_to" "16 марта 1990, пятница" "23 марта 1990, пятница" "23 февраля 1990, пятница"
mark=$((calendar_from - 1))
refuse "^'[0-9]{1,2}\.'|not selected"

step "Статистика from the menu"
chord alt Cyrillic_ef
expect "Статистика"
xdotool key Return
expect "Показать, сколько дней прошло с начала тысячелетий"
step "its Start: the two lines"
lines=("С начала третьего тысячелетия прошло  825  дней" "С начала второго тысячелетия прошло  366068  дней")
lines_from=$((mark + 1))
xdotool key Return
expect "${lines[@]}"

step "the About window: its texts as it opens"
chord alt F4
expect "23.02.1990"
texts=("Программу написал..." "Иванов Иван Иванович" "Об ошибках в программе пишите на:" "kalendix@example.org"
    "Версия 2.0 2003 год.")
for opening in 1 2 3 4 5; do
    step "О программе..., opening $opening"
    chord alt Cyrillic_shcha
    expect "О программе..."
    step "its texts"
    texts_from=$((mark + 1))
    xdotool key Return
    expect "${texts[@]}"
    # A person closes the window they see in front: Alt+F4 goes to the window the window manager has made active.
    active "О программе..."
    chord alt F4
    expect "23.02.1990"
    once "$texts_from" "$(wc -l <"$log")" "${texts[@]}"
done
# The lines are said as they are printed, not again as the text the window holds for a later read.
once "$lines_from" "$(wc -l <"$log")" "${lines[@]}"

finish_listening
