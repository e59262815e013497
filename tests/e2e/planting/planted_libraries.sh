#!/usr/bin/env bash
# planted_libraries.sh WINE DIST BIN WORK
# A downloads folder with system library names planted beside Setup.exe: a
# control program in that folder loads each planted name (so each name used is
# one the plain search order would take from there); Setup.exe then goes
# through its main window, the path dialog, Browse and a product installation
# and must load none of them.
#   WINE  the command that runs a Windows program (build/win64/wine-run.sh, or wine)
#   DIST  the sample distribution; BIN the folder of guidriver.exe,
#   planted_library.dll and planting_control.exe; WORK a scratch folder
set -euo pipefail
wine=$1 dist=$2 bin=$3 work=$4
winpath() { printf 'Z:%s' "$(realpath -m "$1" | tr '/' '\\')"; }
names=(dwmapi uxtheme version cryptbase cryptsp userenv profapi winmm wininet iertutil propsys ntmarta
  secur32 sspicli shfolder apphelp dbghelp msimg32 riched20 msftedit oleacc mpr netapi32 wtsapi32
  winsta rsaenh bcrypt ncrypt iphlpapi winhttp urlmon clbcatq setupapi cfgmgr32 powrprof wldp
  windowscodecs linkinfo ntshrui textshaping)

rm -rf "$work"
mkdir -p "$work/install"
cp -r "$dist" "$work/downloads"
cp "$bin/planting_control.exe" "$work/downloads/"
for name in "${names[@]}"; do cp "$bin/planted_library.dll" "$work/downloads/$name.dll"; done
if [ "$(id -u)" -eq 0 ] && id -u winetest >/dev/null 2>&1; then chown -R winetest: "$work"; fi  # the Wine user writes there
loaded() { (cd "$work/downloads" && shopt -s nullglob && for m in *.dll.loaded; do echo "${m%.dll.loaded}"; done | xargs); }

"$wine" "$(winpath "$work/downloads/planting_control.exe")" "${names[@]/%/.dll}" >/dev/null 2>&1
plantable=$(loaded)
count=$(wc -w <<<"$plantable")
echo "the control program loaded $count of ${#names[@]} planted names: $plantable"
# Fewer would say the planting itself stopped working, not that Setup.exe is safe.
if [ "$count" -lt 10 ] || ! grep -qw dwmapi <<<"$plantable"; then
  echo "FAIL the planting does not work here: the control loaded too few names" >&2; exit 1
fi
rm -f "$work"/downloads/*.loaded

answers=$("$wine" "$(winpath "$bin/guidriver.exe")" \
  "start $(winpath "$work/downloads/Setup.exe")" "wait-window 欢迎使用 120" \
  "click IDC_INSTALL" "wait-window 选择安装目录 60" \
  "click IDC_BROWSE" "wait-window \"Browse for Folder\" 30" "key esc" "wait-closed 30" "wait-window 选择安装目录 30" \
  "type IDC_INSTALL_PATH $(winpath "$work/install")" "click IDOK" "wait-message-box 300" "message-text" \
  "press-ok" "wait-closed 30" "wait-window 欢迎使用 30" "key esc" "wait-exit 60" 2>"$work/guidriver.err" | tr -d "\r") || true
echo "$answers" | sed 's/^/  /'
message=$(sed -n '13p' <<<"$answers")
[ "$message" = "ok 安装成功!" ] || { echo "FAIL the product installation did not succeed: $message" >&2; exit 1; }
taken=$(loaded)
if [ -n "$taken" ]; then echo "FAIL Setup.exe loaded planted libraries: $taken" >&2; exit 1; fi
echo "ok   Setup.exe loaded none of the $count planted libraries"
