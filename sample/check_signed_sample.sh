#!/usr/bin/env bash
# check_signed_sample.sh SETUPPACK SIGNED_SETUP PAYLOAD
# The signed sample still lists, verifies against its payload and extracts
# every file unchanged.
set -euo pipefail
packer=$1 signed=$2 payload=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
[ "$("$packer" list "$signed" | wc -l)" -eq 128 ] || { echo "the signed sample does not list 128 entries" >&2; exit 1; }
"$packer" verify "$signed" --payload "$payload"
"$packer" extract "$signed" --out "$out/files" >/dev/null
diff -r "$payload" "$out/files"
echo "signed sample: 128 entries verified and extracted unchanged"
