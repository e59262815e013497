#!/usr/bin/env bash
# update-screenshots.sh [--take]
# Copies the window pictures that the end-to-end tests saved in the win64
# build tree into docs/images, where the README links them. With --take the
# screenshot test runs first (the win64 build must be configured).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$root/build/win64/tests/e2e/screenshots
if [ "${1:-}" = "--take" ]; then
  (cd "$root" && cmake --build --preset win64 && ctest --preset win64 -R '^e2e_main_screenshots$')
fi
mkdir -p "$root/docs/images"
for name in main-zh main-en about; do
  if [ ! -f "$shots/$name.png" ]; then
    echo "missing $shots/$name.png: run 'ctest --preset win64 -R e2e_main_screenshots' or use --take" >&2
    exit 1
  fi
  cp "$shots/$name.png" "$root/docs/images/$name.png"
  echo "docs/images/$name.png"
done
