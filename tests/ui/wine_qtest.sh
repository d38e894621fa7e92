#!/usr/bin/env bash
# Runs a Qt Test program under Wine and shows its report: Qt Test's output does not reach a pipe there, so the report
# goes through a file. Usage: wine_qtest.sh WINE TEST.exe [ARGUMENT...]
set -uo pipefail
wine=${1:?usage: wine_qtest.sh WINE TEST.exe [ARGUMENT...]}
test_program=${2:?usage: wine_qtest.sh WINE TEST.exe [ARGUMENT...]}
source "$(dirname "$0")/../lib.sh"
report=$scratch/report
"$wine" "$test_program" "${@:3}" -o "Z:${report//\//\\},txt"
status=$?
cat "$report"
exit "$status"
