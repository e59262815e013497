#!/usr/bin/env bash
# Installs every system package the build and the tests need, and the
# unprivileged user that runs Wine. Idempotent: quick when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine64 xvfb imagemagick fonts-wqy-zenhei osslsigncode openssl file time
  qemu-system-x86 mmdebstrap arch-test e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine must not run as root: as root it writes through read-only files.
if [ "$(id -u)" -eq 0 ] && ! id -u winetest >/dev/null 2>&1; then
  useradd --create-home --shell /usr/sbin/nologin winetest
fi
