#!/usr/bin/env bash
# Regenerates docs/screenshots/{main,help,about}.png: the three windows as Wine draws them at 96 dpi, taken by
# the layout test (which also checks what it photographs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/build-for-wine.sh"
wine_env_setup "$build/wineprefix" 96 "$build/win64/urllog.exe"
trap wine_env_teardown EXIT
rm -rf "$build/win64/artifacts"
(cd "$build/win64" && wine relanto_e2e_tests.exe --gtest_filter='Layout.WindowsAt96Dpi') >"$build/screenshots.log" 2>&1 ||
  { cat "$build/screenshots.log"; exit 1; }
mkdir -p "$root/docs/screenshots"
for w in main help about; do
  /usr/bin/convert "$build/win64/artifacts/$w-96.bmp" -strip "$root/docs/screenshots/$w.png"
  echo "docs/screenshots/$w.png"
done
