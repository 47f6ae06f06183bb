#!/usr/bin/env bash
# Benchmarks under Wine: start-up time and peak memory of Relanto.exe against a minimal Win32 program built
# the same way, measured in the same run; the stripped exe's size; and the 32-bit Relanto.exe against the 64-bit
# one, started alternately in the same rounds.
#   bash scripts/bench.sh [runs] [an earlier build's Relanto.exe, to compare start-up and paint with] [paint rounds]
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

# Paint time against the earlier build's paint benchmarks, beside its Relanto.exe: each side's programs run in
# alternating rounds, and each window's median repaint is compared.
old=$( [ -n "${2:-}" ] && dirname "$(realpath "$2")" || true)
if [ -n "$old" ] && [ -f "$old/WindowPaintBench.exe" ] && [ -f "$old/NShapePaintBench.exe" ]; then
  rounds=${3:-5}
  echo "== paint against $old, $rounds alternating rounds"
  printf 'stand-in' >"$old/AdbWinApi.dll"
  printf 'stand-in' >"$old/AdbWinUsbApi.dll"
  for round in $(seq "$rounds"); do
    for side in this earlier; do
      dir=$build/win64
      [ "$side" = earlier ] && dir=$old
      for program in WindowPaintBench NShapePaintBench; do
        (cd "$dir" && wine "$program.exe") 2>/dev/null | sed -n "s/^ *\(main\|Help\|About\) .* \([0-9.]*\) us   plain.*/$side \1 \2/p; s/^paint: button .*median \([0-9.]*\) us.*/$side button \1/p"
      done
    done
  done | awk '{ t[$1 " " $2] = t[$1 " " $2] " " $3 }
    function median(list,   n, a, i, j, x) {
      n = split(list, a, " ")
      for (i = 2; i <= n; i++) { x = a[i]; for (j = i - 1; j >= 1 && a[j] > x; j--) a[j + 1] = a[j]; a[j + 1] = x }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END {
      split("main Help About button", names, " ")
      for (k = 1; k <= 4; k++) {
        w = names[k]; a = median(t["this " w]); b = median(t["earlier " w])
        printf "  %-6s this build %8.1f us   earlier %8.1f us   ratio %.2f\n", w, a, b, (b > 0 ? a / b : 0)
      }
    }'
fi

echo "== 32-bit Relanto.exe against the 64-bit one"
size32=$(stat -c %s "$build/win32/Relanto.exe")
echo "Relanto.exe 32-bit (stripped): $((size32 / 1024)) KB (target under 650 KB), $((size32 - size)) bytes more than 64-bit"
# Both run in one prefix, a 64-bit one made with 32-bit Wine beside it (as 64-bit Windows runs 32-bit programs).
# The 32-bit bench is the measuring program, so "Relanto" below is the 32-bit build and "baseline" the 64-bit one.
wine_env_teardown
wine_env_setup "$build/wineprefix-wow64" 96
(cd "$build/win32" && wine StartupBench.exe "${1:-15}" "$(winepath -w "$build/win64/Relanto.exe")") \
  >"$build/bench-win32.log" 2>&1 || { cat "$build/bench-win32.log"; exit 1; }
sed -e 's/^  Relanto\.exe   /  32-bit Relanto/' -e 's/^Relanto\.exe idle/32-bit Relanto idle/' \
  -e 's/^  baseline Relanto/  64-bit Relanto  /' -e 's/baseline Relanto/64-bit Relanto/g' "$build/bench-win32.log"
