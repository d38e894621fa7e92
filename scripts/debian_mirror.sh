#!/usr/bin/env bash
# Prints the Debian archive this machine installs from, as its apt sources name it (deb822 or one-line lists, options
# in brackets or not): the one that serves this release, or with --security the one that serves its security
# updates. Where the sources name none, says so on standard error and prints Debian's own address.
# Usage: debian_mirror.sh [--security]
set -euo pipefail
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [[ ${1:-} == --security ]]; then
    wanted=$release-security fallback=http://deb.debian.org/debian-security
    # A source list may name its suite in another way (stable-security, say): a security archive's address then.
    path_pattern='/debian-security/?$'
else
    wanted=$release fallback=http://deb.debian.org/debian
    path_pattern='/debian/?$'
fi

# Every source as "URI SUITE", one a line, in the order apt reads them.
sources() {
    local file blank='[[:space:]]' word='[^[:space:]]+'
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        # deb [arch=amd64 signed-by=...] URI SUITE COMPONENT...: the options may hold spaces.
        sed -nE "s/^$blank*deb(-src)?$blank+(\\[[^]]*\\]$blank*)?($word)$blank+($word).*/\\3 \\4/p" "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        # deb822: blank-line separated stanzas; a stanza switched off with "Enabled: no" does not count.
        awk 'BEGIN { RS = ""; FS = "\n" }
            {
                uris = ""; suites = ""; enabled = 1
                for (i = 1; i <= NF; ++i) {
                    if ($i ~ /^#/) continue
                    split($i, kv, ":"); key = tolower(kv[1]); value = substr($i, length(kv[1]) + 2)
                    if (key == "uris") uris = value
                    else if (key == "suites") suites = value
                    else if (key == "enabled" && value ~ /^[[:space:]]*no[[:space:]]*$/) enabled = 0
                }
                if (!enabled) next
                nu = split(uris, u, " "); ns = split(suites, s, " ")
                for (i = 1; i <= nu; ++i) for (j = 1; j <= ns; ++j) print u[i], s[j]
            }' "$file"
    done
}

all=$(sources)
# The source that names this release's suite; failing that, one whose path is the archive's usual one.
mirror=$(awk -v suite="$wanted" '$2 == suite { print $1; exit }' <<<"$all")
if [[ -z $mirror ]]; then
    mirror=$(awk -v pattern="$path_pattern" '$1 ~ pattern { print $1; exit }' <<<"$all")
fi
if [[ -z $mirror ]]; then
    echo "debian_mirror.sh: no apt source names the suite ${wanted:-of this release}; using $fallback" >&2
    mirror=$fallback
fi
echo "${mirror%/}"
