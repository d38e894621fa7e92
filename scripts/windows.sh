#!/usr/bin/env bash
# Builds "Kalendix v2.0.exe" for 64-bit Windows on Debian 12 or 13 and tests it under Wine: installs what is missing,
# builds Qt for Windows from Debian's source once (cached outside the checkout, see windows_qt.sh), cross-builds the
# program and its tests in build-windows/, runs the core and widget suites under Wine on a private X display, then
# packs a portable zip, an installer and the source of the Qt they carry into dist/windows/, checks that each package
# holds the notices of what it ships, that the installer installs, starts and uninstalls, and that a start without
# the platform plugin says so in a box of the program's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh g++-mingw-w64-x86-64-posix ninja-build dpkg-dev python3 googletest wine wine64 nsis zip unzip \
    xvfb x11-utils openbox xdotool
source tests/lib.sh
prefix=$(bash scripts/windows_qt.sh)
cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}
build=build-windows
dist=dist/windows
# Packages of an earlier version or build must not be mistaken for this one's.
rm -rf "$build/packages" "$dist"
mkdir -p "$build" "$dist"

# Wine runs each test and the icon check; its own prefix in the cache, quiet, finding Qt's libraries on its path.
# The MinGW runtime libraries lie where the cross compiler keeps them.
runtime_dirs=$(for dll in libstdc++-6.dll libwinpthread-1.dll; do
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)"
done | sort -u | paste -sd ';')
wine_prefix "$cache/wine"
export WINEPATH="$prefix/bin;$runtime_dirs"
wine_wrapper=$PWD/$build/wine.sh
{
    echo '#!/usr/bin/env bash'
    declare -p WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEPATH
    echo 'exec wine "$@"'
} >"$wine_wrapper"
chmod +x "$wine_wrapper"

start=$SECONDS
"$prefix/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_wrapper" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
echo "== Windows build: $((SECONDS - start)) s"

# Configured as on Windows, with a Qt outside /usr that has a translations folder of its own (and no notices
# collected here): a stand-in of the same Qt, whose Russian translation must be the one taken. qt-cmake finds its Qt
# from the real folder it lies in, so that one is the stand-in's own.
standin=$scratch/qt
mkdir -p "$standin/bin" "$standin/translations"
ln -s "$prefix"/bin/* "$standin/bin/"
for entry in "$prefix"/*; do
    case ${entry##*/} in bin | notices | source) ;; *) ln -s "$entry" "$standin/" ;; esac
done
cp /usr/share/qt6/translations/qtbase_ru.qm "$standin/translations/"
native=$scratch/native
if ! "$standin/bin/qt-cmake" -S . -B "$native" -G Ninja -DKALENDIX_BUILD_TESTS=OFF >"$native.log" 2>&1 ||
    ! grep -qxF "KALENDIX_QTBASE_RU:FILEPATH=$standin/translations/qtbase_ru.qm" "$native/CMakeCache.txt"; then
    cat "$native.log"
    echo "FAIL: configured with a Qt that has its own translations, the build did not take its Russian one"
    exit 1
fi
echo "ok: configured as on Windows, with the Qt's own translation"

echo "== What Explorer shows of the executable: its icon and its version record, with the copyright as configured"
bash tests/install/windows_resource.sh "$build/Kalendix v2.0.exe" \
    "$(sed -n 's/.*"LegalCopyright", "\(.*\)"$/\1/p' "$build/resources/kalendix.rc")"

# Wine's windows need a display with a window manager; a large one, so that the designed places fit at 2x.
x_server 2560x2048x24
window_manager
start=$SECONDS
echo "== Tests under Wine"
(cd "$build" && ctest --output-on-failure)
echo "== Tests under Wine: $((SECONDS - start)) s"

(cd "$build" && cpack -B "$PWD/packages" >/dev/null)
cp "$build"/packages/*.zip "$build"/packages/*.exe "$dist"/
# Beside the packages, the source of the Qt they carry and the scripts that built it, as Qt's licences ask; the
# packages' terms name this archive.
name=$(basename "$dist"/*.zip .zip)
tar --sort=name --owner=0 --group=0 --numeric-owner -cf "$dist/$name-qt-source.tar" \
    -C "$prefix" --transform "s,^source,$name-qt-source," source
ls -l "$dist"
unzip -q "$dist/$name.zip" -d "$scratch"
echo "== The zip's notices"
bash tests/install/windows_notices.sh "$scratch/$name"
echo "== The installer"
bash tests/install/windows_installer.sh "$wine_wrapper" "$dist"/*.exe
echo "== A start without the platform plugin"
bash tests/install/windows_start_failure.sh "$dist"/*.zip
