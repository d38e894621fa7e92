#!/usr/bin/env bash
# A start on Windows that cannot show a window, under Wine: the program unpacked from its zip without its platform
# plugin shows one message box, in Russian and English, naming the plugin and the folder it looked in, with no word of
# X11 or Wayland, and exits with status 1 once the box is closed.
# Usage: windows_start_failure.sh ZIP   (with a display and a window manager)
set -euo pipefail
zip=${1:?usage: windows_start_failure.sh ZIP}
source "$(dirname "$0")/../lib.sh"
wine_prefix "$scratch/prefix"
at_exit 'wineserver -k 2>/dev/null'
unzip -q "$zip" -d "$scratch/unpacked"
program=$(find "$scratch/unpacked" -name 'Kalendix v2.0.exe' | head -n1)
folder=$(dirname "$program")
rm "$folder/platforms/qwindows.dll"

# Wine's msgbox channel shows the start of the box's text; the program says the whole of it on standard error too.
(cd "$folder" && status=0 && WINEDEBUG=trace+msgbox wine "Kalendix v2.0.exe" >"$scratch/out" 2>"$scratch/err" ||
    status=$? && echo "$status" >"$scratch/status") &
box=
for ((i = 0; i < 600; ++i)); do
    box=$(xdotool search --onlyvisible --name '^Kalendix$' 2>/dev/null | head -n1 || true)
    [[ -n $box || -s $scratch/status ]] && break
    sleep 0.1
done
windows=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r id; do xdotool getwindowname "$id"; done |
    sort | paste -sd '|' || true)

check "a box titled Kalendix appears (visible windows: ${windows:-none})" test -n "$box"
check "it is the only window shown" test "$windows" = Kalendix
if [[ -n $box ]]; then
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus --sync "$box" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers Return
fi
for ((i = 0; i < 300; ++i)); do
    [[ -s $scratch/status ]] && break
    sleep 0.1
done
check "the program ends with status 1 once the box is closed (status: $(cat "$scratch/status" 2>/dev/null))" \
    test "$(cat "$scratch/status" 2>/dev/null)" = 1
# Wine writes the text as a C string: \XXXX for a character outside ASCII, \\ for a backslash.
shown=$(sed -n 's/^.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"\(\.\.\.\)\{0,1\}$/\1/p' "$scratch/err" | head -n1 |
    sed 's/\\\\/\x01/g; s/\\\([0-9a-f]\{4\}\)/\\u\1/g; s/\x01/\\\\/g')
shown=$(printf '%b' "$shown")
said=$(grep -v 'trace:' "$scratch/err")
for words in "окно не открыть" "qwindows.dll"; do
    check "the box says \"$words\" (it shows \"${shown:0:60}...\")" grep -qF -- "$words" <<<"$shown"
done
check "the whole text, on standard error, begins as the box does" grep -qF -- "${shown:0:40}" <<<"$said"
looked_in=$(winepath -w "$folder/platforms" 2>/dev/null)
check "it names the folder it looked in, $looked_in" grep -qF -- "$looked_in" <<<"$said"
check "it says it in English too" grep -qF "cannot open a window: the Qt platform plugin qwindows.dll" <<<"$said"
check "no word of X11 or Wayland" bash -c '! grep -qiE "DISPLAY|wayland|xcb|X11" <<<"$1"' _ "$said$shown"
if ((failed)); then
    echo "standard error:"
    grep -v ':trace:' "$scratch/err" | sed 's/^/    /' | head -n 60
fi
finish
