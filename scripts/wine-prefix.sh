#!/usr/bin/env bash
# wine-prefix.sh setup|cleanup STATE_DIR
# setup:   starts a private Xvfb, makes the Wine prefix once (reused later) and
#          sets its dialog-font substitutes and virtual desktop.
# cleanup: ends this prefix's wineserver and the Xvfb, nothing else.
set -euo pipefail
cmd=$1 state=$2
here=$(cd "$(dirname "$0")" && pwd)
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(runuser -u winetest --)

start_xvfb() {
  if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then return; fi
  rm -f "$state/display"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" \
    </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display" ] && return; sleep 0.1; done
  echo "Xvfb did not start" >&2; exit 1
}

wine_cmd() { "$here/wine-exec.sh" "$state" "$@"; }

case $cmd in
setup)
  mkdir -p "$state/home" "$state/work"
  [ "$(id -u)" -eq 0 ] && chown winetest: "$state" "$state/home" "$state/work"
  start_xvfb
  if [ ! -f "$state/prefix/system.reg" ]; then
    rm -rf "$state/prefix"
    wine_cmd wineboot -i >/dev/null 2>&1
    reg="$state/prefix-settings.reg"
    iconv -f UTF-8 -t UTF-16LE "$here/wine-prefix.reg" | { printf '\xff\xfe'; cat; } >"$reg"
    chmod a+r "$reg"
    wine_cmd regedit /S "$reg"
    "${as_user[@]}" env WINEPREFIX="$state/prefix" /usr/lib/wine/wineserver -w
  fi
  echo "prefix ready on display :$(cat "$state/display")"
  ;;
cleanup)
  "${as_user[@]}" env WINEPREFIX="$state/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; rm -f "$state/xvfb.pid"; fi
  ;;
*) echo "usage: $0 setup|cleanup STATE_DIR" >&2; exit 2 ;;
esac
