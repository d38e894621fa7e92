#!/usr/bin/env bash
# Builds "Kalendix v2.0.exe" for 64-bit Windows on Debian 12 or 13 and tests it under Wine: installs what is missing, builds
# Qt for Windows from Debian's source once (cached outside the checkout, see windows_qt.sh), cross-builds the program
# and its tests in build-windows/, runs the core and widget suites under Wine on a private X display, then packs a
# portable zip and an installer into dist/windows/ and checks that the installer installs, starts and uninstalls.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh g++-mingw-w64-x86-64-posix ninja-build dpkg-dev googletest wine wine64 nsis zip icoutils \
    xvfb xauth openbox xdotool unzip
prefix=$(bash scripts/windows_qt.sh)
cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}
build=build-windows
dist=dist/windows
mkdir -p "$build" "$dist"

# Wine runs each test and the icon check; its own prefix in the cache, quiet, finding Qt's libraries on its path.
# The MinGW runtime libraries lie where the cross compiler keeps them.
runtime_dirs=$(for dll in libstdc++-6.dll libwinpthread-1.dll; do
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)"
done | sort -u | paste -sd ';')
wine_wrapper=$PWD/$build/wine.sh
cat >"$wine_wrapper" <<WRAPPER
#!/usr/bin/env bash
export WINEPREFIX="$cache/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH="$prefix/bin;$runtime_dirs"
exec wine "\$@"
WRAPPER
chmod +x "$wine_wrapper"
if [[ ! -f $cache/wine/system.reg ]]; then
    WINEPREFIX="$cache/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
fi

start=$SECONDS
"$prefix/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_wrapper" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
echo "== Windows build: $((SECONDS - start)) s"

# What Explorer shows of the executable: its icon and its version record.
exe="$build/Kalendix v2.0.exe"
record=$(wrestool -x --raw -t 16 "$exe" | strings -el | paste -sd ' ')
for field in "FileVersion 1.00" "ProductVersion 1.00" "InternalName Kalendix v2.0" \
    "OriginalFilename Kalendix v2.0.exe"; do
    grep -qF "$field" <<<"$record" || { echo "FAIL: the version record lacks \"$field\": $record"; exit 1; }
done
wrestool -l "$exe" | grep -q 'type=group_icon' || { echo "FAIL: the executable carries no icon"; exit 1; }
echo "ok: the executable's icon and version record ($record)"

# The widget suites need a display for Wine's windows; a large one, so that the designed places fit at 2x.
start=$SECONDS
echo "== Tests under Wine"
xvfb-run -a -s "-screen 0 2560x2048x24 -nolisten tcp" bash -c \
    'openbox >/dev/null 2>&1 & cd "$0" && ctest --output-on-failure' "$build"
echo "== Tests under Wine: $((SECONDS - start)) s"

(cd "$build" && cpack -B "$PWD/packages" >/dev/null)
cp "$build"/packages/*.zip "$build"/packages/*.exe "$dist"/
ls -l "$dist"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash tests/install/windows_installer.sh "$wine_wrapper" "$dist"/*.exe
# A start without the platform plugin says so in one box of the program's own.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash -c 'openbox >/dev/null 2>&1 & bash tests/install/windows_start_failure.sh "$0"' "$dist"/*.zip
