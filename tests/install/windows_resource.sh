#!/usr/bin/env bash
# The version record and the icon of a Windows program, read back with MinGW's resource compiler: from the resource
# file compiled here, so that a broken one is caught without a Windows build, or from the built executable, as
# Explorer shows them. Skips (in CI fails) without the compiler.
# Usage: windows_resource.sh RC_FILE|EXE COPYRIGHT (the copyright line the record must show, as the build configured it)
set -euo pipefail
input=${1:?usage: windows_resource.sh RC_FILE|EXE COPYRIGHT}
copyright=${2:?usage: windows_resource.sh RC_FILE|EXE COPYRIGHT}
source "$(dirname "$0")/../lib.sh"
windres=x86_64-w64-mingw32-windres
needs "$windres" cpp
compiled=$input
if [[ $input == *.rc ]]; then
    # The file needs no Windows headers, so the build machine's preprocessor serves; it is UTF-8, as the build tells
    # windres too.
    compiled=$scratch/kalendix.res
    "$windres" --preprocessor=cpp -c 65001 -i "$input" -o "$compiled"
fi
"$windres" -i "$compiled" -O rc >"$scratch/decompiled.rc"

expect() { # DESCRIPTION EXTENDED_REGEX
    check "$1" grep -qE "$2" "$scratch/decompiled.rc"
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
strings_utf16=$({ iconv -f UTF-16LE -t UTF-8 -c <"$compiled" 2>/dev/null || true; } | tr -d '\0')
check "copyright \"$copyright\"" grep -qaF "LegalCopyright$copyright" <<<"$strings_utf16"
expect "the icon, as a group of sizes" 'Type: group icon'
((failed == 0)) || cat "$scratch/decompiled.rc"
finish
