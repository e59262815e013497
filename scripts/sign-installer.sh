#!/usr/bin/env bash
# sign-installer.sh IN OUT
# Signs IN with a throwaway self-signed code-signing certificate (Authenticode,
# as vendors sign Setup.exe), writes OUT and checks that the signature verifies
# and that signing left the appended archive where it was.
set -euo pipefail
in=$(realpath "$1") out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=BeamDraft test signing" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
rm -f "$out"
osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -n "BeamDraft Setup" \
  -in "$in" -out "$out" >/dev/null
osslsigncode verify -CAfile "$work/cert.pem" -in "$out" >"$work/verify.log" 2>&1 ||
  { cat "$work/verify.log" >&2; echo "signature of $out does not verify" >&2; exit 1; }

# Signing touches only the PE headers before the archive and appends after it.
length=$(stat -c %s "$in")
if ! cmp -s <(tail -c +4097 "$in") <(head -c "$length" "$out" | tail -c +4097); then
  echo "signing moved or changed the archive of $in" >&2
  exit 1
fi
