# Settings of the emulated test machine, sourced by its scripts.
# The machine lives in build/emu: image/ (kernel, initrd, disk) and runs/.
emu_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
emu_root=$(cd "$emu_here/../.." && pwd)
EMU_DIR=${EMU_DIR:-$emu_root/build/emu}
EMU_IMAGE=$EMU_DIR/image
now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }
# What the image is made from: a change to any of these rebuilds it.
recipe_hash() {
  cat "$emu_here/guest-packages.txt" "$emu_here/build-image.sh" "$emu_here/guest-init" \
      "$emu_here/make-prefixes.sh" "$emu_root/scripts/wine-prefix.reg" | sha256sum | cut -d' ' -f1
}
