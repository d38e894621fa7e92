#!/usr/bin/env bash
# Installs what is missing, then configures (once) and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)"
