#!/usr/bin/env bash
# make_sample.sh RECORDER PAYLOAD_LIST SUPPLIED_DIR PAYLOAD_OUT DIST_OUT
# Builds the sample payload tree (one file per line of PAYLOAD_LIST) in
# PAYLOAD_OUT, and puts SetupCfg.ini and the supplied folders into DIST_OUT.
# Deterministic: the same inputs give byte-identical files.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 RECORDER PAYLOAD_LIST SUPPLIED_DIR PAYLOAD_OUT DIST_OUT" >&2; exit 2; }
recorder=$1 list=$2 supplied=$3 payload=$4 dist=$5

# Text files travel with Windows line ends.
to_crlf() { sed 's/\r$//; s/$/\r/' "$1"; }
is_text() { case "$1" in *.ini|*.txt|*.lng|*.inf|*.lsp|*.cfg|*.pat|*.lin) return 0 ;; *) return 1 ;; esac; }

# Every byte value over and over, cut to size for the binary placeholders.
largest=$(awk '$1 == "binary" && $2 > max { max = $2 } END { print max + 0 }' "$list")
filler=$(mktemp)
trap 'rm -f "$filler"' EXIT
escapes=''
for ((i = 0; i < 256; i++)); do printf -v octal '\\%03o' "$i"; escapes+=$octal; done
printf "$escapes" >"$filler"
while [ "$(stat -c %s "$filler")" -lt "$largest" ]; do
  cat "$filler" "$filler" >"$filler.twice"
  mv "$filler.twice" "$filler"
done

write_text() {  # name path
  printf '; %s\r\n; Placeholder of the BeamDraft sample distribution, not a working file.\r\nName=%s\r\n' \
    "$1" "${1##*\\}" >"$2"
}

write_binary() {  # name path size
  local header="BeamDraft sample $1"$'\n'
  printf '%s' "$header" >"$2"
  head -c $(($3 - ${#header})) "$filler" >>"$2"
}

export LC_ALL=C
rm -rf "$payload"
mkdir -p "$payload"
count=0
while read -r kind size name; do
  case $kind in ''|'#'*) continue ;; esac
  path="$payload/${name//\\//}"
  [ -d "${path%/*}" ] || mkdir -p "${path%/*}"
  case $kind in
    program) cp "$recorder" "$path" ;;
    text) write_text "$name" "$path" ;;
    binary) write_binary "$name" "$path" "$size" ;;
    *) echo "$list: unknown kind '$kind' for $name" >&2; exit 1 ;;
  esac
  count=$((count + 1))
done <"$list"
[ "$count" -eq 128 ] || { echo "$list: $count entries, the shipped payload has 128" >&2; exit 1; }

mkdir -p "$dist"
rm -rf "$dist/SetupCfg.ini" "$dist"/VRXCfg "$dist"/VRXDoc "$dist"/VRXLanguage "$dist"/VRXRes
(cd "$supplied" && find . -type f | LC_ALL=C sort) | while read -r file; do
  [ -d "$dist/${file%/*}" ] || mkdir -p "$dist/${file%/*}"
  if is_text "$file"; then to_crlf "$supplied/$file" >"$dist/$file"; else cp "$supplied/$file" "$dist/$file"; fi
done
