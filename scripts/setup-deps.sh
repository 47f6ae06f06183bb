#!/usr/bin/env bash
# Installs, as root on Debian, every package the builds and tests need. Quiet and quick when all are there.
#
# A mirror can be out of step with itself: one index fails to download for a while ("Mirror sync in progress?"),
# and when that index is the i386 security updates, the two architectures offer different versions of the
# Multi-Arch libraries wine32 needs and apt refuses the install. So an index that will not download is tried again
# and then done without, a refused install is tried once more pinned to the running release (one version for both
# architectures), and what still is not installed is named in a few lines, apt's own words in the log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
log=${RELANTO_SETUP_LOG:-${RELANTO_BUILD_DIR:-$root/build}/setup-deps.log}
os_release=${RELANTO_OS_RELEASE:-/etc/os-release}
pause=${RELANTO_APT_PAUSE:-10}
update_tries=3
packages=(
  cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386 fonts-wine libxi6 libxrandr2 libxrender1 libxcursor1 libxfixes3 libxcomposite1 libxinerama1
  libxxf86vm1 libgnutls30 libdbus-1-3 xvfb xauth xdotool imagemagick fonts-wqy-microhei zip locales
  clang libclang-rt-14-dev llvm-14 clang-format git
)

say() { echo "[setup] $*"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
not_installed() {
  local p
  for p in "$@"; do installed "$p" || echo "$p"; done
}
need_root() {
  if [ "$(id -u)" != 0 ]; then
    say "$1: run as root to install them" >&2
    exit 1
  fi
}
apt() {  # apt-get with its whole output in the log
  echo "\$ apt-get $*" >>"$log"
  DEBIAN_FRONTEND=noninteractive apt-get "$@" >>"$log" 2>&1
}
# apt's reason for a package in a line or two: the line that names it, else apt's last errors.
reason() {
  local p lines
  p=$(printf '%s' "${1%%:*}" | sed 's/[.+]/\\&/g')
  lines=$(grep -E "^ *${p}(:[a-z0-9]+)? :|^E: .*\b${p}\b" "$log" | awk '!seen[$0]++' | head -2 || true)
  [ -n "$lines" ] || lines=$(grep -E '^E: ' "$log" | tail -2 || true)
  echo "${lines:-apt said nothing about it}"
}

mapfile -t missing < <(not_installed "${packages[@]}")
if [ ${#missing[@]} -gt 0 ]; then
  need_root "missing packages: ${missing[*]}"
  mkdir -p "$(dirname "$log")"
  : >"$log"
  say "installing: ${missing[*]} (apt's output: $log)"
  # The 32-bit Wine (for the 32-bit round) comes from Debian's i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  for try in $(seq 1 $update_tries); do
    apt update -q && break
    if [ "$try" = $update_tries ]; then
      say "a package index did not download after $update_tries tries; going on with the indexes there are"
    else
      sleep "$pause"
    fi
  done
  if ! apt install -y -q --no-install-recommends "${missing[@]}"; then
    codename=$(. "$os_release" 2>/dev/null && echo "${VERSION_CODENAME:-}")
    if [ -n "$codename" ]; then
      say "the install was refused; trying again with every package from the release ($codename)"
      apt install -y -q --no-install-recommends -t "$codename" "${missing[@]}" || true
    fi
  fi
  mapfile -t still < <(not_installed "${missing[@]}")
  if [ ${#still[@]} -gt 0 ]; then
    say "could not install: ${still[*]}" >&2
    reason "${still[0]}" | sed 's/^ */[setup]   apt: /' >&2
    say "the package mirror may be mid-sync: try again in a while. apt's whole output: $log" >&2
    exit 1
  fi
fi

# The users' locale: Wine takes a program's code pages and languages from LANG, and cannot even turn a Chinese
# folder name into a Windows path while the Unix locale is missing.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  need_root "the zh_CN.UTF-8 locale is missing"
  say "generating the zh_CN.UTF-8 locale"
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
