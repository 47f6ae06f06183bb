#!/usr/bin/env bash
# Checks that every C++ file of the project follows .clang-format (exit 1 and a list when not), or with --fix
# rewrites them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.h.in' | grep -v '^fuzz/corpus/')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "not formatted (run scripts/format.sh --fix):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "formatting: ${#files[@]} files ok"
