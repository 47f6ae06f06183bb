#!/usr/bin/env bash
# Builds the three trees: build/native (portable core and unit tests), build/win64 and build/win32 (the Windows
# programs, their tools and tests, for 64-bit and 32-bit Windows). RELANTO_TREES names fewer ("native win64").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
jobs=$(nproc)
for tree in ${RELANTO_TREES:-native win64 win32}; do
  case $tree in
    native) toolchain=() ;;
    win64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
    win32) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake") ;;
    *) echo "no tree $tree" >&2; exit 1 ;;
  esac
  cmake -S "$root" -B "$build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >"$build.$tree.log" 2>&1 ||
    { cat "$build.$tree.log"; exit 1; }
  cmake --build "$build/$tree" -j "$jobs"
done
