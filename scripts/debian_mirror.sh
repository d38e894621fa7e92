#!/usr/bin/env bash
# Prints the Debian archive this machine installs from, as its apt sources name it (deb822 or one-line lists).
set -euo pipefail
mirror=$( (grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{ print $2 }'
    grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | awk '{ print $2 }') |
    grep -v security | grep -m1 '/debian/\?$' || true)
echo "${mirror:-http://deb.debian.org/debian}"
