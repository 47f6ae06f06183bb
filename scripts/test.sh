#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the end-to-end tests of the real
# Windows programs, 64-bit and 32-bit, under Wine on a private Xvfb display. Ends with one summary line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
mkdir -p "$build"
"$root/scripts/setup-deps.sh" || exit 1
RELANTO_BUILD_DIR=$build RELANTO_TREES="native win64" "$root/scripts/build.sh" || exit 1
echo "[set-up and build: $SECONDS s]"
source "$root/scripts/wine-env.sh"
# Meanwhile the 32-bit tree builds, and the Wine prefixes that are not made yet are made, all three at once on one
# display of their own (each is mostly Wine waiting for itself): the unit tests, the checks and the fuzzers (one at a
# time) leave a core free.
RELANTO_BUILD_DIR=$build RELANTO_TREES=win32 "$root/scripts/build.sh" >"$build/build-win32.log" 2>&1 &
win32_build=$!
make_prefixes() {
  wine_env_start_xvfb || return 1
  (wine_env_create "$build/wineprefix" 96 "$build/win64/urllog.exe") &
  local main=$!
  (RELANTO_WINE_LANG=zh_CN.UTF-8 wine_env_create "$build/wineprefix-zh" 96 "$build/win64/urllog.exe") &
  local zh=$!
  (RELANTO_WINE_ARCH=win32 wine_env_create "$build/wineprefix-win32" 96 "$build/win32/urllog.exe") &
  local win32=$!
  local failed=0
  wait "$main" || failed=1
  wait "$zh" || failed=1
  wait "$win32" || failed=1
  kill "$RELANTO_XVFB_PID" 2>/dev/null
  wait "$RELANTO_XVFB_PID" 2>/dev/null
  return "$failed"
}
make_prefixes >"$build/prefixes.log" 2>&1 &
prefixes=$!

summary() {  # prints "passed failed" from a ctest log
  local log=$1 total failed
  total=$(grep -Eo 'tests failed out of [0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
  failed=$(grep -Eo '[0-9]+ tests failed out of' "$log" | grep -Eo '^[0-9]+' | tail -1)
  echo "$(( ${total:-0} - ${failed:-0} )) ${failed:-0}"
}

gtest_summary() {  # prints "passed failed" from a GoogleTest log and the run's exit code
  local log=$1 rc=$2 total pass
  total=$(grep -Eo '^\[==========\] [0-9]+ tests? from' "$log" | grep -Eo '[0-9]+' | head -1)
  pass=$(grep -Eo '^\[  PASSED  \] [0-9]+ tests?' "$log" | grep -Eo '[0-9]+' | head -1)
  local fail=$(( ${total:-0} - ${pass:-0} ))
  if [ "$rc" -ne 0 ] && [ "$fail" -eq 0 ]; then
    echo "$log: run ended with code $rc" >&2
    fail=1
  fi
  echo "${pass:-0} $fail"
}

# run_wine LOG TREE [--win7] COMMAND...: one Wine test program run in build/TREE, its output to build/LOG (a file,
# never a pipe: Wine's helper processes would hold a pipe open), then shown; sets round_pass and round_fail. With
# --win7 the prefix's version is printed first and must be Windows 7 SP1's.
run_wine() {
  local log=$build/$1 tree=$2 win7= rc started=$SECONDS
  shift 2
  [ "$1" = --win7 ] && { win7=1; shift; }
  (cd "$build/$tree" && { [ -z "$win7" ] || wine cmd /c ver; } && "$@") >"$log" 2>&1
  rc=$?
  cat "$log"
  read -r round_pass round_fail < <(gtest_summary "$log" "$rc")
  echo "[${log##*/}: $((SECONDS - started)) s]"
  if [ -n "$win7" ] && ! grep -q 'Windows 6\.1\.' "$log"; then
    echo "the prefix did not report Windows 7"
    round_fail=$((round_fail + 1))
  fi
}

echo "== unit tests (native)"
(cd "$build/native" && ctest --output-on-failure -j "$(nproc)") | tee "$build/unit.log"
read -r unit_pass unit_fail < <(summary "$build/unit.log")

echo "== formatting"
if bash "$root/scripts/format.sh"; then fmt_pass=1 fmt_fail=0; else fmt_pass=0 fmt_fail=1; fi

echo "== layers"
if bash "$root/scripts/check_layers.sh"; then layer_pass=1 layer_fail=0; else layer_pass=0 layer_fail=1; fi

echo "== release text"
if bash "$root/scripts/package.sh" --check-text; then text_pass=1 text_fail=0; else text_pass=0 text_fail=1; fi

echo "== fuzzing (bounded)"
RELANTO_BUILD_DIR=$build bash "$root/scripts/fuzz.sh" "${RELANTO_FUZZ_SECONDS:-20}" | tee "$build/fuzz.log"
fuzz_pass=$(sed -n 's/^fuzz targets: \([0-9]*\) ok.*/\1/p' "$build/fuzz.log" | tail -1)
fuzz_fail=$(sed -n 's/^fuzz targets: [0-9]* ok, \([0-9]*\) crashed.*/\1/p' "$build/fuzz.log" | tail -1)
fuzz_pass=${fuzz_pass:-0}
fuzz_fail=${fuzz_fail:-1}

# The Wine rounds run on a quiet machine: their pointer and window timing is real.
win32_pass=0 win32_fail=0
if ! wait "$win32_build"; then
  cat "$build/build-win32.log"
  echo "the 32-bit tree did not build"
  win32_fail=1
fi
wait "$prefixes" || { cat "$build/prefixes.log"; echo "a Wine prefix was not made (the rounds make it again)"; }
echo "[32-bit tree built, prefixes made: $SECONDS s]"

echo "== end-to-end tests (Wine)"
export RELANTO_PRIVATE_X=1
wine_env_setup "$build/wineprefix" 96 "$build/win64/urllog.exe"
trap wine_env_teardown EXIT
run_wine e2e.log win64 env RELANTO_EXPECT_CODE_PAGE=1252 timeout 900 wine relanto_e2e_tests.exe --gtest_brief=1
e2e_pass=$round_pass e2e_fail=$round_fail

echo "== host tests (Wine)"
run_wine host.log win64 timeout 300 wine relanto_host_tests.exe --gtest_brief=1
host_pass=$round_pass host_fail=$round_fail

echo "== end-to-end start-up and layout (Wine reporting Windows 7)"
# The start-up tests, the 96-dpi layout and the keyboard tests run again with the prefix reporting Windows 7 SP1.
# Debian's Wine 8 makes its prefixes report Windows 7 already, so the 64-bit prefix serves with the same settings
# (a prefix of its own took 25 s to make) and its server stays up.
wine winecfg -v win7 >/dev/null 2>&1
run_wine e2e-win7.log win64 --win7 env RELANTO_ARTIFACTS=artifacts-win7 timeout 300 wine relanto_e2e_tests.exe \
  --gtest_brief=1 \
  --gtest_filter='*MissingFiles.*:Startup.*:*SettingLoad.*:SettingSave.*:Folders.*:BadConfig.*:Layout.WindowsAt96Dpi:OsApi.*:PlantedDlls.*:Keyboard.*'
win7_pass=$round_pass win7_fail=$round_fail

echo "== end-to-end in the users' locale (Wine in Simplified Chinese, code page 936)"
# A prefix of its own with LANG=zh_CN.UTF-8: the tests whose outcome can depend on the locale (start-up and the
# device check, the relay and install command lines, config.ini, Chinese and non-Chinese folder names, the windows'
# layout and captions, the keyboard) run again; then the windows' screenshots must equal the US English round's.
wine_env_teardown
RELANTO_WINE_LANG=zh_CN.UTF-8 wine_env_setup "$build/wineprefix-zh" 96 "$build/win64/urllog.exe"
rm -rf "$build/win64/artifacts-zh"
run_wine e2e-zh.log win64 env RELANTO_ARTIFACTS=artifacts-zh RELANTO_EXPECT_CODE_PAGE=936 timeout 300 \
  wine relanto_e2e_tests.exe --gtest_brief=1 --gtest_filter='Locale.*:*MissingFiles.*:Startup.*:*SettingLoad.*:SettingSave.*:*StoredValue.*:Folders.*:AwkwardConfig.Utf16*:RelayWindow.*:Layout.WindowsAt96Dpi:Keyboard.*'
zh_pass=$round_pass zh_fail=$round_fail
# Same fonts, same pixels: what the program draws of each window (its client area) in both locales must match to
# the byte. The caption bar is the system's, drawn with each locale's own caption font.
for shot in main-96 help-96 about-96 main-keyboard-96; do
  if cmp -s "$build/win64/artifacts/$shot-client.bmp" "$build/win64/artifacts-zh/$shot-client.bmp"; then
    zh_pass=$((zh_pass + 1))
  else
    echo "screenshot $shot-client.bmp differs between the US English and the Simplified Chinese rounds (or is missing)"
    zh_fail=$((zh_fail + 1))
  fi
done

echo "== end-to-end and host tests of the 32-bit programs (32-bit Wine reporting Windows 7)"
# A pure 32-bit prefix, as on the 32-bit Windows 7 computers many users still have: the end-to-end and host tests
# run again against build/win32, all but two soak loops (the pointer passes and the start/stop sequences): the
# 500 About clicks still check the 32-bit process for leaks, the demo its GDI objects. Its screenshots stay in its
# own folder: anti-aliasing differs by a few pixels from the 64-bit programs', so pictures are only ever compared
# within the round.
wine_env_teardown
RELANTO_WINE_ARCH=win32 wine_env_setup "$build/wineprefix-win32" 96 "$build/win32/urllog.exe"
wine winecfg -v win7 >/dev/null 2>&1
run_wine e2e-win32.log win32 --win7 env RELANTO_EXPECT_CODE_PAGE=1252 timeout 900 wine relanto_e2e_tests.exe \
  --gtest_brief=1 --gtest_filter='-Soak.PointerPassesOverTheButtons:Soak.StartStopSequences'
win32_pass=$((win32_pass + round_pass)) win32_fail=$((win32_fail + round_fail))
run_wine host-win32.log win32 timeout 300 wine relanto_host_tests.exe --gtest_brief=1
win32_pass=$((win32_pass + round_pass)) win32_fail=$((win32_fail + round_fail))

echo "[the whole test command: $SECONDS s]"
passed=$((unit_pass + fmt_pass + layer_pass + text_pass + fuzz_pass + e2e_pass + host_pass + win7_pass + zh_pass +
  win32_pass))
failed=$((unit_fail + fmt_fail + layer_fail + text_fail + fuzz_fail + e2e_fail + host_fail + win7_fail + zh_fail +
  win32_fail))
echo
echo "unit: $unit_pass passed, $unit_fail failed; formatting: $fmt_pass passed, $fmt_fail failed;" \
  "layers: $layer_pass passed, $layer_fail failed; release text: $text_pass passed, $text_fail failed;" \
  "fuzzing: $fuzz_pass passed, $fuzz_fail failed; end-to-end: $e2e_pass passed, $e2e_fail failed;" \
  "host: $host_pass passed, $host_fail failed; Windows 7 prefix: $win7_pass passed, $win7_fail failed;" \
  "Simplified Chinese prefix: $zh_pass passed, $zh_fail failed; 32-bit (Windows 7 prefix): $win32_pass passed," \
  "$win32_fail failed"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$unit_pass" -gt 0 ] && [ "$e2e_pass" -gt 0 ] && [ "$host_pass" -gt 0 ] && [ "$zh_pass" -gt 0 ] &&
  [ "$win32_pass" -gt 0 ]
