# shellcheck shell=bash
# Sourced by the scripts that make fresh Debian roots (scripts/test_in_root.sh, bench/fresh_root.sh): making a root,
# mounting what programs inside need, entering it, and taking it down again. A root is removed only once nothing is
# mounted under it any more: with the host's /dev bound inside, a removal that went ahead after a failed unmount
# would delete the machine's device nodes. Sourcing it sets traps that, at exit, unmount every root named in
# roots_to_unmount and remove every root named in roots_to_remove (the remover checks, so a root may be in both).

roots_to_remove=()
roots_to_unmount=()

mounts_under() { # DIR: the mount points inside DIR, the deepest first
    # A root's path is canonical and without white space (see root_prepare), so it reads as /proc/mounts writes it.
    awk -v dir="$1/" 'index($2, dir) == 1 { print $2 }' /proc/mounts | sort -r
}

root_unmount() { # ROOT: unmounts everything mounted inside ROOT, whoever mounted it; fails if anything stays
    local point
    while read -r point; do
        # A lazy unmount takes a busy mount out of the tree at once; the removal can no longer reach it.
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done < <(mounts_under "$1")
    if [[ -n $(mounts_under "$1") ]]; then
        echo "still mounted inside $1:" >&2
        mounts_under "$1" | sed 's/^/    /' >&2
        return 1
    fi
}

root_remove() { # ROOT: unmounts, then removes ROOT; refuses while anything inside it is still mounted
    [[ -e $1 ]] || return 0
    if ! root_unmount "$1"; then
        echo "left $1 in place: remove it by hand once nothing inside it is mounted" >&2
        return 1
    fi
    rm -rf --one-file-system "$1"
}

root_prepare() { # PATH: makes PATH an empty folder, removing what an earlier run left there; prints it canonical
    local path
    path=$(realpath -m "$1")
    if [[ -z $1 || $path =~ [[:space:]] ]]; then
        echo "a root needs a path without white space, not \"$1\"" >&2
        return 1
    fi
    if [[ -n $(find "$path" -maxdepth 0 ! -empty 2>/dev/null) ]]; then
        root_remove "$path" || return 1
    fi
    mkdir -p "$path"
    echo "$path"
}

root_claim() { # NAME: prints a new root for this run, after clearing those that runs since killed left mounted
    # The process id in a root's name tells whether the run that made it is still going.
    local base root pid
    base=$(realpath -m "${TMPDIR:-/tmp}")/kalendix-root
    for root in "$base".*.*; do
        pid=${root##*.}
        [[ -d $root && $pid =~ ^[0-9]+$ ]] && ! kill -0 "$pid" 2>/dev/null || continue
        echo "clearing $root, left by a run that ended before it could" >&2
        root_remove "$root" || true
    done
    root_prepare "$base.$1.$$"
}

root_bind() { # ROOT HOST_PATH [ROOT_PATH]: binds a host folder inside ROOT, at the same path unless told
    mkdir -p "$1${3:-$2}"
    mount --bind "$2" "$1${3:-$2}"
}

root_mount_system() { # ROOT: what programs inside expect of a running system
    local fs
    for fs in /proc /sys /dev /dev/pts; do
        root_bind "$1" "$fs"
    done
    # A link there would be followed out of the root.
    cp --remove-destination /etc/resolv.conf "$1/etc/resolv.conf"
}

root_debootstrap() { # RELEASE ROOT MIRROR LOG [DEBOOTSTRAP_OPTION...]: a minimal root; the log's end on failure
    command -v debootstrap >/dev/null || bash scripts/setup.sh debootstrap
    if ! debootstrap --variant=minbase "${@:5}" "$1" "$2" "$3" >"$4" 2>&1; then
        tail -n 20 "$4" >&2
        root_unmount "$2" || true # debootstrap mounts /proc and /sys inside while it works
        return 1
    fi
    root_unmount "$2"
}

root_run() { # ROOT COMMAND [NAME=VALUE...]: runs COMMAND with bash inside ROOT, in a clean environment
    chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        "${@:3}" bash -c "$2"
}

checkout_copy() { # DEST: copies the checkout, with the changes not yet committed, and nothing built
    mkdir -p "$1"
    if [[ -e .git ]]; then
        command -v git >/dev/null || bash scripts/setup.sh git
        git ls-files -z --cached --others --exclude-standard | tar --null -T - -c | tar -x -C "$1"
        return
    fi
    # A copy with no repository (a release tarball, say): every file but those the top .gitignore names. Its lines
    # are read as git reads the simple ones; a line beyond that stops the copy rather than copying the wrong files.
    local line pattern clause prune=(-name .git)
    while IFS= read -r line || [[ -n $line ]]; do
        [[ -z $line || $line == '#'* ]] && continue
        if [[ $line == '!'* || $line == *\\* || $line == *'**'* ]]; then
            echo "checkout_copy: cannot read the .gitignore line \"$line\" without git" >&2
            return 1
        fi
        pattern=${line%/}
        clause=(-name "$pattern")
        if [[ $pattern == */* ]]; then
            clause=(-path "./${pattern#/}") # a slash anywhere but at the end ties it to the top folder
        fi
        if [[ $line == */ ]]; then
            clause=(\( "${clause[@]}" -type d \))
        fi
        prune+=(-o "${clause[@]}")
    done < <([[ ! -f .gitignore ]] || cat .gitignore)
    find . \( "${prune[@]}" \) -prune -o \( -type f -o -type l \) -print0 | tar --null -T - -c | tar -x -C "$1"
}

trap 'exit 130' INT
trap 'exit 143' TERM
roots_cleanup() {
    local status=$? root
    for root in "${roots_to_unmount[@]}"; do
        root_unmount "$root" || status=1
    done
    for root in "${roots_to_remove[@]}"; do
        root_remove "$root" || status=1
    done
    exit "$status"
}
trap roots_cleanup EXIT
