#!/bin/bash
# guest-suite.sh ARCH [CASE...]: the release suite in one Windows of the emulated machine
# (ARCH win64: a 32-bit program under WoW64; win32: 32-bit Windows). Runs in
# the guest with the share at /share: dist/ (the release sample distribution),
# payload/ (what it was packed from), bin/ (the i686 test tools). Prints one
# line per check; the exit code is the number of failed checks (at most 100).
set -u
[ -n "${RELEASE_TRACE:-}" ] && set -x
arch=$1
shift
cases=$*  # main_window product plugins driver planted_libraries, by default all
export WINEPREFIX=/root/$arch WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
drive_c=$WINEPREFIX/drive_c
windows=$drive_c/windows
payload=/share/payload
failures=0
up() { cut -d' ' -f1 /proc/uptime; }
suite_start=$(up)

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok   $arch: $1"
  else
    echo "FAIL $arch: $1"; echo "       expected: $2"; echo "       actual:   $3"; failures=$((failures + 1))
  fi
}
same_file() {  # same_file NAME EXPECTED_FILE ACTUAL_FILE
  if cmp -s "$2" "$3"; then check "$1" same same; else check "$1" "the bytes of ${2#/share/}" "$( [ -e "$3" ] && echo other bytes || echo missing)"; fi
}
absent() { check "$1" absent "$( [ -e "$2" ] && echo present || echo absent)"; }
stage() { echo "-- $arch: $1 ($(awk -v a="$suite_start" -v b="$(up)" 'BEGIN { printf "%.0f", b - a }') s)"; }

# The GUI driver's answers, one per command, without carriage returns.
# Bounded, so that one hung program fails its checks and not the whole job;
# what hung is listed in /share/hung.
drive() {
  timeout 120 wine 'Z:\share\bin\guidriver.exe' "$@" 2>&1 | tr -d '\r'
  [ "${PIPESTATUS[0]}" -ne 124 ] || echo "guidriver $1" >>/share/hung
}
probe() { wine 'Z:\share\bin\release_probe.exe' "$@" 2>&1 | tr -d '\r'; }
answer() { sed -n "$1p" <<<"$2"; }

# A fresh copy of the distribution in C:\release\NAME, with its SetupCfg.ini's language.
distribution() {  # distribution NAME LANGUAGE_CODE -> prints the Windows path of its Setup.exe
  rm -rf "$drive_c/release/$1"; mkdir -p "$drive_c/release"
  timeout 120 cp -r /share/dist "$drive_c/release/$1"
  sed -i "s/^Language=.*/Language=$2\r/" "$drive_c/release/$1/SetupCfg.ini"
  echo "C:\\release\\$1\\Setup.exe"
}

Xvfb :99 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
export DISPLAY=:99
for _ in $(seq 100); do [ -S /tmp/.X11-unix/X99 ] && break; sleep 0.1; done
# One Wine program lives through the whole job: when the last one ends, Wine's
# services restart, which costs seconds at every next start.
# The first program starts Wine's server and services alone: two programs
# starting a cold prefix at once were seen to hang.
timeout 300 wine 'Z:\share\bin\release_probe.exe' >/dev/null 2>&1 || [ $? -ne 124 ] || echo "the first Wine program" >>/share/hung
wine 'Z:\share\bin\guidriver.exe' "wait-window __keeper__ 100000" >/dev/null 2>&1 &
keeper=$!
trap 'kill $keeper 2>/dev/null; wineserver -k; kill $xvfb 2>/dev/null' EXIT

main_window_case() {
stage "start-up and the main window"
for lang in 1:欢迎使用:安装:USB驱动安装 3:"Welcome to use":Install:"Install USB Driver"; do
  IFS=: read -r code caption install driver <<<"$lang"
  exe=$(distribution main-$code "$code")
  out=$(drive "start $exe" "wait-window \"$caption\" 120" "text IDC_INSTALL" "text IDC_USB_DRIVER" \
    "selected IDC_LANGUAGE_LIST" "key esc" "wait-exit 60")
  check "main window, language $code: caption" "ok $caption" "$(answer 2 "$out")"
  check "main window, language $code: buttons" "ok $install|ok $driver" "$(answer 3 "$out")|$(answer 4 "$out")"
  check "main window, language $code: language row" "ok $((code - 1)) $(sed -n "${code}p" <<<$'简体中文\nTraditional Chinese\nEnglish')" "$(answer 5 "$out")"
  check "main window, language $code: Esc ends the program" "ok 0" "$(answer 7 "$out")"
done

}

product_case() {
stage "the product installation"
exe=$(distribution product 1)
rm -rf "$drive_c/release/installed"; mkdir -p "$drive_c/release/installed"
links_before=$(mktemp)
out=$(drive "start $exe" "wait-window 欢迎使用 120" "click IDC_INSTALL" "wait-window 选择安装目录 60" \
  "type IDC_INSTALL_PATH C:\\release\\installed" "click IDOK" "wait-message-box 300" "message-text" "press-ok" \
  "wait-closed 30" "wait-window 欢迎使用 30" "key esc" "wait-exit 60")
check "product: the success message" "ok 安装成功!" "$(answer 8 "$out")"
product=$drive_c/release/installed/BeamDraft
for file in VRXPrograms/BeamDraft.exe $(cd "$payload" && find VRXFonts VRXDriver -type f | sort | head -n 5); do
  same_file "product: $file" "$payload/$file" "$product/$file"
done
for gone in VRXCad VRXCorel VrxAi; do absent "product: no $gone folder" "$product/$gone"; done
check "product: SoftCfg.ini's language" "Language=1" "$(grep -a '^Language=' "$product/VRXCfg/SoftCfg.ini" | tr -d '\r')"
# The desktop may be a link to a Unix folder: look through it.
links=$( { find "$drive_c/users" -name '*.lnk' -newer "$links_before"
  find -L "$drive_c/users/root/Desktop/" -maxdepth 1 -name '*.lnk' -newer "$links_before"; } 2>/dev/null |
  xargs -r -d '\n' realpath | sort -u)
check "product: three shortcuts" 3 "$(grep -c . <<<"$links")"
while read -r link; do
  [ -n "$link" ] || continue
  target=$(probe link "Z:${link//\//\\}" | head -n 1)
  case ${link##*/} in
    Uninstall.lnk) expected='C:\release\installed\BeamDraft\VRXPrograms\Uninstall.exe' ;;
    *) expected='C:\release\installed\BeamDraft\VRXPrograms\BeamDraft.exe' ;;
  esac
  check "product: shortcut ${link##*/} points to" "$expected" "$target"
done <<<"$links"
rm -f "$links_before"
}

plugins_case() {
stage "plug-ins, found automatically"
# reg_set VIEW KEY VALUE DATA: a key where a real host puts it (VIEW 32 or 64; one view on 32-bit Windows).
reg_set() {
  local view=()
  [ "$arch" = win64 ] && view=(/reg:$1)
  wine reg add "HKLM\\$2" /v "$3" /d "$4" /f "${view[@]}" >/dev/null 2>&1
}
# plugin NAME TYPE_ROW VERSION_ROW: Install with the Auto box as it opens; the message it ends with in $message.
plugin() {  # sets message
  local exe; exe=$(distribution "$1" 1)
  local commands=("start $exe" "wait-window 欢迎使用 120" "select IDC_TYPE_LIST $2" "click IDC_INSTALL"
    "wait-window 选择安装目录 60" "checked IDC_AUTO_INSTALL")
  [ -n "${3:-}" ] && commands+=("select IDC_VERSION_LIST $3")
  commands+=("click IDOK" "wait-message-box 300" "message-text" "press-ok" "wait-closed 30" "wait-window 欢迎使用 30" "key esc" "wait-exit 60")
  local out; out=$(drive "${commands[@]}")
  check "$1: the Auto box is checked" "ok 1" "$(answer 6 "$out")"
  message=$(answer $((${#commands[@]} - 5)) "$out")
}
host() {  # host FOLDER SUBFOLDER...: a host's folders, under C:\release\hosts
  for sub in "${@:2}"; do mkdir -p "$drive_c/release/hosts/$1/$sub"; done
  echo "C:\\release\\hosts\\$1"
}
hosts=$drive_c/release/hosts
rm -rf "$hosts"
corel32=$(host corel32 Programs Draw)
reg_set 32 'SOFTWARE\Corel\Setup\CorelDRAW Graphics Suite 16' Destination "$corel32"
if [ "$arch" = win64 ]; then
  # Both editions of CorelDRAW X6: each row installs into its own.
  corel64=$(host corel64 Programs64 Draw)
  reg_set 64 'SOFTWARE\Corel\Setup\CorelDRAW Graphics Suite 16' Destination "$corel64"
  plugin corel-x6-64 1 6
  check "CorelDRAW X6 64-bit: the success message" "ok 安装成功!" "$message"
  same_file "CorelDRAW X6 64-bit: its macro in the 64-bit edition" "$payload/VRXCorel/VRXCorelEx64.gms" "$hosts/corel64/Draw/GMS/VRXCorel.gms"
  absent "CorelDRAW X6 64-bit: nothing in the 32-bit edition" "$hosts/corel32/Draw/GMS/VRXCorel.gms"
fi
plugin corel-x6-32 1 5
check "CorelDRAW X6 32-bit: the success message" "ok 安装成功!" "$message"
same_file "CorelDRAW X6 32-bit: its macro in the 32-bit edition" "$payload/VRXCorel/VRXCorelEx.gms" "$hosts/corel32/Draw/GMS/VRXCorel.gms"
same_file "CorelDRAW X6 32-bit: the product in its program folder" "$payload/VRXPrograms/BeamDraft.exe" "$hosts/corel32/Programs/VRXPrograms/BeamDraft.exe"

acad_a=$(host acad-a Fonts)
reg_set 32 'SOFTWARE\Autodesk\AutoCAD\R18.2\ACAD-A001:804' AcadLocation "$acad_a"
acad_dirs=(acad-a)
if [ "$arch" = win64 ]; then
  acad_b=$(host acad-b Fonts)
  reg_set 64 'SOFTWARE\Autodesk\AutoCAD\R24.3\ACAD-7101:409' AcadLocation "$acad_b"
  acad_dirs+=(acad-b)
fi
plugin autocad 2
check "AutoCAD: the success message" "ok 安装成功!" "$message"
for dir in "${acad_dirs[@]}"; do
  same_file "AutoCAD: the Chinese start-up file in $dir" "$payload/VRXCad/acad_CH.lsp" "$hosts/$dir/acad.lsp"
  same_file "AutoCAD: the fonts in $dir" "$payload/VRXFonts/gbcbig.shx" "$hosts/$dir/Fonts/gbcbig.shx"
done
}

# The USB driver run under one Windows version: what it stages below the
# Windows folder, on the Unix side of the prefix. VERSION: Wine's name, or "" for the prefix's own.
system32=$windows/system32 syswow64=$windows/syswow64
store=DriverStore/FileRepository/mdmcpq.inf_amd64_neutral_b53453733bd795bc
staged=(system32/WdfCoInstaller01011.dll system32/winusbcoinstaller2.dll system32/drivers/usbser.sys
  "system32/$store" inf/mdmcpq.inf inf/usbser.sys inf/Usbvcommtp.inf inf/Usbvcommtp.cat)
driver_run() {  # driver_run VERSION
  local label=${1:-the prefix\'s own Windows version} exe log=$drive_c/release/driver-log
  if [ -n "$1" ]; then wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
  else wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1; fi
  for file in "${staged[@]}"; do rm -rf "$windows/$file" "$windows/${file/system32/syswow64}"; done
  rm -rf "$system32/LXDriver" "$system32/VRXDriver" "$syswow64/LXDriver" "$syswow64/VRXDriver" "$log"
  mkdir -p "$log" "$system32/DriverStore/FileRepository"
  [ -d "$syswow64" ] && mkdir -p "$syswow64/DriverStore/FileRepository"
  printf '>>>  [Device Install]\r\n     inf:      Driver store entry: C:\\Windows\\System32\\%s\\mdmcpq.inf\r\n' \
    "${store//\//\\}" >"$windows/inf/setupapi.dev.log"
  exe=$(distribution driver 1)
  # Not through a pipe: the program it leaves running would hold the pipe open.
  RECORDER_LOG_DIR='C:\release\driver-log' wine 'Z:\share\bin\guidriver.exe' "start $exe" \
    "wait-window 欢迎使用 120" "click IDC_USB_DRIVER" detach >/dev/null 2>&1
  local root=$system32; [ "$arch" = win64 ] && root=$syswow64  # the driver root, as reported to a 32-bit program
  for _ in $(seq 600); do
    grep -qs InstallDriver.exe "$log/recorder.log" && [ ! -e "$root/LXDriver/vrx246u2.006" ] && break
    sleep 0.2
  done
  check "driver, $label: both installers started" "UsbDriver.exe InstallDriver.exe" "$(tr -d '\r' <"$log/recorder.log" 2>/dev/null | xargs)"
  check "driver, $label: the co-installer images stay in the driver root" "VrxWdf0.d VrxWdf1.d VrxWin0.d VrxWin1.d" \
    "$(ls "$root/LXDriver" 2>/dev/null | xargs)"
  drive "wait-window 欢迎使用 30" "key esc" "wait-closed 60" >/dev/null
}
expect_staged() {  # expect_staged LABEL BITS MODEM_SOURCE SERIAL_SOURCE STORE(yes|no) SERIAL_IN_DRIVERS(yes|no)
  local lx=$payload/LXDriver
  local wdf=$lx/VrxWdf0.d win=$lx/VrxWin0.d
  [ "$2" = 64 ] && wdf=$lx/VrxWdf1.d win=$lx/VrxWin1.d
  same_file "driver, $1: WdfCoInstaller01011.dll is the $2-bit build" "$wdf" "$system32/WdfCoInstaller01011.dll"
  same_file "driver, $1: winusbcoinstaller2.dll is the $2-bit build" "$win" "$system32/winusbcoinstaller2.dll"
  same_file "driver, $1: the serial-port INF" "$lx/Usbvcommtp.inf" "$windows/inf/Usbvcommtp.inf"
  if [ -n "$3" ]; then
    same_file "driver, $1: mdmcpq.inf" "$lx/$3" "$windows/inf/mdmcpq.inf"
    same_file "driver, $1: system32\\drivers\\usbser.sys" "$lx/$4" "$system32/drivers/usbser.sys"
  else
    absent "driver, $1: no mdmcpq.inf" "$windows/inf/mdmcpq.inf"
    absent "driver, $1: no system32\\drivers\\usbser.sys" "$system32/drivers/usbser.sys"
  fi
  if [ "$5" = yes ]; then
    same_file "driver, $1: the driver store's usbser.sys" "$lx/$4" "$system32/$store/usbser.sys"
  else
    absent "driver, $1: no driver store folder" "$system32/$store"
  fi
  if [ -d "$syswow64" ]; then
    for file in WdfCoInstaller01011.dll winusbcoinstaller2.dll drivers/usbser.sys "$store"; do
      absent "driver, $1: nothing staged in syswow64\\$file" "$syswow64/$file"
    done
  fi
}
driver_case() {
stage "the USB driver, the prefix's own Windows version"
driver_run ""
if [ "$arch" = win64 ]; then
  expect_staged "Windows 7" 64 vrx246m2.006 vrx246u2.006 yes
  stage "the USB driver, Windows 10"
  driver_run win10
  expect_staged "Windows 10" 64 "" "" no
else
  expect_staged "Windows 7" 32 vrx246m.006 vrx246u.006 yes
  stage "the USB driver, Windows XP"
  driver_run winxp
  expect_staged "Windows XP" 32 vrx246m.005 vrx246u.005 no
fi
wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1
}

# Libraries with system names beside Setup.exe: the 32-bit loader searches
# differently, so the host's check runs here too.
planted_libraries_case() {
  stage "planted libraries"
  local out rc=0
  out=$(bash /share/planted_libraries.sh wine /share/dist /share/bin "$drive_c/release/planted" 2>&1) || rc=$?
  grep -v '^  ok' <<<"$out" | sed 's/^/     /'
  check "planted libraries: Setup.exe loads none that the control loads" 0 "$rc"
}

for case in ${cases:-main_window product plugins driver planted_libraries}; do "${case}_case"; done
echo "$failures" >"/share/failures-$arch"
stage "done"
# A failure after a hang is told apart (101), so that the host may tell a
# random hang of the emulated machine from a failure of the program.
if [ "$failures" -gt 0 ] && [ -s /share/hung ]; then
  sed 's/^/hung: /' /share/hung
  exit 101
fi
exit $((failures > 100 ? 100 : failures))
