# shellcheck shell=bash
# Sourced by the shell tests, the benchmarks and the Windows script: what they all need, done once. Sourcing it makes
# a scratch folder, $scratch, with Qt's runtime folder in it, and sets the one clean-up that runs on every exit: it
# stops what the script left running in the background, runs what was given to at_exit, and removes the folder.
#   needs TOOL... / lacks WHAT   a check without its tools skips (exit 77); in CI (CI=true) it fails, naming them
#   session_bus ARGUMENT...      runs the script again inside a private D-Bus session, with the same scratch folder
#   x_server [SIZE]              a private X server, named by DISPLAY;   window_manager: openbox on it, once it is up
#   wine_prefix DIR              Wine quiet and without Mono or Gecko, in the prefix DIR, made if it is new
#   pass, fail MESSAGE, check DESCRIPTION COMMAND..., same DESCRIPTION ACTUAL EXPECTED; finish: the count, and the exit

# A script run again inside a session bus shares the folder of the run that made it, which alone removes it.
if [[ -n ${KALENDIX_TEST_SCRATCH:-} ]]; then
    scratch=$KALENDIX_TEST_SCRATCH
    scratch_owned=false
    unset KALENDIX_TEST_SCRATCH
else
    scratch=$(mktemp -d)
    scratch_owned=true
fi
# Without it Qt makes a runtime folder of its own in /tmp, and says so.
[[ -d $scratch/runtime ]] || mkdir -m 0700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime

at_exit_commands=()
at_exit() { at_exit_commands+=("$1"); } # COMMAND, run after the background processes are stopped
lib_cleanup() {
    local status=$? pids guard command
    pids=$(jobs -p)
    if [[ -n $pids ]]; then
        # shellcheck disable=SC2086 # one word a process
        kill $pids 2>/dev/null || true
        # shellcheck disable=SC2086
        (sleep 5 && kill -KILL $pids) >/dev/null 2>&1 &
        guard=$!
        # shellcheck disable=SC2086
        wait $pids 2>/dev/null || true
        kill "$guard" 2>/dev/null || true
    fi
    for command in "${at_exit_commands[@]}"; do
        eval "$command" || true
    done
    ! $scratch_owned || rm -rf "$scratch"
    exit "$status"
}
trap 'exit 130' INT
trap 'exit 143' TERM
trap lib_cleanup EXIT

lacks() { # WHAT...: ends a check that cannot run here
    if [[ -n ${CI:-} && ${CI:-} != false && ${CI:-} != 0 ]]; then
        echo "FAIL: not installed: $* (in CI a check fails rather than skip)"
        exit 1
    fi
    echo "SKIP: not installed: $*"
    exit 77
}
needs() { # TOOL...
    local tool missing=()
    for tool; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    ((${#missing[@]} == 0)) || lacks "${missing[*]}"
}

session_bus() { # ARGUMENT...: call with the script's arguments; returns only inside the session
    [[ -z ${KALENDIX_SESSION_BUS:-} ]] || return 0
    local status=0
    KALENDIX_SESSION_BUS=1 KALENDIX_TEST_SCRATCH=$scratch dbus-run-session -- bash "$0" "$@" || status=$?
    exit "$status"
}

x_server() { # [WIDTHxHEIGHTxDEPTH]
    local displayfd number
    exec {displayfd}<> <(:)
    # Without -noreset the server starts afresh whenever its last client leaves, setxkbmap say, and forgets its state.
    Xvfb -displayfd "$displayfd" -noreset -screen 0 "${1:-1280x1024x24}" -nolisten tcp >"$scratch/xvfb.out" 2>&1 &
    if ! read -r -t 20 -u "$displayfd" number; then
        echo "FAIL: Xvfb did not start"
        cat "$scratch/xvfb.out"
        exit 1
    fi
    exec {displayfd}>&-
    export DISPLAY=:$number
    unset WAYLAND_DISPLAY
}

window_manager() { # focus, frames and places are the window manager's: it must be up before the windows come
    openbox >"$scratch/openbox.out" 2>&1 &
    local i
    for ((i = 0; i < 200; ++i)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "FAIL: openbox did not start"
    cat "$scratch/openbox.out"
    exit 1
}

wine_prefix() { # DIR
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [[ -f $1/system.reg ]] || wineboot --init >/dev/null 2>&1
}

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { # MESSAGE
    echo "FAIL: $*"
    failed=$((failed + 1))
}
check() { # DESCRIPTION COMMAND...: passes where the command succeeds
    if "${@:2}"; then pass; else fail "$1"; fi
}
same() { # DESCRIPTION ACTUAL EXPECTED
    if [[ $2 == "$3" ]]; then pass; else fail "$1: '$2', expected '$3'"; fi
}
finish() { # a run that checked nothing fails too
    echo "$passed passed, $failed failed"
    exit $((failed > 0 || passed == 0))
}
