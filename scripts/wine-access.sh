#!/usr/bin/env bash
# Wine runs as the unprivileged user winetest; it must be able to reach the
# build tree. Grants traverse rights (only) on folders above it that lack them.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exit 0
dir=$(cd "${1:-.}" && pwd)
if runuser -u winetest -- test -r "$dir" -a -x "$dir"; then exit 0; fi
path=/
for part in $(echo "${dir#/}" | tr '/' ' '); do
  path="${path%/}/$part"
  runuser -u winetest -- test -x "$path" || chmod o+x "$path"
done
chmod o+rx "$dir"
