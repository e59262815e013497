#!/usr/bin/env bash
# bench-wine.sh [-B BUILD_DIR] [ROUNDS]
# Builds the extraction benchmark (win64, in BUILD_DIR, build/win64 by default)
# and runs it under Wine in that build's prefix: the integrity check plus payload extraction of a
# shipped-size archive against CopyFileA of the same files on the same disk,
# and the peak working set that one extraction adds to a fresh process.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/win64
if [ "${1:-}" = "-B" ]; then build=$2; shift 2; fi
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target extract_bench
state=$(cd "$build" && pwd)/wine  # Wine wants an absolute prefix
scripts/wine-prefix.sh setup "$state" >/dev/null
trap 'scripts/wine-prefix.sh cleanup "$state"' EXIT
"$build/wine-run.sh" "$build/tests/extract_bench.exe" "$@"
