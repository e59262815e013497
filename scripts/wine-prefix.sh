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
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" 8>&- 9>&- \
    </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display" ] && return; sleep 0.1; done
  echo "Xvfb did not start" >&2; exit 1
}

# Lock descriptors stay with this script, not with Xvfb or a lasting wineserver.
wine_cmd() { "$here/wine-exec.sh" "$state" "$@" 8>&- 9>&-; }

# Several test runs may share one prefix: only the last one to finish ends it.
count_users() { # +1 or -1; prints the new count
  mkdir -p "$state"
  exec 9>"$state/users.lock"
  flock 9
  local n=0
  [ -f "$state/users" ] && n=$(cat "$state/users")
  n=$((n + $1)); [ "$n" -lt 0 ] && n=0
  echo "$n" >"$state/users"
  exec 9>&-
  echo "$n"
}

case $cmd in
setup)
  count_users 1 >/dev/null
  exec 8>"$state/setup.lock"
  flock 8  # one run makes the prefix; the others wait for it
  mkdir -p "$state/home" "$state/work"
  [ "$(id -u)" -eq 0 ] && chown winetest: "$state" "$state/home" "$state/work"
  start_xvfb
  if [ ! -f "$state/prefix/system.reg" ]; then
    rm -rf "$state/prefix" "$state/prefix-settings.reg"
    wine_cmd wineboot -i >/dev/null 2>&1
  fi
  # Wine draws the caption buttons with Marlett, which this build does not load by itself.
  fonts="$state/prefix/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    "${as_user[@]}" cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  # Dialog-font substitutes and the virtual desktop; applied again when they change.
  reg="$state/prefix-settings.reg"
  iconv -f UTF-8 -t UTF-16LE "$here/wine-prefix.reg" | { printf '\xff\xfe'; cat; } >"$reg.new"
  if ! cmp -s "$reg.new" "$reg"; then
    mv "$reg.new" "$reg"
    chmod a+r "$reg"
    wine_cmd regedit /S "Z:${reg//\//\\}"
  fi
  rm -f "$reg.new"
  echo "prefix ready on display :$(cat "$state/display")"
  ;;
cleanup)
  [ "$(count_users -1)" -eq 0 ] || exit 0
  "${as_user[@]}" env WINEPREFIX="$state/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; rm -f "$state/xvfb.pid"; fi
  ;;
*) echo "usage: $0 setup|cleanup STATE_DIR" >&2; exit 2 ;;
esac
