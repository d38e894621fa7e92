#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kalendix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/app/kalendix
