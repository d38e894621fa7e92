#!/usr/bin/env bash
# Runs a scripted session of the program (start, a run, both side windows, exit) under strace and fails if it
# creates, writes, renames or removes any file or folder, or opens an internet socket. Exits 77 without strace.
set -euo pipefail
app=${1:?usage: no_files.sh SCRIPTED_APP}
if ! command -v strace >/dev/null; then
    echo "SKIP: strace is not installed"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A fresh home and a runtime folder as a desktop session gives one: without XDG_RUNTIME_DIR, Qt itself would create
# /tmp/runtime-$USER.
mkdir -m 0700 "$scratch/home" "$scratch/runtime"
log="$scratch/strace.log"
# LeakSanitizer cannot work under ptrace; in a sanitized build the other tests look for leaks.
session=(env -i PATH="$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen
    LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0)
# The second start is judged: at the first, fontconfig may bring a stale font cache of the machine's up to date, a
# write of the system's, not of the program's.
"${session[@]}" "$app" session >/dev/null 2>&1 || true
present=$(find "$scratch/home" "$scratch/runtime" -mindepth 1 | sort)
app_status=0
"${session[@]}" strace -f -qq -o "$log" -e trace=%file,%network "$app" session >"$scratch/out" 2>"$scratch/err" ||
    app_status=$?
cat "$scratch/out"
if ((app_status != 0)) || ! grep -q '^days: ' "$scratch/out" || ! grep -q '^printed: ' "$scratch/out" ||
    ! grep -q '^about: shown' "$scratch/out"; then
    echo "FAIL: the scripted session did not run through (exit status $app_status)"
    cat "$scratch/err"
    exit 1
fi

# Successful calls only: a failed attempt (ENOENT, EEXIST, EACCES) writes nothing.
succeeded() { grep -v -E '= -1 E[A-Z]+' "$log" || true; }
writes=$(succeeded | grep -E '\b(open|openat|openat2)\(' | grep -E 'O_(WRONLY|RDWR|CREAT|TRUNC)' |
    grep -v -E '"/dev/(null|tty|shm/|dri/)' || true)
changes=$(succeeded | grep -E '\b(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|utimensat)\(' || true)
sockets=$(succeeded | grep -E '\bsocket\(AF_INET6?\b|\bconnect\(.*sa_family=AF_INET6?\b' || true)
left=$(comm -13 <(echo "$present") <(find "$scratch/home" "$scratch/runtime" -mindepth 1 | sort) | head || true)

status=0
report() {
    if [[ -n $2 ]]; then
        echo "FAIL: $1"
        printf '    %s\n' "${2:0:2000}"
        status=1
    fi
}
report "files opened for writing" "$writes"
report "files or folders created, changed or removed" "$changes"
report "internet sockets" "$sockets"
report "left in the home or runtime folder" "$left"
if ((status == 0)); then
    echo "system calls traced: $(wc -l <"$log"); no file written, no internet socket"
    echo "1 passed, 0 failed"
fi
exit $status
