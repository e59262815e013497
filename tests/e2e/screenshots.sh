#!/usr/bin/env bash
# screenshots.sh WINE_RUN TEST_EXE SHOT_DIR [FILTER]
# Runs the screenshot tests (FILTER, by default Screenshots.*), which save BMP
# pictures of the windows into SHOT_DIR, and turns them into PNG files there.
set -euo pipefail
run=$1 exe=$2 dir=$3 filter=${4:-Screenshots.*}
rm -rf "$dir"
mkdir -p "$dir"
# The Windows side writes the pictures as the unprivileged Wine user.
if [ "$(id -u)" -eq 0 ]; then chown winetest: "$dir"; fi
"$run" "$exe" --gtest_filter="$filter"
shopt -s nullglob
pictures=("$dir"/*.bmp)
[ ${#pictures[@]} -gt 0 ] || { echo "no screenshots were saved in $dir" >&2; exit 1; }
for bmp in "${pictures[@]}"; do
  convert "$bmp" -strip "${bmp%.bmp}.png"
  rm -f "$bmp"
  echo "saved ${bmp%.bmp}.png"
done
