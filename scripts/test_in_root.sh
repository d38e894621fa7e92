#!/usr/bin/env bash
# Runs the README's two commands, as a newcomer would, in a fresh minimal root of another Debian release: debootstrap
# makes it from this machine's Debian mirror, the checkout is copied in, and the run command and then the test command
# run inside it. The root is unmounted and removed at the end, whatever happened, but never while anything inside it
# is still mounted (see fresh_root_lib.sh); the packages it downloaded are kept in a cache for the next time. Git is
# not needed. Needs root.   Usage: test_in_root.sh [RELEASE] (default: trixie)
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:-trixie}
if [[ $(id -u) -ne 0 ]]; then
    echo "test_in_root.sh makes and enters a root of its own: run it as root" >&2
    exit 1
fi
source scripts/fresh_root_lib.sh

mirror=$(bash scripts/debian_mirror.sh)
cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}/apt-$release
mkdir -p "$cache"
root=$(root_claim "$release")
roots_to_remove+=("$root")

started=$SECONDS
echo "== A fresh $release root from $mirror"
root_debootstrap "$release" "$root" "$mirror" "$cache/debootstrap.log" --cache-dir="$cache"
root_mount_system "$root"
root_bind "$root" "$cache" /var/cache/apt/archives
checkout_copy "$root/work/kalendix"
echo "== Root made in $((SECONDS - started)) s"

inside() {
    root_run "$root" "cd /work/kalendix && $1" LANG=C.UTF-8 CI="${CI:-}"
}
step=$SECONDS
echo "== bash scripts/run.sh, in $release"
inside 'bash scripts/run.sh'
echo "== Run command done in $((SECONDS - step)) s"
step=$SECONDS
echo "== bash scripts/test.sh, in $release"
inside 'bash scripts/test.sh'
echo "== Test command done in $((SECONDS - step)) s; $release leg in $((SECONDS - started)) s"
