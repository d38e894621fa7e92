#!/usr/bin/env bash
# Runs the clock probe under libfaketime across time zones and instants, and checks today's date value against the
# calendar date that the zone shows at that instant. Exits 77 (skipped) without libfaketime.
set -euo pipefail
probe=${1:?usage: zones.sh CLOCK_PROBE}
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/fake_clock.sh"
faketime_library=$(fake_clock_library) || lacks libfaketime

zones=(UTC Europe/Moscow America/Sao_Paulo America/St_Johns Australia/Lord_Howe Pacific/Apia Pacific/Kiritimati
    Asia/Kathmandu)
ordinary_days=(2026-03-15 2026-12-07)
# Days on which the zone's clocks jumped: summer time starting and ending, offsets changing, whole days skipped.
declare -A shifted_days=(
    [UTC]=""
    [Europe/Moscow]="2011-03-27 2014-10-26"
    [America/Sao_Paulo]="2018-02-17 2018-11-04 2019-02-16"
    [America/St_Johns]="2024-03-10 2024-11-03"
    [Australia/Lord_Howe]="2024-04-07 2024-10-06"
    [Pacific/Apia]="2011-12-29 2011-12-30 2011-12-31 2020-09-27 2021-04-04"
    [Pacific/Kiritimati]="1994-12-30 1994-12-31 1995-01-01"
    [Asia/Kathmandu]="1985-12-31 1986-01-01"
)
times=(00:00:00 00:59:59 12:00:00 23:59:59)

date_value() { # YYYY-MM-DD -> days since 1899-12-30
    echo $(($(date -u -d "$1" +%s) / 86400 + 25569))
}

for zone in "${zones[@]}"; do
    for day in "${ordinary_days[@]}" ${shifted_days[$zone]}; do
        for time in "${times[@]}"; do
            output=$(TZ=$zone LD_PRELOAD=$faketime_library${LD_PRELOAD:+:$LD_PRELOAD} FAKETIME="@$day $time" "$probe" 2001-01-01)
            epoch=$(awk '$1 == "epoch" { print $2 }' <<<"$output")
            today=$(awk '$1 == "today" { print $2 }' <<<"$output")

            # libfaketime must really have moved the clock: where the wall time exists, the instant is that time.
            if requested=$(TZ=$zone date -d "$day $time" +%s 2>/dev/null); then
                if ((epoch < requested || epoch > requested + 5)); then
                    fail "$zone $day $time: the clock reads $epoch, not $requested"
                    continue
                fi
            fi
            shown=$(TZ=$zone date -d "@$epoch" +%F)
            expected_today=$(date_value "$shown")
            same "$zone $day $time: today, the zone showing $shown" "$today" "$expected_today"
        done
    done
done
echo "zones: ${#zones[@]}, instants checked: $((passed + failed))"
finish
