#!/usr/bin/env bash
# Installs what building and running need, builds the program alone, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/app/kalendix
