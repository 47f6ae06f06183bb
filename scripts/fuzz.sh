#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build/fuzz and runs each for a bounded time:
#   scripts/fuzz.sh [seconds per target, default 30] [target ...]
# Each target starts from its seed corpus in fuzz/corpus/<target> (kept as it is) and a working corpus in
# build/fuzz/corpus/<target> (grown by the runs). Prints the executions done per target and "ok" or the crash;
# exits non-zero when any target crashed or could not run.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RELANTO_BUILD_DIR:-$root/build}/fuzz
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(design value convert stored_number)

case $seconds in
  '' | *[!0-9]*) echo "fuzz: the time per target must be a whole number of seconds, not '$seconds'" >&2; exit 2 ;;
esac

"$root/scripts/setup-deps.sh" || exit 1
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing (scripts/setup-deps.sh installs it)" >&2
  exit 1
fi

mkdir -p "$build"
if ! cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >"$build/configure.log" 2>&1; then
  cat "$build/configure.log"
  exit 1
fi
if ! cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi

symbolizer=$(command -v llvm-symbolizer || ls /usr/lib/llvm-*/bin/llvm-symbolizer 2>/dev/null | head -1)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer UBSAN_SYMBOLIZER_PATH=$symbolizer
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0

ok=0
crashed=0
for target in "${targets[@]}"; do
  exe=$build/fuzz_$target
  seeds=$root/fuzz/corpus/$target
  work=$build/corpus/$target
  artifacts=$build/artifacts/$target/
  log=$build/$target.log
  if [ ! -x "$exe" ] || [ ! -d "$seeds" ]; then
    echo "fuzz $target: no such target"
    crashed=$((crashed + 1))
    continue
  fi
  mkdir -p "$work" "$artifacts"
  # Designs are a few kilobytes; single values stay short.
  max_len=512
  [ "$target" = design ] && max_len=8192
  "$exe" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$work" "$seeds" >"$log" 2>&1
  rc=$?
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
  if [ "$rc" -eq 0 ]; then
    echo "fuzz $target: ${runs:-0} executions in ${seconds} s, ok"
    ok=$((ok + 1))
  else
    crashed=$((crashed + 1))
    echo "fuzz $target: CRASH after ${runs:-?} executions (exit code $rc); log $log"
    grep -E '^\*\*\* (broken|detail)|^SUMMARY|ERROR: (Address|Leak|libFuzzer)|runtime error' "$log" | head -8 | sed 's/^/    /'
    artifact=$(grep -Eo 'Test unit written to [^ ]+' "$log" | tail -1 | sed 's/Test unit written to //')
    [ -n "$artifact" ] && echo "    input kept in $artifact (replay: $exe $artifact)"
  fi
done
echo "fuzz targets: $ok ok, $crashed crashed"
[ "$crashed" -eq 0 ]
