#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows from Debian's own source, once, into a cache outside the checkout, and
# prints the prefix it installed into. Its moc and other tools are the build machine's own, so the source is the
# version of the installed qt6-base-dev; a new version, or a change to this script, to the toolchain file or to the
# notice collector, makes a new prefix.
# Beside Qt the prefix keeps what Qt's licences ask to be passed on with it, gathered while the source tree exists:
#   notices/  the licences and third-party notices of each library and plugin (scripts/qt_notices.py);
#   source/   Debian's source package of this Qt and the scripts that built it.
# Usage: windows_qt.sh (scripts/windows.sh installs what it needs first)
set -euo pipefail
cd "$(dirname "$0")/.."
self=$PWD/scripts/windows_qt.sh
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
collector=$PWD/scripts/qt_notices.py
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# The source package as apt-get source names it (a binary rebuild's version is not its source's).
qt_source=$(dpkg-query -W -f='${source:Package}=${source:Version}' qt6-base-dev)
recipe=$( (cat "$self" "$toolchain" "$collector" && echo "$version") | sha256sum | cut -c1-12)
cache=${KALENDIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalendix}
upstream=${version%%+*}
upstream=${upstream#*:}
prefix=$cache/qt6-windows-$upstream-$recipe
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

# Each build has a work tree of its own, so that builds for two Qt versions (Debian 12's and 13's, say) never share one.
work=$cache/work-qt6-windows-$upstream-$recipe
rm -rf "$work" "$prefix"
# The work tree grows to several GB: it goes whatever the outcome, and an unfinished prefix with it.
trap 'rm -rf "$work"; [[ -f $prefix/.complete ]] || rm -rf "$prefix"' EXIT
mkdir -p "$work/lists/partial"
# A private deb-src list for this release, from the archives this machine installs from: the machine's own apt set-up
# stays as it is.
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(bash scripts/debian_mirror.sh)
security=$(bash scripts/debian_mirror.sh --security)
cat >"$work/sources.list" <<LIST
deb-src $mirror $release main
deb-src $mirror $release-updates main
deb-src $security $release-security main
LIST
apt_private=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o APT::Sandbox::User=root)
mkdir -p "$work/debian"
{
    apt-get "${apt_private[@]}" update -q
    (cd "$work/debian" && apt-get "${apt_private[@]}" source -q "$qt_source")
} >&2
source_dir=$(find "$work/debian" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

# The smallest Qt that carries Widgets, Qt Test, the Windows platform and style plugins and the JPEG reader.
# OpenGL and tablets are switched off whole (6.4 needs each of the named switches), and every third-party library is
# Qt's bundled copy so that nothing more must be cross-built. Up to 6.7 Direct2D goes too; from 6.8 on, the font
# database is DirectWrite's, which does not compile without Direct2D beside it.
by_version=(-DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF)
if dpkg --compare-versions "$version" ge 6.8~; then
    by_version=()
fi
cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
    "${by_version[@]}" \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_jpeg=ON -DFEATURE_gif=OFF -DFEATURE_ico=ON \
    >&2
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >&2
/usr/bin/python3 "$collector" "$source_dir" "$work/build" "$prefix" >&2

mkdir "$prefix/source"
find "$work/debian" -maxdepth 1 -type f -exec mv -t "$prefix/source" {} +
cp "$self" "$toolchain" "$collector" scripts/debian_mirror.sh "$prefix/source/"
cat >"$prefix/source/README.txt" <<README
The source of the Qt shipped with Kalendix for Windows, as Debian publishes it (unpack the .dsc with dpkg-source -x):
${qt_source/=/ }, built for 64-bit Windows by windows_qt.sh with the toolchain file mingw-w64-x86_64.cmake,
$(x86_64-w64-mingw32-g++-posix --version | head -n1), on Debian $(. /etc/os-release && echo "$VERSION_ID").
In Kalendix's source the scripts lie in scripts/ and the toolchain file in cmake/. windows_qt.sh fetches Qt's source
from the archives debian_mirror.sh names, builds it as it lists and installs it; qt_notices.py collects the licences
and notices that the packages carry in their LICENSES folder.
README
touch "$prefix/.complete"
# Builds of this Qt version from older recipes are of no more use; those of other versions serve other releases.
find "$cache" -maxdepth 1 -name "qt6-windows-$upstream-*" ! -name "$(basename "$prefix")" -exec rm -rf {} +
echo "$prefix"
