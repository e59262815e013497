#!/usr/bin/env bash
# The main job: builds everything (native packer, 32-bit release Setup.exe,
# 64-bit Setup.exe with the sample distribution) and runs the sample
# distribution's Setup.exe under Wine, reading its main window and saving a
# screenshot to build/main-job/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
./scripts/wine-access.sh .
jobs=$(nproc)

for preset in native win32 win64; do
  printf '\n== build %s\n' "$preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

state=build/win64/wine
out=build/main-job
dist=build/win64/sample/dist
run_dir=$state/work/main-job
rm -rf "$out" "$run_dir"
mkdir -p "$out"
cp -r "$dist" "$run_dir"
[ "$(id -u)" -eq 0 ] && chown -R winetest: "$run_dir"

./scripts/wine-prefix.sh setup "$state"
trap './scripts/wine-prefix.sh cleanup "$state"' EXIT

windows_path() { echo "Z:$(realpath "$1" | tr '/' '\\')"; }
setup_exe=$(windows_path "$run_dir/Setup.exe")
shot=$(windows_path "$run_dir")\\main-window.bmp

printf '\n== run %s under Wine\n' "$dist/Setup.exe"
build/win64/wine-run.sh build/win64/tests/e2e/guidriver.exe \
  "start $setup_exe" \
  "wait-any-window 120" \
  "caption" \
  "items 1000" \
  "items 1001" \
  "selected 1001" \
  "text 1002" \
  "screenshot $shot" \
  "key esc" \
  "wait-exit 30"

convert "$run_dir/main-window.bmp" -strip "$out/main-window.png"
echo "screenshot: $out/main-window.png"
