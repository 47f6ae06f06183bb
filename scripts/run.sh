#!/usr/bin/env bash
# Builds Relanto.exe and runs it under Wine in a demo folder where the project's stand-in adb.exe and
# gnirehtet.exe take the place of the real tools. Uses $DISPLAY when set; otherwise a private Xvfb, a
# screenshot of which is saved and its path printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
mkdir -p "$build"
"$root/scripts/setup-deps.sh"
RELANTO_BUILD_DIR=$build "$root/scripts/build.sh"

demo="$build/demo"
rm -rf "$demo"
mkdir -p "$demo/.Client"
cp "$build/win64/Relanto.exe" "$build/win64/adb.exe" "$build/win64/gnirehtet.exe" "$demo/"
# The driver DLLs only need to exist for the start-up check; the stand-in adb does not load them.
printf 'stand-in' >"$demo/AdbWinApi.dll"
printf 'stand-in' >"$demo/AdbWinUsbApi.dll"
printf 'stand-in' >"$demo/.Client/gnirehtet.apk"

source "$root/scripts/wine-env.sh"
headless=0
[ -z "${DISPLAY:-}" ] && headless=1
# The users' Windows: Simplified Chinese, code page 936 (the prefix the tests' Chinese round uses). Its consoles
# draw Chinese in the monospace face with Chinese glyphs the prefix names.
export RELANTO_WINE_LANG=zh_CN.UTF-8
wine_env_setup "$build/wineprefix-zh" 96 "$build/win64/urllog.exe"
export RELANTO_STANDIN_LOG="$(winepath -w "$demo/standin.log")"
# The demo's adb answers `adb devices` with one phone attached, as the real tool does.
export RELANTO_STANDIN_DEVICE=0123456789ABCDEF
cd "$demo"
if [ "$headless" = 0 ]; then
  echo "[run] Relanto.exe on $DISPLAY; the stand-ins log to $demo/standin.log"
  wine Relanto.exe >"$build/run.log" 2>&1 || true
  wineserver -k || true
  exit 0
fi

trap wine_env_teardown EXIT
wine Relanto.exe >"$build/run.log" 2>&1 &
# Wait for the main window (by its caption) and the device-check console rather than for a fixed time.
for _ in $(seq 1 200); do
  xdotool search --name 'Relanto @Varnik' >/dev/null 2>&1 && xdotool search --name '设备连接检测结果' >/dev/null 2>&1 &&
    break
  sleep 0.05
done
sleep 0.5  # let the first paint land before the picture is taken
shot="$build/relanto-screenshot.png"
/usr/bin/import -window root "$shot"
echo "[run] screenshot: $shot"
echo "[run] stand-in log:"
cat "$demo/standin.log" 2>/dev/null || true
