#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root and checks that the program, the
# desktop entry, the AppStream record and every icon land where desktops look, and that the package asks for the
# libraries it links and the fonts it falls back on. Skips (in CI fails) where the Debian packaging tools or lintian
# are missing.
set -euo pipefail
build_dir=${1:?usage: package.sh BUILD_DIR APPLICATION_ID}
id=${2:?usage: package.sh BUILD_DIR APPLICATION_ID}
source "$(dirname "$0")/../lib.sh"
needs dpkg-deb dpkg-shlibdeps cpack lintian
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    exit 1
}
debs=("$scratch"/out/*.deb)
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root

png_size() { # FILE: width and height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4,
                                                    $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

desktop=$root/usr/share/applications/$id.desktop
check "the program is usr/bin/kalendix" test -x "$root/usr/bin/kalendix"
check "the AppStream record is in usr/share/metainfo" test -f "$root/usr/share/metainfo/$id.metainfo.xml"
check "the desktop entry starts the installed program" grep -qx 'Exec=kalendix' "$desktop"
check "the desktop entry names the installed icon" grep -qx "Icon=$id" "$desktop"
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    check "a ${size}x$size icon in the hicolor theme" test "$([[ -f $icon ]] && png_size "$icon")" = "${size}x$size"
done
# A library search path of its own would have the program look beside itself, or with an empty entry in whatever
# directory it is started from, before the system's libraries.
runpath() { readelf -d "$1" | grep -E '\((RPATH|RUNPATH)\)' || true; }
check "the installed program names no library search path" test -z "$(runpath "$root/usr/bin/kalendix")"
check "the built program names no library search path" test -z "$(runpath "$build_dir/app/kalendix")"
unexpected=$(cd "$root" && find . -type f ! -path './usr/bin/*' ! -path './usr/share/*' | head)
check "nothing outside usr/bin and usr/share" test -z "$unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt libraries under the names this release gives their packages (Debian 13 renamed them for 64-bit time_t).
qt_packages=$(ldd "$build_dir/app/kalendix" | awk '/libQt6(Core|Gui|Widgets)/ { print $3 }' |
    xargs -r readlink -f | xargs -r dpkg -S | cut -d: -f1 | sort -u)
check "the program links Qt's three libraries" test "$(wc -w <<<"$qt_packages")" -eq 3
for package in libc6 libstdc++6 $qt_packages fonts-paratype hicolor-icon-theme qt6-translations-l10n; do
    check "depends on $package" grep -qxF "$package" <<<"$(tr ',' '\n' <<<"$depends" | sed 's/ *(.*//; s/^ *//')"
done
check "recommends qt6-wayland" grep -qw qt6-wayland <<<"$(dpkg-deb -f "$deb" Recommends)"
check "the terms and the changelog are in usr/share/doc/kalendix" \
    test -f "$root/usr/share/doc/kalendix/copyright" -a -f "$root/usr/share/doc/kalendix/changelog.gz"
# Debian's own checker, as a packager would run it: no error and no warning.
lintian_report=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[[ -z $lintian_report ]] || echo "$lintian_report"
check "lintian reports no error and no warning" test -z "$lintian_report"
# Whether this machine could install it: every dependency is there and nothing clashes.
if [[ $(id -u) -eq 0 ]]; then
    check "dpkg would install it here" dpkg --dry-run -i "$deb"
fi
finish
