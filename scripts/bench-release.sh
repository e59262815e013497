#!/usr/bin/env bash
# bench-release.sh [ROUNDS]: the release build's extraction against CopyFileA of
# the same files, in the emulated machine's 64-bit Windows (a 32-bit program
# under WoW64). Emulated, so the ratio is the figure, not the speed.
# Builds what it needs: the emulated machine and the win32 preset's benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/emu/common.sh
rounds=${1:-5}
./scripts/bootstrap.sh
./scripts/emu/build-image.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target extract_bench
share=$EMU_DIR/runs/bench
rm -rf "$share"
mkdir -p "$share"
cp build/win32/tests/release/extract_bench.exe "$share/"
cat >"$share/job" <<JOB
export WINEPREFIX=/root/win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine 'Z:\\share\\extract_bench.exe' $rounds
JOB
EMU_JOB_TIMEOUT=1800 scripts/emu/run-guest.sh "$share" "$share/job"
