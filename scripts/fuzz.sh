#!/usr/bin/env bash
# Fuzzes the payload archive walk: builds tests/fuzz with clang++ (libFuzzer,
# AddressSanitizer, UBSan) in build/fuzz, seeds a corpus with small archives
# and runs the fuzzer for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]    (default 30)
set -euo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz

cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

corpus=$build/corpus
mkdir -p "$corpus"
"$build/fuzz_seed" "$corpus"

# A crash leaves its input as build/fuzz/crash-* and makes this script fail.
# The fuzzer's running commentary goes to build/fuzz/fuzz.log; a failure shows its end.
log=$build/fuzz.log
if ! "$build/fuzz_archive_walk" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -artifact_prefix="$build/" -print_final_stats=1 "$corpus" >"$log" 2>&1; then
  tail -n 60 "$log" >&2
  echo "fuzzing found a fault; see $log" >&2
  exit 1
fi
grep -E '^Done|stat::number_of_executed_units' "$log" || true
