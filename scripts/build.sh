#!/usr/bin/env bash
# Installs what is missing, then configures (once) and builds.
# Usage: build.sh [BUILD_DIR [CMAKE_OPTION...]]; the default folder is build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift $(($# > 0 ? 1 : 0))
bash scripts/setup.sh
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build_dir" --parallel "$(nproc)"
