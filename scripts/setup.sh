#!/usr/bin/env bash
# Installs with apt whatever the build and the tests need and the machine lacks; installs nothing when all is there.
# Further packages named as arguments (a benchmark's tools, say) are installed the same way.
set -euo pipefail

packages=(
    g++ make cmake          # the toolchain
    qt6-base-dev            # Qt 6 Widgets and Qt Test, with the platform plugins
    libgtest-dev            # the core's tests
    fonts-paratype          # PT Sans: Cyrillic faces for the windows' captions
    tzdata                  # time zones for the date tests
    faketime                # the clock tests across zones and instants
    locales                 # locale sources, compiled into the build folder by the locale test
    strace                  # the test that the program writes no file
    clang libclang-rt-14-dev  # libFuzzer, for the conversions' fuzz test
    dpkg-dev file           # cpack's Debian package, its dependencies read by dpkg-shlibdeps
    desktop-file-utils appstream  # the validators of the desktop entry and the AppStream record
    binutils-mingw-w64-x86-64     # windres, the check of the Windows resource file
    xvfb dbus-daemon at-spi2-core python3-pyatspi  # the program driven through the accessibility bus
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
