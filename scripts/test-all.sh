#!/usr/bin/env bash
# Runs every test: native (plain and under ASan/UBSan), a short fuzzing run,
# the Windows tests and end-to-end tests under Wine, and the 32-bit release
# build, also end to end in an emulated 64-bit and 32-bit Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
./scripts/wine-access.sh .
jobs=$(nproc)

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ctest --preset native-asan -j "$jobs"

step "fuzzing every parser of outside input (each target FUZZ_SECONDS, default 10)"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-10}"

step "32-bit release build (checks its imports)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
cmake --build --preset win32 -j "$jobs" --target release_tools
file build/win32/Setup.exe

# The Windows tests read the release Setup.exe too (RELEASE_SETUP_EXE in the preset).
step "Windows tests and end-to-end tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
ctest --preset win64

step "the release Setup.exe in the emulated machine: 64-bit and 32-bit Windows"
started=$(date +%s)
./scripts/emu/build-image.sh
echo "emulated machine ready after $(( $(date +%s) - started )) s"
tests/release/run.sh
echo "release stage: $(( $(date +%s) - started )) s"
