#!/usr/bin/env bash
# large_entry_test.sh WINE_RUN EXTRACT_CROWDED [SETUPPACK]
# A 64 MiB entry, extracted by a process whose address space holds no free
# block of that size (extract_crowded fills it, and checks that a buffer of
# the entry's size cannot be had): the copy must still succeed, byte for byte.
# The archive is packed by SETUPPACK, by default the native packer of the
# build that WINE_RUN belongs to (cmake/NativePacker.cmake).
set -euo pipefail
export LC_ALL=C
wine_run=$1 exe=$2
packer=${3:-$(dirname "$wine_run")/native-packer/tools/setuppack/setuppack}
work=$(mktemp -d /tmp/extract_large.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 777 "$work"
mkdir -m 777 "$work/root"
mkdir "$work/payload"

# One entry of random bytes that ends in a part of a copy buffer piece, packed
# behind an empty stub.
size=$((64 * 1024 * 1024 + 7))
head -c "$size" /dev/urandom >"$work/payload/big.bin"
: >"$work/stub"
"$packer" build --stub "$work/stub" --payload "$work/payload" --out "$work/archive.bin" >/dev/null
chmod 644 "$work/archive.bin"

# Wine reserves its low address space before the cap applies, so the cap
# bounds only what lies beyond; extract_crowded fills the rest.
status=0
(ulimit -v 2500000; "$wine_run" "$exe" "Z:${work//\//\\}\\root\\" "Z:${work//\//\\}\\archive.bin" "$size") || status=$?
if [ "$status" -ne 0 ]; then
  echo "expected exit code 0 (extracted), got $status" >&2
  exit 1
fi
if ! cmp "$work/payload/big.bin" "$work/root/big.bin"; then
  echo "the extracted file differs from the entry" >&2
  exit 1
fi
echo "a $size-byte entry was extracted exactly with no free block of its size"
