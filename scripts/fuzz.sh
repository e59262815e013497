#!/usr/bin/env bash
# Fuzzes every portable piece that reads outside input: builds tests/fuzz with
# clang++ (libFuzzer, AddressSanitizer, UBSan) in build/fuzz, seeds a corpus
# per target with real-looking inputs and runs each target for a bounded time,
# one after the other. Prints one line per target: runs and crashes.
# Usage: scripts/fuzz.sh [SECONDS]          each target SECONDS (default 10), as the test command does
#        scripts/fuzz.sh --long [SECONDS]   the nightly run: each target SECONDS (default 1800)
# The corpus grows in build/fuzz/corpus/TARGET and is kept between runs.
set -euo pipefail

long=0
if [ "${1:-}" = "--long" ]; then long=1; shift; fi
seconds=${1:-$([ "$long" = 1 ] && echo 1800 || echo 10)}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
targets=(fuzz_archive_walk fuzz_modem_log fuzz_registry_text fuzz_profile_text fuzz_setup_config fuzz_packer_names
         fuzz_integrity)

cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 >/dev/null

corpus=$build/corpus
mkdir -p "$corpus"
"$build/fuzz_seed" "$corpus"

# A crash leaves its input as build/fuzz/TARGET-crash-* and makes this script
# fail; each target's running commentary goes to build/fuzz/TARGET.log, and a
# failure shows its end.
failed=0
for target in "${targets[@]}"; do
  log=$build/$target.log
  if "$build/$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 -artifact_prefix="$build/$target-" \
      -print_final_stats=1 "$corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: $runs runs in $seconds s, 0 crashes"
  else
    tail -n 40 "$log" >&2
    echo "$target: found a fault; see $log and $build/$target-crash-*" >&2
    failed=1
  fi
done
exit "$failed"
