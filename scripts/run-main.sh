#!/usr/bin/env bash
# The main job: builds what it needs (Setup.exe, the sample distribution and
# the GUI driver of the win64 build), then installs the product from the
# sample distribution under Wine through its windows: the main window,
# Install, the path dialog, OK, and the success message. Prints where the
# installed tree, its SoftCfg.ini, the shortcuts and the pictures are.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh
./scripts/wine-access.sh .
jobs=$(nproc)

printf '\n== build Setup.exe, the sample distribution and the GUI driver\n'
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target Setup sample_dist guidriver

state=$(pwd)/build/win64/wine  # Wine wants an absolute prefix path
out=$(pwd)/build/main-job
dist=build/win64/sample/dist
./scripts/wine-prefix.sh setup "$state"
trap './scripts/wine-prefix.sh cleanup "$state"' EXIT

rm -rf "$out"
mkdir -p "$out/install" "$out/pictures"
cp -r "$dist" "$out/dist"
[ "$(id -u)" -eq 0 ] && chown -R winetest: "$out"

windows_path() { echo "Z:$(realpath "$1" | tr '/' '\\')"; }
setup_exe=$(windows_path "$out/dist/Setup.exe")
install_path=$(windows_path "$out/install")
pictures=$(windows_path "$out/pictures")
links_before=$(mktemp)
touch "$links_before"

printf '\n== install the product from %s under Wine\n' "$dist/Setup.exe"
status=0
script=(
  "start $setup_exe"
  "wait-window 欢迎使用 120"
  "screenshot $pictures\\main-window.bmp"
  "click IDC_INSTALL"
  "wait-window 选择安装目录 60"
  "type IDC_INSTALL_PATH $install_path"
  "screenshot $pictures\\install-path.bmp"
  "click IDOK"
  "wait-message-box 300"
  "message-text"
  "press-ok"
  "wait-closed 30"
  "wait-window 欢迎使用 30"
  "key esc"
  "wait-exit 30"
)
answers=$(build/win64/wine-run.sh build/win64/tests/e2e/guidriver.exe "${script[@]}" | tr -d '\r') || status=$?
echo "$answers"
[ "$status" -eq 0 ] || { echo "the GUI driver failed (exit code $status)" >&2; exit 1; }
# The driver answers each command with one line, in order.
for i in "${!script[@]}"; do [ "${script[$i]}" = "message-text" ] && break; done
message=$(echo "$answers" | sed -n "$((i + 1))p")
if [ "$message" != "ok 安装成功!" ]; then
  echo "the installation did not end in 安装成功! (got: $message)" >&2
  exit 1
fi

for bmp in "$out"/pictures/*.bmp; do convert "$bmp" -strip "${bmp%.bmp}.png" && rm -f "$bmp"; done
product=$out/install/BeamDraft
printf '\n== installed\n'
echo "product tree:  $product ($(find "$product" -type f | wc -l) files)"
echo "settings:      $product/VRXCfg/SoftCfg.ini (Language=$(grep -a '^Language=' "$product/VRXCfg/SoftCfg.ini" | tr -d '\r' | cut -d= -f2))"
echo "shortcuts:"
find "$state/prefix/drive_c/users" "$state/home" -name '*.lnk' -newer "$links_before" 2>/dev/null | sed 's/^/  /'
echo "pictures:      $out/pictures/"
rm -f "$links_before"
