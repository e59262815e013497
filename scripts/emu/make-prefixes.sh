# Guest job of the image's first boot: the two Windows of the machine.
#   /root/win64  64-bit Windows: a 32-bit program runs there through WoW64
#   /root/win32  32-bit Windows (WINEARCH=win32, no WoW64)
set -eu
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
for arch in win64 win32; do
  export WINEPREFIX=/root/$arch WINEARCH=$arch
  rm -rf "$WINEPREFIX"
  start=$(cut -d' ' -f1 /proc/uptime)
  wineboot -i
  wineserver -w
  # No window manager here: without this, every captioned window waits 2 s for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  # The dialog-font substitutes of the host's test prefix, so that Chinese texts draw.
  wine regedit /S 'Z:\share\prefix-settings.reg'
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  echo "prefix $arch made in $(awk -v a="$start" -v b="$(cut -d' ' -f1 /proc/uptime)" 'BEGIN { printf "%.0f", b - a }') s"
done
echo "free on the machine's disk: $(df -m --output=avail / | tail -n 1) MiB"
