#!/usr/bin/env bash
# Builds the release zip dist/Relanto-<version>-win64.zip: Relanto.exe, the user readme, the licence and
# SHA256SUMS. The same sources give the same bytes: the exe carries no time stamp or build path, and the zip
# entries have fixed times, order and attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
"$root/scripts/setup-deps.sh"
mkdir -p "$build"
cmake -S "$root" -B "$build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >"$build/release.log" 2>&1 ||
  { cat "$build/release.log"; exit 1; }
cmake --build "$build/release" --target Relanto -j "$(nproc)"
version=$(sed -n 's/^project(Relanto VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
stage="$build/package/Relanto-$version-win64"
rm -rf "$build/package"
mkdir -p "$stage"
cp "$build/release/Relanto.exe" "$stage/"
cp "$root/dist-files/README-使用说明.txt" "$stage/"
cp "$root/LICENSE" "$stage/LICENSE.txt"
(cd "$stage" && LC_ALL=C sha256sum Relanto.exe README-使用说明.txt LICENSE.txt >SHA256SUMS)
# Fixed times (the last commit's, else 2026-01-01) and a sorted, attribute-free archive.
epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 1767225600)
find "$build/package" -exec touch -h -d "@$epoch" {} +
mkdir -p "$root/dist"
zipfile="$root/dist/Relanto-$version-win64.zip"
rm -f "$zipfile"
(cd "$build/package" && find "Relanto-$version-win64" -print | LC_ALL=C sort |
  TZ=UTC zip -X -D -q -@ "$zipfile")
echo "$zipfile"
sha256sum "$zipfile"
