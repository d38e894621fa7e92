#!/usr/bin/env bash
# Runs a validator and fails on anything it reports, warnings included; skips (in CI fails) where it is missing.
set -euo pipefail
tool=${1:?usage: validate.sh TOOL [ARG...]}
source "$(dirname "$0")/../lib.sh"
needs "$tool"
output=$("$@" 2>&1) || status=$?
echo "$output"
if ((${status:-0})) || grep -qiE '^(E|W|warning|error)[: ]' <<<"$output"; then
    exit 1
fi
