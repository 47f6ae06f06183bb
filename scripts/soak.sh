#!/usr/bin/env bash
# The soaks in their long forms, under Wine on a private Xvfb: 10,000 pointer passes over the main window's buttons,
# 500 About clicks, 20 relay start/stop sequences and 10,000 look changes and captions of the demo button, each
# checked for leaked handles, GDI objects and memory. The test command runs the same soaks with the least counts
# that still show a leak of one handle, one GDI object or 4 KB a cycle.
#   scripts/soak.sh [win64|win32]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}
tree=${1:-win64}
case $tree in
  win64) prefix=$build/wineprefix ;;
  win32) prefix=$build/wineprefix-win32 ;;
  *) echo "soak: no tree $tree (win64 or win32)" >&2; exit 2 ;;
esac
mkdir -p "$build"
"$root/scripts/setup-deps.sh" || exit 1
RELANTO_BUILD_DIR=$build RELANTO_TREES=$tree "$root/scripts/build.sh" || exit 1
source "$root/scripts/wine-env.sh"
export RELANTO_PRIVATE_X=1
[ "$tree" = win32 ] && export RELANTO_WINE_ARCH=win32
wine_env_setup "$prefix" 96 "$build/$tree/urllog.exe"
trap wine_env_teardown EXIT
cd "$build/$tree" &&
  RELANTO_SOAK=long timeout 1800 wine relanto_e2e_tests.exe --gtest_filter='Soak.*:NShapeDemo.LookChangesAndCaptionsLeakNothing'
