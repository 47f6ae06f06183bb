#!/usr/bin/env bash
# Builds the three trees: build/native (portable core and unit tests), build/win64 and build/win32 (the Windows
# programs, their tools and tests, for 64-bit and 32-bit Windows).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
jobs=$(nproc)
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$build.native.log" 2>&1 ||
  { cat "$build.native.log"; exit 1; }
cmake --build "$build/native" -j "$jobs"
for arch in win64:x86_64 win32:i686; do
  tree=${arch%%:*}
  cmake -S "$root" -B "$build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-${arch#*:}.cmake" >"$build.$tree.log" 2>&1 ||
    { cat "$build.$tree.log"; exit 1; }
  cmake --build "$build/$tree" -j "$jobs"
done
