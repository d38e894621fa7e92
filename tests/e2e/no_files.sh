#!/usr/bin/env bash
# Runs a scripted session of the program (start, a run, both side windows, exit) under strace and fails if it
# creates, writes, renames or removes any file or folder, or opens an internet socket. Skips (in CI fails) without
# strace.
set -euo pipefail
app=${1:?usage: no_files.sh SCRIPTED_APP}
source "$(dirname "$0")/../lib.sh"
needs strace
# A fresh home and the runtime folder a desktop session gives.
mkdir -m 0700 "$scratch/home"
log="$scratch/strace.log"
# LeakSanitizer cannot work under ptrace; in a sanitized build the other tests look for leaks.
session=(env -i PATH="$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_QPA_PLATFORM=offscreen
    LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0)
# The second start is judged: at the first, fontconfig may bring a stale font cache of the machine's up to date, a
# write of the system's, not of the program's.
"${session[@]}" "$app" session >/dev/null 2>&1 || true
present=$(find "$scratch/home" "$XDG_RUNTIME_DIR" -mindepth 1 | sort)
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
left=$(comm -13 <(echo "$present") <(find "$scratch/home" "$XDG_RUNTIME_DIR" -mindepth 1 | sort) | head || true)

report() { # WHAT FOUND
    if [[ -z $2 ]]; then pass; else fail "$1" && printf '    %s\n' "${2:0:2000}"; fi
}
report "files opened for writing" "$writes"
report "files or folders created, changed or removed" "$changes"
report "internet sockets" "$sockets"
report "left in the home or runtime folder" "$left"
echo "system calls traced: $(wc -l <"$log")"
finish
