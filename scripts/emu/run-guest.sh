#!/usr/bin/env bash
# run-guest.sh SHARE_DIR JOB_SCRIPT [--persist]
# Boots the emulated machine (qemu, software emulation), shares SHARE_DIR as
# /share, runs JOB_SCRIPT there as /share/job.sh, powers off. The image is
# used as a snapshot and stays clean, unless --persist.
# Exit code: the job's. A machine that does not boot within EMU_BOOT_TIMEOUT
# seconds, or a job that outlives EMU_JOB_TIMEOUT seconds, is stopped and
# fails the run with a message.
set -euo pipefail
. "$(dirname "$0")/common.sh"
share=$(realpath "$1") job=$2 persist=${3:-}
boot_timeout=${EMU_BOOT_TIMEOUT:-180} job_timeout=${EMU_JOB_TIMEOUT:-900}
for f in vmlinuz initrd.img rootfs.img; do
  [ -f "$EMU_IMAGE/$f" ] || { echo "no emulated machine in $EMU_IMAGE: run scripts/emu/build-image.sh" >&2; exit 2; }
done
cp "$job" "$share/job.sh"
rm -f "$share/job.rc" "$share/job.log"
console=$share/console.log
: >"$console"

snapshot=-snapshot
[ "$persist" = --persist ] && snapshot=
start=$(now)
qemu-system-x86_64 -accel tcg,thread=multi -cpu qemu64 -smp "${EMU_CPUS:-2}" -m "${EMU_MEMORY:-4G}" \
  -display none -monitor none -serial "file:$console" -no-reboot \
  -kernel "$EMU_IMAGE/vmlinuz" -initrd "$EMU_IMAGE/initrd.img" \
  -append "console=ttyS0 root=/dev/vda rw init=/sbin/emu-init quiet panic=-1 mitigations=off" \
  -drive "file=$EMU_IMAGE/rootfs.img,if=virtio,format=raw,cache=unsafe" \
  -virtfs "local,path=$share,mount_tag=share,security_model=none,id=share" \
  -device virtio-rng-pci -nic none $snapshot &
qemu=$!
trap 'kill $qemu 2>/dev/null || true' EXIT

booted="" failure=""
while kill -0 "$qemu" 2>/dev/null; do
  elapsed=$(seconds_since "$start"); elapsed=${elapsed%.*}
  if [ -z "$booted" ] && grep -q "EMU: ready" "$console"; then
    booted=$elapsed
    echo "emulated machine booted in $(seconds_since "$start") s"
  fi
  if [ -z "$booted" ] && [ "$elapsed" -gt "$boot_timeout" ]; then
    failure="the emulated machine did not boot within $boot_timeout s"; break
  fi
  if [ -n "$booted" ] && [ $((elapsed - booted)) -gt "$job_timeout" ]; then
    failure="the job in the emulated machine did not end within $job_timeout s"; break
  fi
  sleep 0.5
done
if [ -n "$failure" ]; then
  kill "$qemu" 2>/dev/null || true
  wait "$qemu" 2>/dev/null || true
  cat "$share/job.log" 2>/dev/null || true
  echo "--- end of the machine's console:"; tail -n 30 "$console"
  echo "$failure" >&2
  exit 1
fi
wait "$qemu" || true
trap - EXIT
echo "emulated machine ran $(seconds_since "$start") s in all"
cat "$share/job.log" 2>/dev/null || true
if [ ! -s "$share/job.rc" ]; then
  echo "--- end of the machine's console:"; tail -n 30 "$console"
  echo "the job in the emulated machine left no exit code" >&2
  exit 1
fi
exit "$(cat "$share/job.rc")"
