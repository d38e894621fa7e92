#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; the widget tests need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure --parallel "$(nproc)"
