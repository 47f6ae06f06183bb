#!/usr/bin/env bash
# Builds both trees: build/native (portable core and unit tests) and build/win64 (the Windows programs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
jobs=$(nproc)
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$build.native.log" 2>&1 ||
  { cat "$build.native.log"; exit 1; }
cmake --build "$build/native" -j "$jobs"
cmake -S "$root" -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >"$build.win64.log" 2>&1 ||
  { cat "$build.win64.log"; exit 1; }
cmake --build "$build/win64" -j "$jobs"
