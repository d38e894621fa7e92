#!/usr/bin/env bash
# Runs a validator and fails on anything it reports, warnings included; exits 77 where the validator is missing.
set -euo pipefail
tool=${1:?usage: validate.sh TOOL [ARG...]}
if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
fi
output=$("$@" 2>&1) || status=$?
echo "$output"
if ((${status:-0})) || grep -qiE '^(E|W|warning|error)[: ]' <<<"$output"; then
    exit 1
fi
