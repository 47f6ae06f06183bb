#!/usr/bin/env bash
# Console-start stress under Wine, on a machine kept busy by two busy loops: starts consoles the way Relanto.exe
# does and prints how many starts were retried and how many were lost.
#   bash scripts/stress.sh [starts=3000] [batch=8] [minutes=25]
# RELANTO_WINE_ASLR=1 runs Wine with address-space randomization, as before the test environment turned it off.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/build-for-wine.sh"
wine_env_setup "$build/wineprefix" 96
busy=()
for _ in 1 2; do
  (while :; do :; done) &
  busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null; wine_env_teardown' EXIT
echo "[stress] address-space randomization: $([ "${RELANTO_WINE_ASLR:-0}" = 1 ] && echo on || echo off)," \
  "two busy loops"
# Output goes to a file, never a pipe: Wine's helper processes would hold a pipe open.
(cd "$build/win64" && wine ConsoleStress.exe "$@") >"$build/stress.log" 2>&1
rc=$?
cat "$build/stress.log"
exit $rc
