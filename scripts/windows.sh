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
    icoutils xvfb xauth openbox xdotool
prefix=$(bash scripts/windows_qt.sh)
cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}
build=build-windows
dist=dist/windows
# Packages of an earlier version or build must not be mistaken for this one's.
rm -rf "$build/packages" "$dist"
mkdir -p "$build" "$dist"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

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

# What Explorer shows of the executable: its icon and its version record.
exe="$build/Kalendix v2.0.exe"
record=$(wrestool -x --raw -t 16 "$exe" | strings -el | paste -sd ' ')
for field in "FileVersion 1.00" "ProductVersion 1.00" "InternalName Kalendix v2.0" \
    "OriginalFilename Kalendix v2.0.exe"; do
    grep -qF "$field" <<<"$record" || { echo "FAIL: the version record lacks \"$field\": $record"; exit 1; }
done
# The copyright line names the author in Cyrillic, which the record must hold as configured.
copyright=$(sed -n 's/.*"LegalCopyright", "\(.*\)"$/\1/p' "$build/resources/kalendix.rc")
strings_utf16=$(wrestool -x --raw -t 16 "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\0')
grep -qaF "LegalCopyright$copyright" <<<"$strings_utf16" ||
    { echo "FAIL: the version record lacks the copyright \"$copyright\""; exit 1; }
wrestool -l "$exe" | grep -q 'type=group_icon' || { echo "FAIL: the executable carries no icon"; exit 1; }
echo "ok: the executable's icon and version record ($record; $copyright)"

# The widget suites need a display for Wine's windows; a large one, so that the designed places fit at 2x.
start=$SECONDS
echo "== Tests under Wine"
xvfb-run -a -s "-screen 0 2560x2048x24 -nolisten tcp" bash -c \
    'openbox >/dev/null 2>&1 & cd "$0" && ctest --output-on-failure' "$build"
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
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash tests/install/windows_installer.sh "$wine_wrapper" "$dist"/*.exe
echo "== A start without the platform plugin"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash -c 'openbox >/dev/null 2>&1 & bash tests/install/windows_start_failure.sh "$0"' "$dist"/*.zip
