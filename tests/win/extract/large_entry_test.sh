#!/usr/bin/env bash
# large_entry_test.sh WINE_RUN EXTRACT_CROWDED
# A 64 MiB entry, extracted by a process whose address space holds no free
# block of that size (extract_crowded fills it, and checks that a buffer of
# the entry's size cannot be had): the copy must still succeed, byte for byte.
set -euo pipefail
export LC_ALL=C
wine_run=$1 exe=$2
work=$(mktemp -d /tmp/extract_large.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 777 "$work"
mkdir -m 777 "$work/root"

u32() {
  local v=$1
  printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"
  printf "\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))"
}

# One entry of random bytes that ends in a part of a copy buffer piece.
size=$((64 * 1024 * 1024 + 7))
head -c "$size" /dev/urandom >"$work/data"
{ printf '%s' 'big.bin'; head -c 393 /dev/zero; cat "$work/data"; u32 0; u32 $((400 + size)); u32 2; } >"$work/archive.bin"
chmod 644 "$work/archive.bin"

# Wine reserves its low address space before the cap applies, so the cap
# bounds only what lies beyond; extract_crowded fills the rest.
status=0
(ulimit -v 2500000; "$wine_run" "$exe" "Z:${work//\//\\}\\root\\" "Z:${work//\//\\}\\archive.bin" "$size") || status=$?
if [ "$status" -ne 0 ]; then
  echo "expected exit code 0 (extracted), got $status" >&2
  exit 1
fi
if ! cmp "$work/data" "$work/root/big.bin"; then
  echo "the extracted file differs from the entry" >&2
  exit 1
fi
echo "a $size-byte entry was extracted exactly with no free block of its size"
