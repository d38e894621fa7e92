#!/usr/bin/env bash
# Installs with apt what the machine lacks, and nothing when all is there.
#   setup.sh                 what building and running the program needs
#   setup.sh --tests         that, and every tool the test suite uses
#   setup.sh [--tests] NAME  further packages (a benchmark's tools, say), the same way
set -euo pipefail

packages=(
    g++ make cmake          # the toolchain
    qt6-base-dev            # Qt 6 Widgets, with the platform plugins
    libxcb1-dev             # the X11 window state that keeps the side windows off the taskbar
    fonts-paratype          # PT Sans: Cyrillic faces for the windows' captions
    qt6-translations-l10n   # Qt's own words (context menus, the calendar) in Russian
)
if [[ ${1:-} == --tests ]]; then
    shift
    packages+=(
        libgtest-dev            # the core's tests
        tzdata faketime         # the clock tests across zones and instants
        locales                 # locale sources, compiled into the build folder by the locale test
        strace                  # the test that the program writes no file
        clang libclang-rt-dev   # libFuzzer, for the conversions' fuzz test
        dpkg-dev file lintian   # cpack's Debian package, its dependencies from dpkg-shlibdeps, Debian's checker
        desktop-file-utils appstream  # the validators of the desktop entry and the AppStream record
        binutils-mingw-w64-x86-64     # windres, the check of the Windows resource file
        xvfb dbus-daemon at-spi2-core python3-pyatspi  # the program driven through the accessibility bus
        x11-utils                     # xprop, to read the window states the program leaves on an X11 desktop
        weston qt6-wayland            # the same, on a headless Wayland compositor
        orca openbox xdotool          # what a listener hears: the screen reader, a window manager, keys typed
    )
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}")
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null || ! sudo -v; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Install them as root, then run this again:" >&2
        echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    # sudo resets the environment, so DEBIAN_FRONTEND goes through env inside it.
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" "${install[@]}"
