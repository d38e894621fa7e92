#!/usr/bin/env bash
# Compiles the Windows resource file with MinGW's resource compiler, so that a broken one is caught without a Windows
# build, and reads the result back to check the version record and the icon. Exits 77 without the compiler.
# Usage: windows_resource.sh RC_FILE COPYRIGHT (the copyright line the record must show, as the build configured it)
set -euo pipefail
rc_file=${1:?usage: windows_resource.sh RC_FILE COPYRIGHT}
copyright=${2:?usage: windows_resource.sh RC_FILE COPYRIGHT}
windres=x86_64-w64-mingw32-windres
if ! command -v "$windres" >/dev/null || ! command -v cpp >/dev/null; then
    echo "SKIP: $windres (binutils-mingw-w64-x86-64) or cpp is not installed"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The file needs no Windows headers, so the build machine's preprocessor serves; it is UTF-8, as the build tells
# windres too.
"$windres" --preprocessor=cpp -c 65001 -i "$rc_file" -o "$scratch/kalendix.res"
"$windres" -i "$scratch/kalendix.res" -O rc >"$scratch/decompiled.rc"

failures=0
expect() { # DESCRIPTION EXTENDED_REGEX
    if grep -qE "$2" "$scratch/decompiled.rc"; then
        echo "ok: $1"
    else
        echo "FAIL: $1"
        failures=$((failures + 1))
    fi
}
expect "file version 1.0.0.0" '^ *FILEVERSION 1, 0, 0, 0$'
expect "product version 1.0.0.0" '^ *PRODUCTVERSION 1, 0, 0, 0$'
expect "an application's record" '^ *FILETYPE 0x1$'
expect "file version shown as 1.00" '"FileVersion", "1\.00"'
expect "product version shown as 1.00" '"ProductVersion", "1\.00"'
expect "internal name" '"InternalName", "Kalendix v2\.0"'
expect "original file name" '"OriginalFilename", "Kalendix v2\.0\.exe"'
expect "Russian" '^LANGUAGE 25, 1$'
# The record's strings are UTF-16: the author's Cyrillic name must come out of them as it went in.
# The rest of the file is no text: iconv -c drops it, and from glibc 2.41 on says so by its exit status.
strings_utf16=$({ iconv -f UTF-16LE -t UTF-8 -c <"$scratch/kalendix.res" || true; } | tr -d '\0')
if grep -qaF "LegalCopyright$copyright" <<<"$strings_utf16"; then
    echo "ok: copyright \"$copyright\""
else
    echo "FAIL: copyright \"$copyright\" not in the record"
    failures=$((failures + 1))
fi
expect "the icon, as a group of sizes" 'Type: group icon'
if ((failures)); then
    cat "$scratch/decompiled.rc"
    echo "$failures failed"
    exit 1
fi
echo "all passed"
