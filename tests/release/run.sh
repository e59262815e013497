#!/usr/bin/env bash
# run.sh [ARCH...]: the release suite. Boots the emulated machine once for each
# Windows in it (win64, win32 by default) and runs tests/release/guest-suite.sh
# there on the win32 preset's build: the release sample distribution and the
# i686 test tools. Needs the image (scripts/emu/build-image.sh) and
# `cmake --build --preset win32 --target sample_dist release_tools`.
# RELEASE_CASES="driver ..." runs only the cases named.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/emu/common.sh"
build=$root/build/win32
archs=("${@:-win64}")
[ $# -gt 0 ] || archs=(win64 win32)
for needed in sample/dist/Setup.exe sample/payload tests/release/guidriver.exe tests/release/release_probe.exe; do
  [ -e "$build/$needed" ] || { echo "missing $build/$needed: build the win32 preset's sample_dist and release_tools" >&2; exit 2; }
done

status=0
for arch in "${archs[@]}"; do
  start=$(now)
  share=$EMU_DIR/runs/release-$arch
  rm -rf "$share"
  mkdir -p "$share/bin"
  cp -r "$build/sample/dist" "$share/dist"
  cp -r "$build/sample/payload" "$share/payload"
  cp "$build"/tests/release/*.exe "$build"/tests/release/planted_library.dll "$share/bin/"
  cp "$here/guest-suite.sh" "$root/tests/e2e/planting/planted_libraries.sh" "$share/"
  printf 'RELEASE_TRACE=%s exec bash /share/guest-suite.sh %s %s\n' "${RELEASE_TRACE:-}" "$arch" "${RELEASE_CASES:-}" >"$share/job"
  printf '\n== release suite in %s\n' "$arch"
  rc=0
  "$root/scripts/emu/run-guest.sh" "$share" "$share/job" || rc=$?
  if [ "$rc" -eq 101 ]; then
    # A program in the guest hung (101: failures after a hang). The guest's
    # first GUI program has been seen to hang at random with the machine idle:
    # one more boot tells that apart from a hang of Setup.exe, which comes back,
    # and the run says so. Any other failure fails at once.
    echo "== $arch: failed after a hang, $(seconds_since "$start") s; booting once more"
    rm -f "$share/hung"
    rc=0
    "$root/scripts/emu/run-guest.sh" "$share" "$share/job" || rc=$?
  fi
  echo "== $arch: $(seconds_since "$start") s, exit code $rc"
  [ "$rc" -eq 0 ] || status=1
done
exit "$status"
