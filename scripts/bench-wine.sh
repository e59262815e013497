#!/usr/bin/env bash
# bench-wine.sh [ROUNDS]
# Builds the extraction benchmark (win64) and runs it under Wine: payload
# extraction of a shipped-size archive against CopyFileA of the same files on
# the same disk, with the peak memory of the extraction.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target extract_bench
state=build/win64/wine
if [ ! -f "$state/prefix/system.reg" ]; then
  scripts/wine-prefix.sh setup "$state" >/dev/null
  trap 'scripts/wine-prefix.sh cleanup "$state"' EXIT
fi
build/win64/wine-run.sh build/win64/tests/extract_bench.exe "$@"
