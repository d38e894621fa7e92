#!/usr/bin/env bash
# Starts that cannot show a window, or that are given what Qt cannot use, end or go on with a plain word on standard
# error: no display (exit status 1, no abort), a scale factor out of reach (ignored), no Cyrillic faces (said, and the
# run still done).
set -uo pipefail
program=${1:?usage: start_up.sh PROGRAM SCRIPTED_APP}
scripted=${2:?usage: start_up.sh PROGRAM SCRIPTED_APP}
source "$(dirname "$0")/../lib.sh"
cat >"$scratch/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><cachedir>CACHE</cachedir></fontconfig>
CONF
sed -i "s|CACHE|$scratch/fontcache|" "$scratch/fonts.conf"

starts() { # CASE EXPECTED_STATUS EXPECTED_MESSAGE COMMAND...
    local name=$1 expected=$2 message=$3
    shift 3
    local status=0
    env -i PATH="$PATH" HOME="$scratch" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" LANG=C.UTF-8 \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
        timeout 60 "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
    if [[ $status == "$expected" ]] && { [[ -z $message ]] || grep -qF -- "$message" "$scratch/err"; }; then
        pass
    else
        fail "$name: exit status $status (expected $expected), standard error:"
        sed 's/^/    /' "$scratch/err"
    fi
}

for platform in "DISPLAY=" "QT_QPA_PLATFORM=xcb DISPLAY=" "QT_QPA_PLATFORM=xcb DISPLAY=:9876" \
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=" "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kalendix-none"; do
    # shellcheck disable=SC2086 # the words are the environment
    starts "$platform" 1 "cannot open a window" env $platform "$program"
    grep -qF "окно не открыть" "$scratch/err" || fail "$platform: no Russian line"
    grep -qF "Запустите программу в графическом сеансе" "$scratch/err" || fail "$platform: no word on what to do"
done
for factor in 0 0.0001 -2 nan inf 1e9 abc 0,1 1,5,0; do
    starts "QT_SCALE_FACTOR=$factor" 0 "QT_SCALE_FACTOR=\"$factor\" ignored" \
        env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$factor "$scripted" run
    grep -q '^days: [0-9]\+$' "$scratch/out" || fail "$factor: the run did not finish"
done
# A usable factor is followed, unsaid, written with a point or with the decimal comma the message itself uses.
for factor in 2:2 1,5:1.5 0.75:0.75; do
    starts "QT_SCALE_FACTOR=${factor%%:*}" 0 "" \
        env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=${factor%%:*} "$scripted" run
    if grep -q QT_SCALE_FACTOR "$scratch/err" || ! grep -qx "scale: ${factor#*:}" "$scratch/out"; then
        fail "QT_SCALE_FACTOR=${factor%%:*}: reported, or not followed ($(grep '^scale' "$scratch/out"))"
    fi
done
# Qt's own words, read when first asked for, are Russian.
grep -qF 'qt words: &Отменить действие' "$scratch/out" || fail "Qt's words are not Russian"
starts "no fonts" 0 "Install the fonts-paratype package" \
    env QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$scratch/fonts.conf" "$scripted" run
grep -q '^days: [0-9]\+$' "$scratch/out" || fail "no fonts: the run did not finish"

finish
