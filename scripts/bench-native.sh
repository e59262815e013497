#!/usr/bin/env bash
# Benchmarks the native packer on a payload of the shipped size: 128 entries,
# about 118 MiB, the largest about 20 MiB, random data in the shipped folders.
# In one run, on one disk (build/bench): `setuppack extract` against `cp -r` of
# the same files, its peak memory, `setuppack build` against `cat` of its
# inputs, and `setuppack verify` against reading the installer once, in
# alternating pairs that each write into a fresh folder or file.
# Prints a markdown table.
# Usage: scripts/bench-native.sh [ROUNDS]   (default 9; medians are reported)
#        SETUPPACK=PATH measures that packer instead of build/native's (an earlier
#        build, for a before-and-after comparison in one sitting).
set -euo pipefail

rounds=${1:-9}
root=$(cd "$(dirname "$0")/.." && pwd)
bench=$root/build/bench
packer=${SETUPPACK:-$root/build/native/tools/setuppack/setuppack}

if [ -z "${SETUPPACK:-}" ]; then
  [ -f "$root/build/native/build.ninja" ] || cmake --preset native >/dev/null
  cmake --build --preset native --target setuppack >/dev/null
fi
[ -x /usr/bin/time ] || { echo "bench-native.sh: needs /usr/bin/time (Debian package 'time')" >&2; exit 1; }

# --- the payload ------------------------------------------------------------
# folder, entry count, size of each entry in KiB
layout=(
  "LXDriver 14 180"
  "VRXDriver 10 150"
  "VRXDriver/amd64 3 1000"
  "VRXDriver/x86 3 800"
  "VrxAi 13 1400"
  "VRXCad 5 1000"
  "VRXCorel 11 1200"
  "VRXFonts 6 1800"
  "VRXPrograms 59 400"
)
# The product's large files, in VRXPrograms beside the 59 above: 63 entries there.
large_kib=(20480 8192 6144 4096)

payload=$bench/payload
make_payload() {
  rm -rf "$bench" && mkdir -p "$payload"
  local line folder count kib i
  for line in "${layout[@]}"; do
    read -r folder count kib <<<"$line"
    mkdir -p "$payload/$folder"
    for ((i = 0; i < count; i++)); do
      head -c $((kib * 1024 + i * 1031)) /dev/urandom >"$payload/$folder/file$(printf %02d "$i").bin"
    done
  done
  for i in "${!large_kib[@]}"; do
    head -c $((large_kib[i] * 1024)) /dev/urandom >"$payload/VRXPrograms/large$i.bin"
  done
  # A stub that reserves an empty integrity block, as Setup.exe does (the
  # marker of src/payload/integrity_block.cpp, then 16 zero bytes), so that
  # build sums the archive; the report says whether it did.
  { head -c 150000 /dev/urandom; printf 'BeamDraftSetup\303\176'; head -c 16 /dev/zero; head -c 150000 /dev/urandom; } \
    >"$bench/Setup.exe"
}

# --- timing -----------------------------------------------------------------
now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# seconds COMMAND...: runs it once, after writing back what earlier runs left
# in the page cache; seconds_synced also counts writing its own data to disk.
seconds() { sync; local t0; t0=$(now); "$@"; awk -v t1="$(now)" -v t0="$t0" 'BEGIN { print t1 - t0 }'; }
seconds_synced() { sync; local t0; t0=$(now); "$@"; sync; awk -v t1="$(now)" -v t0="$t0" 'BEGIN { print t1 - t0 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

make_payload
files=$(find "$payload" -type f | wc -l)
payload_bytes=$(find "$payload" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
largest=$(find "$payload" -type f -printf '%s\n' | sort -n | tail -1)
"$packer" build --stub "$bench/Setup.exe" --payload "$payload" --out "$bench/installer.exe" 2>/dev/null

# Alternating pairs: each round times both sides once, the side that goes first
# alternating, each writing into a folder (or file) that did not exist before;
# the outputs are removed, and written back, between rounds.
extract_runs=() copy_runs=() build_runs=() cat_runs=() extract_synced_runs=() copy_synced_runs=()
verify_runs=() read_runs=()
inputs=()
while IFS= read -r -d '' f; do inputs+=("$f"); done < <(find "$payload" -type f -print0 | sort -z)
runs=$bench/runs
time_copy() { copy_runs+=("$(seconds cp -r "$payload" "$runs/copy-$1")"); }
time_extract() { extract_runs+=("$(seconds "$packer" extract "$bench/installer.exe" --out "$runs/extracted-$1" 2>/dev/null)"); }
time_copy_synced() { copy_synced_runs+=("$(seconds_synced cp -r "$payload" "$runs/copy-synced-$1")"); }
time_extract_synced() {
  extract_synced_runs+=("$(seconds_synced "$packer" extract "$bench/installer.exe" --out "$runs/extracted-synced-$1" 2>/dev/null)")
}
time_cat() { cat_runs+=("$(seconds sh -c 'cat "$@" > "$0"' "$runs/cat-$1.out" "$bench/Setup.exe" "${inputs[@]}")"); }
time_build() { build_runs+=("$(seconds "$packer" build --stub "$bench/Setup.exe" --payload "$payload" --out "$runs/built-$1.exe" 2>/dev/null)"); }
# verify reads the whole archive for its checksum: against reading the file once.
time_verify() { verify_runs+=("$(seconds sh -c '"$0" verify "$1" >/dev/null' "$packer" "$bench/installer.exe")"); }
time_read() { read_runs+=("$(seconds sh -c 'cat "$0" >/dev/null' "$bench/installer.exe")"); }
pair() {  # pair ROUND FIRST SECOND
  if (($1 % 2 == 0)); then "$2" "$1"; "$3" "$1"; else "$3" "$1"; "$2" "$1"; fi
}
for ((r = 0; r < rounds; r++)); do
  rm -rf "$runs" && mkdir -p "$runs" && sync
  pair "$r" time_copy time_extract
  pair "$r" time_copy_synced time_extract_synced
  pair "$r" time_cat time_build
  pair "$r" time_read time_verify
  [ "$r" -lt $((rounds - 1)) ] || { mv "$runs/built-$r.exe" "$bench/built.exe"; mv "$runs/extracted-$r" "$bench/extracted"; }
done
rm -rf "$runs"
cmp -s "$bench/built.exe" "$bench/installer.exe" || { echo "bench-native.sh: build is not deterministic" >&2; exit 1; }
diff -r "$payload" "$bench/extracted" >/dev/null || { echo "bench-native.sh: extraction differs" >&2; exit 1; }
# What the built installer carries: a matching checksum from a packer that fills the block in.
integrity=$("$packer" verify "$bench/built.exe" | sed -n 's/.* data bytes, \(.*\), all good$/\1/p')

rm -rf "$bench/extracted"
peak_kib=$(/usr/bin/time -v "$packer" extract "$bench/installer.exe" --out "$bench/extracted" 2>&1 >/dev/null |
  awk -F': ' '/Maximum resident set size/ { print $2 }')
rm -rf "$bench/extracted"
baseline_kib=$(/usr/bin/time -v "$packer" --help 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }')

copy=$(printf '%s\n' "${copy_runs[@]}" | median)
extract=$(printf '%s\n' "${extract_runs[@]}" | median)
copy_synced=$(printf '%s\n' "${copy_synced_runs[@]}" | median)
extract_synced=$(printf '%s\n' "${extract_synced_runs[@]}" | median)
catted=$(printf '%s\n' "${cat_runs[@]}" | median)
built=$(printf '%s\n' "${build_runs[@]}" | median)
verified=$(printf '%s\n' "${verify_runs[@]}" | median)
read_once=$(printf '%s\n' "${read_runs[@]}" | median)
budget_kib=$(((largest + 512000) / 1024 + baseline_kib))

echo "Payload: $files files, $((payload_bytes / 1024 / 1024)) MiB, largest $((largest / 1024)) KiB;" \
     "medians of $rounds alternating pairs, each side into a fresh folder; $(uname -m), $(nproc) cores, $(df -T "$bench" | awk 'NR == 2 { print $2 }')."
echo "Built installer: ${integrity:-no summary from verify}."
echo
echo "| Measurement | setuppack | baseline | ratio |"
echo "|---|---|---|---|"
printf '| extract vs `cp -r` (s) | %.3f | %.3f | %s |\n' "$extract" "$copy" "$(ratio "$extract" "$copy")"
printf '| extract vs `cp -r`, each followed by `sync` (s) | %.3f | %.3f | %s |\n' "$extract_synced" "$copy_synced" \
  "$(ratio "$extract_synced" "$copy_synced")"
printf '| build vs `cat` of stub and files (s) | %.3f | %.3f | %s |\n' "$built" "$catted" "$(ratio "$built" "$catted")"
printf '| verify (walk and checksum) vs `cat` of the installer to /dev/null (s) | %.3f | %.3f | %s |\n' "$verified" \
  "$read_once" "$(ratio "$verified" "$read_once")"
printf '| extract peak RSS vs largest entry + 512000 B + start-up RSS (KiB) | %d | %d | %s |\n' \
  "$peak_kib" "$budget_kib" "$(ratio "$peak_kib" "$budget_kib")"
