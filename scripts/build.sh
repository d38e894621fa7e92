#!/usr/bin/env bash
# Installs what is missing, then configures and builds.
# Usage: build.sh [--tests] [BUILD_DIR [CMAKE_OPTION...]]; the default folder is build/.
# Without --tests only the program is built; with it, every test suite too. Both share one folder, so running one after
# the other builds only what the first did not.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
setup=()
if [[ ${1:-} == --tests ]]; then
    tests=ON
    setup=(--tests)
    shift
fi
build_dir=${1:-build}
shift $(($# > 0 ? 1 : 0))
bash scripts/setup.sh "${setup[@]}"
cmake -S . -B "$build_dir" -DKALENDIX_BUILD_TESTS="$tests" "$@" >/dev/null
targets=()
if [[ $tests == OFF ]]; then
    targets=(--target kalendix)
fi
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
