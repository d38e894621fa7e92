#!/usr/bin/env bash
# Runs the README's two commands, as a newcomer would, in a fresh minimal root of another Debian release: debootstrap
# makes it from this machine's Debian mirror, the checkout is copied in, and the run command and then the test command
# run inside it. The root is unmounted and removed at the end, whatever happened; the packages it downloaded are kept
# in a cache for the next time. Needs root.   Usage: test_in_root.sh [RELEASE] (default: trixie)
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:-trixie}
if [[ $(id -u) -ne 0 ]]; then
    echo "test_in_root.sh makes and enters a root of its own: run it as root" >&2
    exit 1
fi
bash scripts/setup.sh debootstrap

mirror=$(bash scripts/debian_mirror.sh)

cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}/apt-$release
mkdir -p "$cache"
root=$(mktemp -d "${TMPDIR:-/tmp}/kalendix-$release.XXXXXX")
mounts=()
cleanup() {
    local status=$?
    for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do
        umount -l "${mounts[i]}" 2>/dev/null || true
    done
    # Nothing may still be mounted inside before the root goes.
    if ! grep -qF " $root/" /proc/mounts; then
        rm -rf "$root"
    else
        echo "left $root: something in it is still mounted" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
bind() { # HOST_PATH ROOT_PATH
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounts+=("$root$2")
}

started=$SECONDS
echo "== A fresh $release root from $mirror"
debootstrap --variant=minbase --cache-dir="$cache" "$release" "$root" "$mirror" >"$cache/debootstrap.log" 2>&1 || {
    tail -n 20 "$cache/debootstrap.log" >&2
    exit 1
}
cp /etc/resolv.conf "$root/etc/resolv.conf"
bind /proc /proc
bind /dev /dev
bind /dev/pts /dev/pts
bind "$cache" /var/cache/apt/archives
# The checkout as git tracks it, with the changes not yet committed, and nothing built.
mkdir -p "$root/work/kalendix"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -c | tar -x -C "$root/work/kalendix"
echo "== Root made in $((SECONDS - started)) s"

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 CI="${CI:-}" bash -c "cd /work/kalendix && $1"
}
step=$SECONDS
echo "== bash scripts/run.sh, in $release"
inside 'bash scripts/run.sh'
echo "== Run command done in $((SECONDS - step)) s"
step=$SECONDS
echo "== bash scripts/test.sh, in $release"
inside 'bash scripts/test.sh'
echo "== Test command done in $((SECONDS - step)) s; $release leg in $((SECONDS - started)) s"
