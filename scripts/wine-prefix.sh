#!/usr/bin/env bash
# wine-prefix.sh setup STATE_DIR [DPI] | cleanup STATE_DIR
# setup:   starts a private Xvfb, makes the Wine prefix once (reused later) and
#          sets its dialog-font substitutes, virtual desktop and DPI (96 unless given).
# cleanup: ends this prefix's wineserver and the Xvfb, nothing else.
set -euo pipefail
cmd=$1 state=$(realpath -m "$2")  # Wine needs an absolute prefix path
dpi=${3:-96}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-tools.sh"
run=$PPID  # the test run (ctest, or the main job) that set the prefix up
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
# Each run is recorded by process id and start time, so that a run killed
# before its cleanup no longer counts and cannot keep the prefix up forever.
run_id() { local started; started=$(ps -o lstart= -p "$1" 2>/dev/null) && echo "$1|$started"; }
update_users() { # add|remove; prints how many live runs use the prefix afterwards
  mkdir -p "$state"
  exec 9>"$state/users.lock"
  flock 9
  local me line pid live=()
  me=$(run_id "$run") || me="$run|gone"
  if [ -f "$state/users" ]; then
    while IFS= read -r line; do
      pid=${line%%|*}
      [ -n "$pid" ] && [ "$line" != "$me" ] && [ "$(run_id "$pid" || true)" = "$line" ] && live+=("$line")
    done <"$state/users"
  fi
  [ "$1" = add ] && live+=("$me")
  : >"$state/users"
  for line in ${live[@]+"${live[@]}"}; do echo "$line" >>"$state/users"; done
  exec 9>&-
  echo "${#live[@]}"
}

case $cmd in
setup)
  update_users add >/dev/null
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
  # Dialog-font substitutes, the virtual desktop and the DPI; applied again when they change.
  reg="$state/prefix-settings.reg"
  sed "s/^\"LogPixels\"=dword:.*/\"LogPixels\"=dword:$(printf %08x "$dpi")/" "$here/wine-prefix.reg" |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg.new"
  if ! cmp -s "$reg.new" "$reg"; then
    mv "$reg.new" "$reg"
    chmod a+r "$reg"
    wine_cmd regedit /S "Z:${reg//\//\\}"
    # The desktop reads its settings when it starts, and wineboot has started it:
    # let this prefix's Wine end so that the next program starts it anew.
    "${as_user[@]}" env WINEPREFIX="$state/prefix" "$(wineserver_program)" -w 8>&- 9>&-
  fi
  rm -f "$reg.new"
  echo "prefix ready on display :$(cat "$state/display")"
  ;;
cleanup)
  [ "$(update_users remove)" -eq 0 ] || exit 0
  "${as_user[@]}" env WINEPREFIX="$state/prefix" "$(wineserver_program)" -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; rm -f "$state/xvfb.pid"; fi
  ;;
*) echo "usage: $0 setup STATE_DIR [DPI] | cleanup STATE_DIR" >&2; exit 2 ;;
esac
