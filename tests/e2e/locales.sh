#!/usr/bin/env bash
# The figures under Russian, German and C locales: whole numbers never gain a separator, fractions take the
# locale's, and only "." is read as a decimal point. The two locales are compiled into the build folder, so nothing
# on the machine changes. Skips (in CI fails) where the locale sources are missing.
set -euo pipefail
probe=${1:?usage: locales.sh CLOCK_PROBE BUILD_DIR}
build_dir=${2:?usage: locales.sh CLOCK_PROBE BUILD_DIR}
source "$(dirname "$0")/../lib.sh"
locale_dir="$build_dir/locales"
mkdir -p "$locale_dir"
for name in ru_RU de_DE; do
    if [[ ! -d $locale_dir/$name.UTF-8 ]]; then
        if ! command -v localedef >/dev/null || [[ ! -f /usr/share/i18n/locales/$name ]]; then
            lacks "the $name locale sources"
        fi
        localedef -i "$name" -f UTF-8 "$locale_dir/$name.UTF-8" 2>/dev/null || [[ -d $locale_dir/$name.UTF-8 ]]
    fi
done

# The figures themselves are core's tables' to check; here each locale shows those of the plain C locale.
reference_figures=$(LC_ALL=C "$probe" 2001-01-01 2026-12-07 | sed -n 's/^figures //p')
for setting in C.UTF-8:. ru_RU.UTF-8:, de_DE.UTF-8:,; do
    locale=${setting%:*}
    separator=${setting##*:}
    output=$(LOCPATH=$locale_dir LC_ALL=$locale "$probe" 2001-01-01 2026-12-07)
    same "$locale figures" "$(sed -n 's/^figures //p' <<<"$output")" "$reference_figures"
    same "$locale separator" "$(sed -n 's/^separator //p' <<<"$output")" "$separator"
    same "$locale fraction" "$(sed -n 's/^fraction //p' <<<"$output")" "12${separator}5"
    same "$locale reading" "$(sed -n 's/^reads //p' <<<"$output")" "12 12.5"
done
finish
