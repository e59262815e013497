#!/usr/bin/env bash
# make_signed_installer.sh EXE OUT_DIR
# Appends a small payload archive to a copy of EXE so that the file length is a
# multiple of 8 (signing then adds no padding), signs it with a throwaway
# self-signed certificate and checks the signature. Leaves in OUT_DIR:
#   Setup_unsigned.exe, Setup_signed.exe, files/ (what the archive holds).
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
exe=$1 out=$2
rm -rf "$out"
mkdir -p "$out/files"
cd "$out"

u32() {
  local v=$1
  printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"
  printf "\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))"
}

names=('VRXDriver\usb.inf' 'VRXDriver\amd64\libusbK.dll' 'VRXPrograms\BeamDraft.exe' 'readme.txt')
sizes=(1000 3000 600000 100)

# Grow the last entry until the whole file is a multiple of 8 long.
exe_length=$(stat -c %s "$exe")
total=$((exe_length + 4 * (${#names[@]} + 1) + 4))
for size in "${sizes[@]}"; do total=$((total + 400 + size)); done
last=$((${#sizes[@]} - 1))
sizes[$last]=$((sizes[last] + (8 - total % 8) % 8))

cp "$exe" Setup_unsigned.exe
offsets=()
position=$exe_length
for i in "${!names[@]}"; do
  name=${names[$i]} size=${sizes[$i]}
  file="files/${name//\\//}"
  mkdir -p "$(dirname "$file")"
  head -c "$size" /dev/urandom >"$file"
  offsets+=("$position")
  { printf '%s' "$name"; head -c $((400 - ${#name})) /dev/zero; cat "$file"; } >>Setup_unsigned.exe
  position=$((position + 400 + size))
done
offsets+=("$position")
{ for offset in "${offsets[@]}"; do u32 "$offset"; done; u32 "${#offsets[@]}"; } >>Setup_unsigned.exe

unsigned_length=$(stat -c %s Setup_unsigned.exe)
[ $((unsigned_length % 8)) -eq 0 ] || { echo "installer length $unsigned_length is not a multiple of 8" >&2; exit 1; }

"$here/../../../scripts/sign-installer.sh" Setup_unsigned.exe Setup_signed.exe
