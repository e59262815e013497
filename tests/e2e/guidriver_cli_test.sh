#!/usr/bin/env bash
# guidriver_cli_test.sh WINE_RUN GUIDRIVER SETUP_EXE WORK_DIR
# Drives Setup.exe with a guidriver script, as scenarios written in shell do
# (ids by their res/resource.h names), and checks the answer lines, the stop
# at the first failure and the exit codes.
set -euo pipefail
run=$1 driver=$2 setup=$3 work=$4/e2e_guidriver_cli
winpath() { printf 'Z:%s' "${1//\//\\}"; }

rm -rf "$work"
mkdir -p "$work"
cp "$setup" "$work/Setup.exe"
printf '[SetupCfg]\r\nLanguage=3\r\n' >"$work/SetupCfg.ini"
cat >"$work/script.txt" <<SCRIPT
# Setup in English, then relabelled by the Language list
start "$(winpath "$work")\\Setup.exe"
wait-window "Welcome to use" 60
text IDC_LANGUAGE_LABEL
items IDC_LANGUAGE_LIST
selected IDC_LANGUAGE_LIST
items IDC_TYPE_LIST
visible IDC_DRIVER_HIDDEN
enabled IDC_DRIVER_HIDDEN
select IDC_LANGUAGE_LIST 0
caption
text IDC_USB_DRIVER
select-text IDC_LANGUAGE_LIST Other
text IDC_INSTALL
syscommand IDM_ABOUTBOX
wait-window "关于 ZnSetup" 30
text IDOK
press-ok
wait-closed 30
wait-window "Welcome to use" 10
enabled
key esc
wait-exit 30
SCRIPT
if [ "$(id -u)" -eq 0 ]; then chown -R winetest: "$work"; fi

failed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL $1"; diff <(echo "$2") <(echo "$3") || true; failed=1
  else
    echo "ok   $1"
  fi
}

status=0
out=$("$run" "$driver" -f "$(winpath "$work")\\script.txt") || status=$?
# The process id and the exit code vary; every other answer is fixed.
masked=$(sed -e '1s/^ok [0-9][0-9]*$/ok PID/' -e '$s/^ok [0-9][0-9]*$/ok EXITCODE/' <<<"$out")
check "script answers" "ok PID
ok Welcome to use
ok Lanuage:
ok 简体中文|Traditional Chinese|English|Other
ok 2 English
ok BeamDraft|Plugin For CorelDraw|Plugin For AutoCAD|Plugin For Illustrator CS
ok 0
ok 0
ok 简体中文
ok 欢迎使用
ok USB驱动安装
ok 3
ok Install
ok
ok 关于 ZnSetup
ok 确定
ok
ok
ok Welcome to use
ok 1
ok
ok EXITCODE" "$masked"
check "script exit code" 0 "$status"

# A failing command ends the run: the commands after it give no answer, and
# the program started by the script does not outlive it.
status=0
out=$("$run" "$driver" "start \"$(winpath "$work")\\Setup.exe\"" "wait-window Nowhere 2" "caption") || status=$?
check "failure answer" "fail no window \"Nowhere\" after 2 s; windows: \"Welcome to use\"" "$(sed -n 2p <<<"$out")"
check "no answer after a failure" 2 "$(wc -l <<<"$out")"
check "failure exit code" 1 "$status"

status=0
out=$("$run" "$driver") || status=$?
check "usage exit code" 2 "$status"

exit $failed
