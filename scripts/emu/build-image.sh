#!/usr/bin/env bash
# build-image.sh: makes the emulated test machine in build/emu/image from
# Debian packages: a Debian 12 amd64 system with i386 multiarch and Wine, and
# in it a 64-bit and a 32-bit Wine prefix. Does nothing when the image exists
# and its recipe (this folder's files and the prefix settings) is unchanged.
set -euo pipefail
. "$(dirname "$0")/common.sh"
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"  # the system is installed with chroot
hash=$(recipe_hash)
if [ "$(cat "$EMU_IMAGE/recipe.sha256" 2>/dev/null)" = "$hash" ] && [ -f "$EMU_IMAGE/rootfs.img" ]; then
  echo "emulated machine up to date ($EMU_IMAGE)"
  exit 0
fi
start=$(now)
work=$EMU_DIR/work
rootfs=$work/rootfs
# A killed build can leave the system's /proc, /sys and /dev/pts mounted in
# the tree: unmount them before anything below it is removed.
unmount_work() { findmnt -rn -o TARGET | { grep "^$work/" || true; } | sort -r | xargs -r -n 1 umount -l; }
trap unmount_work EXIT
unmount_work
rm -rf "$EMU_IMAGE" "$work"
mkdir -p "$EMU_IMAGE" "$work"

# The guest has no network: it gets the host's Debian mirror at build time only.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null |
  awk '/^URIs:/ { print $2 } $1 == "deb" { print $2 }' | grep -E '/debian/?$' | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
packages=$(grep -v '^#' "$emu_here/guest-packages.txt" | xargs | tr ' ' ,)
# The security suite stays out: its i386 index has been seen half-synced with amd64.
mmdebstrap --quiet --mode=root --variant=minbase --architectures=amd64,i386 \
  --aptopt='Apt::Install-Recommends "false"' --dpkgopt='force-confold' \
  --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-exclude=/usr/share/man/*' \
  --dpkgopt='path-exclude=/usr/share/locale/*' --dpkgopt='path-include=/usr/share/locale/locale.alias' \
  --setup-hook='mkdir -p "$1/etc/initramfs-tools/conf.d"; printf "MODULES=list\nCOMPRESS=zstd\n" >"$1/etc/initramfs-tools/conf.d/emu.conf"' \
  --setup-hook='printf "virtio_pci\nvirtio_blk\next4\ncrc32c_generic\n9pnet_virtio\n9p\n" >"$1/etc/initramfs-tools/modules"' \
  --include="$packages" \
  --customize-hook="install -m 755 '$emu_here/guest-init' \"\$1/sbin/emu-init\"" \
  --customize-hook='echo emu >"$1/etc/hostname"' \
  --customize-hook='rm -rf "$1"/var/cache/apt/archives/*.deb "$1"/var/lib/apt/lists/*' \
  bookworm "$rootfs" "deb $mirror bookworm main" "deb $mirror bookworm-updates main"
cp -L "$rootfs"/boot/vmlinuz-* "$EMU_IMAGE/vmlinuz"
cp -L "$rootfs"/boot/initrd.img-* "$EMU_IMAGE/initrd.img"
chroot "$rootfs" dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' >"$EMU_IMAGE/packages.txt"
echo "system: $(seconds_since "$start") s ($(wc -l <"$EMU_IMAGE/packages.txt") packages)"

# Room for both prefixes and the test runs; the image file is sparse.
mb=$(du -sm "$rootfs" | cut -f1)
mkfs.ext4 -q -F -m 0 -L emuroot -d "$rootfs" "$EMU_IMAGE/rootfs.img" "$((mb + 8192))M"
unmount_work
rm -rf "$work"
echo "disk: $(seconds_since "$start") s"

share=$EMU_DIR/prefix-share
rm -rf "$share"; mkdir -p "$share"
iconv -f UTF-8 -t UTF-16LE "$emu_root/scripts/wine-prefix.reg" | { printf '\xff\xfe'; cat; } >"$share/prefix-settings.reg"
EMU_JOB_TIMEOUT=900 "$emu_here/run-guest.sh" "$share" "$emu_here/make-prefixes.sh" --persist
rm -rf "$share"
echo "$hash" >"$EMU_IMAGE/recipe.sha256"
echo "emulated machine built in $(seconds_since "$start") s ($(du -sh "$EMU_IMAGE/rootfs.img" | cut -f1) on disk)"
