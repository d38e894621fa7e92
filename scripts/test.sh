#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for users, once more under AddressSanitizer
# and UndefinedBehaviorSanitizer. The widget tests need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
run_suite() { # BUILD_DIR [CMAKE_OPTION...]
    local build_dir=$1
    bash scripts/build.sh --tests "$@"
    echo "== Tests in $build_dir"
    (cd "$build_dir" && ctest --output-on-failure --parallel "$(nproc)")
}
run_suite build
run_suite build-sanitize -DKALENDIX_SANITIZE=ON
