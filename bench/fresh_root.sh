#!/usr/bin/env bash
# A newcomer's first minutes, measured: in fresh minimal Debian 12 roots (debootstrap minbase), the time from README's
# run command to the program's start, the packages it installs and what it downloads, then the same for installing
# and building only the program by hand, then README's test command after the run command. Needs root.
#
# usage: bench/fresh_root.sh [WORK_DIR]     (default /var/tmp/kalendix-fresh; about 3 GB)
set -euo pipefail
cd "$(dirname "$0")/.."
work=${1:-/var/tmp/kalendix-fresh}
source scripts/fresh_root_lib.sh
mkdir -p "$work"
work=$(realpath "$work")
if [[ ! -d $work/base ]]; then
    base=$(root_prepare "$work/base.tmp")
    roots_to_unmount+=("$base")
    root_debootstrap bookworm "$base" http://deb.debian.org/debian "$work/debootstrap.log"
    mv "$base" "$work/base"
fi

fresh_root() { # NAME: root becomes a copy of the base root with the checkout in /src and /proc, /sys, /dev mounted
    root=$(root_prepare "$work/$1")
    roots_to_unmount+=("$root") # left in place for a look afterwards, and removed by the next run
    cp -a "$work/base/." "$root"
    mkdir -p "$root/src"
    git archive HEAD | tar -xf - -C "$root/src" # what is committed, not work in progress
    root_mount_system "$root"
}
in_root() { # ROOT COMMAND: runs it inside, with the program started offscreen so that no display is needed
    root_run "$1" "$2" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp
}
report() { # LOG LABEL SECONDS
    local packages download
    packages=$(grep -oE '[0-9]+ newly installed' "$1" | awk '{ s += $1 } END { print s + 0 }')
    download=$(grep -oE 'Need to get [0-9.,]+ [kM]B' "$1" |
        awk '{ v = $4; gsub(",", "", v); if ($5 == "kB") v /= 1024; s += v } END { printf "%.0f", s }')
    printf '%-34s %4d packages  %4s MB downloaded  %5d s\n' "$2" "$packages" "$download" "$3"
}

# The program alone by hand: the packages the README names for it, and a build of its target.
fresh_root by-hand
start=$SECONDS
in_root "$root" 'apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    g++ make cmake qt6-base-dev libxcb1-dev fonts-paratype \
    && cd /src && cmake -S . -B build -DKALENDIX_BUILD_TESTS=OFF \
    && cmake --build build --parallel "$(nproc)" --target kalendix && timeout 3 build/app/kalendix; [ $? -eq 124 ]' \
    >"$work/by-hand.log" 2>&1 || { echo "the by-hand build failed: see $work/by-hand.log" >&2; exit 1; }
by_hand=$((SECONDS - start))
root_unmount "$root"

# README's run command, then its test command in the same root. The run command ends by exec'ing the program, so
# its own process turns into it; any other process named so (the host's /proc is bound in) is someone else's.
fresh_root readme
start=$SECONDS
in_root "$root" 'cd /src && apt-get update -q >/dev/null && timeout --preserve-status 900 bash -c "(
    bash scripts/run.sh & pid=\$!
    while ! grep -qx kalendix /proc/\$pid/comm 2>/dev/null; do sleep 0.2; kill -0 \$pid 2>/dev/null || exit 1; done
    kill \$pid)"' \
    >"$work/run.log" 2>&1 || run_failed="README's run command did NOT start the program: see $work/run.log"
run=$((SECONDS - start))
start=$SECONDS
in_root "$root" 'cd /src && bash scripts/test.sh' >"$work/test.log" 2>&1 && tests=passed || tests=FAILED
test_time=$((SECONDS - start))
root_unmount "$root"

report "$work/by-hand.log" "the program alone, by hand" "$by_hand"
report "$work/run.log" "README's run command" "$run"
if [[ -n ${run_failed:-} ]]; then echo "$run_failed"; fi
echo "run command / by hand: $(awk -v a="$run" -v b="$by_hand" 'BEGIN { printf "%.2f", a / b }')"
passed=$(grep -E 'tests passed' "$work/test.log" | tr '\n' ' ')
echo "README's test command afterwards: $tests in $test_time s ($passed)"
