#!/usr/bin/env bash
# alloc_failure_test.sh WINE_RUN EXTRACT_SELF
# An entry of almost 4 GB, extracted by a process whose address space is capped
# well below that: the buffer cannot be had, so the extraction must return
# false (exit code 1) instead of crashing, and must not have touched the target.
set -euo pipefail
export LC_ALL=C
wine_run=$1 exe=$2
work=$(mktemp -d /tmp/extract_alloc.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 777 "$work"
mkdir -m 777 "$work/root"

u32() {
  local v=$1
  printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $((v >> 8 & 255)))"
  printf "\\x$(printf %02x $((v >> 16 & 255)))\\x$(printf %02x $((v >> 24 & 255)))"
}

# One entry: header, then a sparse hole as its data, then the table.
size=3900000000
end=$((400 + size))
{ printf '%s' 'big.bin'; head -c 393 /dev/zero; } >"$work/archive.bin"
truncate -s "$end" "$work/archive.bin"
{ u32 0; u32 "$end"; u32 2; } >>"$work/archive.bin"
chmod 644 "$work/archive.bin"

# Wine itself starts in 2 GB of address space; 2.5 GB leave no room for the entry.
status=0
(ulimit -v 2500000; "$wine_run" "$exe" product "Z:${work//\//\\}\\root\\" "Z:${work//\//\\}\\archive.bin") || status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit code 1 (extraction false), got $status" >&2
  exit 1
fi
if [ -e "$work/root/big.bin" ]; then
  echo "the target was created although its entry could not be copied" >&2
  exit 1
fi
echo "extraction returned false without crashing; target untouched"
