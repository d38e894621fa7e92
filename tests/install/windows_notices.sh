#!/usr/bin/env bash
# The licences and notices of a Windows package, unpacked or installed: every program, library, plugin and translation
# in its folder is named in LICENSES/README.txt with the texts that go with it, and each of those texts is there.
# What the licences of some files ask for is read in their texts: the LGPL for Qt's libraries and plugins, the GCC
# runtime library exception, the Independent JPEG Group's credit, and so on.
# Usage: windows_notices.sh FOLDER
set -euo pipefail
folder=${1:?usage: windows_notices.sh FOLDER}
index=$folder/LICENSES/README.txt
if [[ ! -f $index ]]; then
    echo "FAIL: no LICENSES/README.txt in $folder"
    exit 1
fi
index_text=$(sed 's/\r$//' "$index")
source "$(dirname "$0")/../lib.sh"
# notices FILE: the texts the index names under FILE, one a line.
notices() {
    awk -v file="$1" 'found && /^    / { print substr($0, 5); next } found { exit } $0 == file { found = 1 }' \
        <<<"$index_text"
}

# The uninstaller is the installer's own stub, which no licence asks a notice for.
mapfile -t shipped < <(cd "$folder" && find . -type f \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.qm' \) \
    ! -path './LICENSES/*' ! -name Uninstall.exe | sed 's,^\./,,' | sort)
if ((${#shipped[@]} == 0)); then
    echo "FAIL: nothing shipped in $folder"
    exit 1
fi
declare -A texts
for file in "${shipped[@]}"; do
    names=$(notices "$file")
    if [[ -z $names ]]; then
        fail "$file: no notice in LICENSES/README.txt"
        continue
    fi
    pass
    texts[$file]=""
    while IFS= read -r name; do
        if [[ -s $folder/LICENSES/$name ]]; then
            texts[$file]+=$(cat "$folder/LICENSES/$name")
        else
            fail "$file: LICENSES/$name is missing or empty"
        fi
    done <<<"$names"
done

# What the texts of some files must say; each pattern must match a file shipped, or the check would check nothing.
expected=(
    'Kalendix v2.0.exe'      'All rights are reserved'
    'Kalendix v2.0.exe'      'reverse-engineer the program'
    'Qt6*.dll'               'GNU LESSER GENERAL PUBLIC LICENSE'
    '*/q*.dll'               'GNU LESSER GENERAL PUBLIC LICENSE'
    'Qt6Core.dll'            'PCRE2'
    'imageformats/qjpeg.dll' 'Independent JPEG Group'
    'libstdc++-6.dll'        'GCC RUNTIME LIBRARY EXCEPTION'
    'libstdc++-6.dll'        'Version 3, 29 June 2007'
    'libgcc_s_seh-1.dll'     'GCC RUNTIME LIBRARY EXCEPTION'
    'libwinpthread-1.dll'    'mingw-w64-libraries/winpthreads'
    'translations/*.qm'      'GNU GENERAL PUBLIC LICENSE'
)
for ((i = 0; i < ${#expected[@]}; i += 2)); do
    pattern=${expected[i]} words=${expected[i + 1]} matched=0
    for file in "${shipped[@]}"; do
        # shellcheck disable=SC2053 # the pattern is a glob
        [[ $file == $pattern ]] || continue
        matched=$((matched + 1))
        check "$file: its notices say \"$words\"" grep -qF -- "$words" <<<"${texts[$file]-}"
    done
    ((matched)) || fail "no file shipped matches $pattern"
done
echo "files shipped: ${#shipped[@]} (${shipped[*]})"
finish
