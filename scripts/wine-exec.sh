#!/usr/bin/env bash
# wine-exec.sh STATE_DIR PROGRAM [ARGS...]
# Runs PROGRAM under Wine with the prefix and display kept in STATE_DIR
# (made by wine-prefix.sh), as the unprivileged user when started as root.
set -euo pipefail
state=$(realpath -m "$1"); shift  # Wine needs an absolute prefix path
. "$(dirname "$0")/wine-tools.sh"
wine=$(wine_program)

vars=(WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$state/home")
[ -f "$state/display" ] && vars+=(DISPLAY=":$(head -n1 "$state/display")")

if [ "$(id -u)" -eq 0 ]; then
  exec runuser -u winetest -- env "${vars[@]}" "$wine" "$@"
fi
exec env "${vars[@]}" "$wine" "$@"
