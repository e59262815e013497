#!/usr/bin/env bash
# update-screenshots.sh [--take]
# Copies the window pictures that the end-to-end tests saved in the win64
# build tree into docs/images, where the README links them. With --take the
# screenshot test runs first (the win64 build must be configured).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
e2e=$root/build/win64/tests/e2e
if [ "${1:-}" = "--take" ]; then
  (cd "$root" && cmake --build --preset win64 && ctest --preset win64 -R '^e2e_(main|install)_screenshots$')
fi
mkdir -p "$root/docs/images"
for shot in screenshots/main-zh screenshots/main-en screenshots/about \
            screenshots-install/install-path-product-zh screenshots-install/install-path-product-en \
            screenshots-install/install-path-illustrator-zh screenshots-install/install-path-illustrator-en \
            screenshots-install/busy-window; do
  name=$(basename "$shot")
  if [ ! -f "$e2e/$shot.png" ]; then
    echo "missing $e2e/$shot.png: run 'ctest --preset win64 -R _screenshots' or use --take" >&2
    exit 1
  fi
  cp "$e2e/$shot.png" "$root/docs/images/$name.png"
  echo "docs/images/$name.png"
done
