#!/usr/bin/env bash
# Wine runs as the unprivileged user winetest; it must be able to reach the
# build tree. Where a folder above the checkout denies it, this CHANGES THAT
# FOLDER'S PERMISSIONS: it adds traverse rights for others (o+x, never read or
# write) and says so on stderr. Clone below a world-traversable folder (/tmp,
# /srv, /home/<you> with o+x) and nothing outside the checkout is changed.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exit 0
dir=$(cd "${1:-.}" && pwd)
if runuser -u winetest -- test -r "$dir" -a -x "$dir"; then exit 0; fi
path=/
for part in $(echo "${dir#/}" | tr '/' ' '); do
  path="${path%/}/$part"
  if ! runuser -u winetest -- test -x "$path"; then
    echo "wine-access: adding o+x to $path so that the Wine user can reach the build tree" >&2
    chmod o+x "$path"
  fi
done
echo "wine-access: adding o+rx to $dir" >&2
chmod o+rx "$dir"
