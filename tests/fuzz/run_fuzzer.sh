#!/usr/bin/env bash
# Builds the conversions fuzz target with clang's libFuzzer, ASan and UBSan, and fuzzes it for a bounded time.
# Usage: run_fuzzer.sh BUILD_DIR [SECONDS]. Skips (in CI fails) where clang or its fuzzer runtime is missing.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:?usage: run_fuzzer.sh BUILD_DIR [SECONDS]}
seconds=${2:-30}
mkdir -p "$build_dir"
source "$source_dir/tests/lib.sh"
needs clang++
probe="$build_dir/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe"
clang++ -fsanitize=fuzzer "$probe" -o "$build_dir/probe" 2>/dev/null || lacks "clang's libFuzzer runtime"

target="$build_dir/fuzz_conversions"
sources=("$source_dir/tests/fuzz/fuzz_conversions.cpp")
for file in "$source_dir"/core/*.cpp; do
    [[ $file == *_windows.cpp ]] || sources+=("$file") # this is Linux: the core's POSIX sources only
done
stale=0
[[ -x $target ]] || stale=1
for file in "${sources[@]}" "$source_dir"/core/*.h; do
    [[ $file -nt $target ]] && stale=1
done
if ((stale)); then
    clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$source_dir" "${sources[@]}" -o "$target"
fi

# New inputs go to a scratch folder; the seed corpus in the tree is only read. A crashing input is kept in the build
# folder, to be added to the corpus once fixed.
mkdir "$scratch/corpus"
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build_dir/" "$scratch/corpus" "$source_dir/tests/fuzz/corpus" 2>&1 | tail -n 25
