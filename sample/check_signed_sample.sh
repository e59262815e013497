#!/usr/bin/env bash
# check_signed_sample.sh SETUPPACK SIGNED_SETUP PAYLOAD
# The signed sample still lists, verifies against its payload and its checksum, and extracts
# every file unchanged.
set -euo pipefail
packer=$1 signed=$2 payload=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
[ "$("$packer" list "$signed" | wc -l)" -eq 128 ] || { echo "the signed sample does not list 128 entries" >&2; exit 1; }
# The stub reserves the integrity block, and the signature leaves its checksum matching.
"$packer" verify "$signed" --payload "$payload" | grep "checksum CRC-32 .* matches"
"$packer" extract "$signed" --out "$out/files" >/dev/null
diff -r "$payload" "$out/files"
echo "signed sample: 128 entries verified and extracted unchanged"
