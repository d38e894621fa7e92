#!/usr/bin/env bash
# The Windows installer under Wine, as a user's silent install goes: it installs into Program Files, puts a Start-menu
# entry down, with the licences and notices of everything it installs, the installed program starts and stays up, and
# its uninstaller removes every file it installed.
# Usage: windows_installer.sh WINE_WRAPPER INSTALLER.exe   (with a display for the program's window)
set -euo pipefail
wine=${1:?usage: windows_installer.sh WINE_WRAPPER INSTALLER.exe}
installer=${2:?usage: windows_installer.sh WINE_WRAPPER INSTALLER.exe}
source "$(dirname "$0")/../lib.sh"
# The wrapper names its Wine prefix; a fresh prefix of nothing but the install keeps the check independent.
wine_prefix "$scratch/prefix"
target=$WINEPREFIX/drive_c/Program\ Files/Kalendix

wine "$installer" /S
wineserver -w
check "installed Kalendix v2.0.exe" test -f "$target/Kalendix v2.0.exe"
check "installed the Qt platform plugin" test -f "$target/platforms/qwindows.dll"
check "installed an uninstaller" test -f "$target/Uninstall.exe"
shortcut=$(find "$WINEPREFIX/drive_c" -iname 'Kalendix v2.0.lnk' 2>/dev/null | head -n1)
check "a Start-menu entry" test -n "$shortcut"
check "the notices of every file installed" bash "$(dirname "$0")/windows_notices.sh" "$target"
installed=$(cd "$target" && find . -type f | sort)

# The installed program starts and is still running three seconds later.
(cd "$target" && wine "Kalendix v2.0.exe" >/dev/null 2>&1) &
program=$!
sleep 3
check "the installed program starts and stays up" kill -0 "$program"
wine taskkill /f /im "Kalendix v2.0.exe" >/dev/null 2>&1 || true
wait "$program" 2>/dev/null || true
wineserver -w

wine "$target/Uninstall.exe" /S
wineserver -w
# The uninstaller copies itself aside and removes the folder from there: wait for it.
for ((i = 0; i < 50; ++i)); do
    [[ -e $target ]] || break
    sleep 0.2
done
left=$(cd "$WINEPREFIX/drive_c/Program Files" 2>/dev/null && find Kalendix -type f 2>/dev/null || true)
check "the uninstaller removed every installed file ($(wc -l <<<"$installed") files)" test -z "$left"
check "the Start-menu entry is gone" test ! -e "$shortcut"
finish
