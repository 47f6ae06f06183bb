#!/usr/bin/env bash
# Benchmarks under Wine: start-up time and peak memory of Relanto.exe against a minimal Win32 program built
# the same way, measured in the same run; and the stripped exe's size.
#   bash scripts/bench.sh [runs] [an earlier build's Relanto.exe, to compare start-up with]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/build-for-wine.sh"
wine_env_setup "$build/wineprefix" 96
trap wine_env_teardown EXIT
size=$(stat -c %s "$build/win64/Relanto.exe")
echo "Relanto.exe (stripped): $((size / 1024)) KB (target under 600 KB)"
# A second argument names an earlier build's Relanto.exe to compare this one with in the same rounds.
baseline=()
[ -n "${2:-}" ] && baseline=("$(winepath -w "$(realpath "$2")")")
(cd "$build/win64" && wine StartupBench.exe "${1:-15}" "${baseline[@]}") >"$build/bench.log" 2>&1 || {
  cat "$build/bench.log"
  exit 1
}
cat "$build/bench.log"
# The window-paint benchmark starts the real main window, whose start-up wants the adb files beside it.
printf 'stand-in' >"$build/win64/AdbWinApi.dll"
printf 'stand-in' >"$build/win64/AdbWinUsbApi.dll"
echo "== native: the program's own share of a click"
"$build/native/bench/click_path_bench"
for extra in "$build"/win64/*Bench.exe; do
  name=$(basename "$extra")
  [ "$name" = StartupBench.exe ] && continue
  echo "== $name"
  (cd "$build/win64" && wine "$name") >"$build/bench-$name.log" 2>&1 || true
  cat "$build/bench-$name.log"
done
