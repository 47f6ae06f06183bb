#!/usr/bin/env bash
# Installs, as root on Debian, every package the builds and tests need. Quiet and quick when all are there.
set -euo pipefail
packages=(
  cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386 fonts-wine libxi6 libxrandr2 libxrender1 libxcursor1 libxfixes3 libxcomposite1 libxinerama1
  libxxf86vm1 libgnutls30 libdbus-1-3 xvfb xauth xdotool imagemagick fonts-wqy-microhei zip locales
  clang libclang-rt-14-dev llvm-14 clang-format git
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "[setup] installing: ${missing[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "[setup] run as root to install packages" >&2
    exit 1
  fi
  # The 32-bit Wine (for the 32-bit round) comes from Debian's i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The users' locale: Wine takes a program's code pages and languages from LANG, and cannot even turn a Chinese
# folder name into a Windows path while the Unix locale is missing.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "[setup] generating the zh_CN.UTF-8 locale"
  if [ "$(id -u)" != 0 ]; then
    echo "[setup] run as root to generate locales" >&2
    exit 1
  fi
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
