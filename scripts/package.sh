#!/usr/bin/env bash
# Builds the release zips dist/Relanto-<version>-win64.zip (64-bit Windows) and -win32.zip (32-bit Windows, and
# Windows 10 on ARM): each holds its Relanto.exe, the user readme, the licence and SHA256SUMS. The same sources give the same bytes: the exe carries no time stamp or build path, and the zip
# entries have fixed times, order and attributes.
# The text files are stored in the repository with LF line ends and converted here for Windows 7's Notepad, which
# shows a file as one line without CRLF and misreads UTF-8 without a byte-order mark.
# "package.sh --check-text" writes only the text files, to a scratch folder, and checks them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}

# windows_text SOURCE DEST [bom]: CRLF line ends (the last line too), a UTF-8 byte-order mark when asked.
windows_text() {
  { [ "${3:-}" = bom ] && printf '\xef\xbb\xbf'; sed -e 's/\r$//' -e 's/$/\r/' "$1"; } >"$2"
}

stage_text() {  # stage_text DIR
  windows_text "$root/dist-files/README-使用说明.txt" "$1/README-使用说明.txt" bom
  windows_text "$root/LICENSE" "$1/LICENSE.txt"
}

if [ "${1:-}" = --check-text ]; then
  out="$build/release-text"
  rm -rf "$out"
  mkdir -p "$out"
  stage_text "$out"
  bad=0
  for f in "$out/README-使用说明.txt" "$out/LICENSE.txt"; do
    name=$(basename "$f")
    # Every line ends in CRLF, none in a doubled CR, and nothing but the line ends and the mark changed.
    if LC_ALL=C grep -q $'[^\r]$\|^$\|\r\r$' "$f" || [ "$(tail -c 2 "$f" | od -An -tx1 | tr -d ' ')" != 0d0a ]; then
      echo "$name: a line does not end in CRLF"; bad=1
    fi
    src="$root/LICENSE"
    [ "$name" = LICENSE.txt ] || src="$root/dist-files/$name"
    if ! sed -e '1s/^\xef\xbb\xbf//' -e 's/\r$//' "$f" | cmp -s - "$src"; then
      echo "$name: text differs from $src"; bad=1
    fi
  done
  [ "$(head -c 3 "$out/README-使用说明.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    { echo "README-使用说明.txt: no UTF-8 byte-order mark"; bad=1; }
  [ "$(head -c 3 "$out/LICENSE.txt" | od -An -tx1 | tr -d ' ')" != efbbbf ] ||
    { echo "LICENSE.txt: an ASCII licence needs no byte-order mark"; bad=1; }
  [ "$bad" = 0 ] && echo "release text: ok"
  exit "$bad"
fi

"$root/scripts/setup-deps.sh"
mkdir -p "$build" "$root/dist"
version=$(sed -n 's/^project(Relanto VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
# Fixed times (the last commit's, else 2026-01-01) and a sorted, attribute-free archive.
epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 1767225600)
rm -rf "$build/package"
for arch in win64:x86_64 win32:i686; do
  tree=${arch%%:*}
  cmake -S "$root" -B "$build/release-$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-${arch#*:}.cmake" >"$build/release-$tree.log" 2>&1 ||
    { cat "$build/release-$tree.log"; exit 1; }
  cmake --build "$build/release-$tree" --target Relanto -j "$(nproc)"
  name="Relanto-$version-$tree"
  stage="$build/package/$name"
  mkdir -p "$stage"
  cp "$build/release-$tree/Relanto.exe" "$stage/"
  stage_text "$stage"
  (cd "$stage" && LC_ALL=C sha256sum Relanto.exe README-使用说明.txt LICENSE.txt >SHA256SUMS)
  find "$stage" -exec touch -h -d "@$epoch" {} +
  zipfile="$root/dist/$name.zip"
  rm -f "$zipfile"
  (cd "$build/package" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -X -D -q -@ "$zipfile")
  echo "$zipfile"
  sha256sum "$zipfile"
done
