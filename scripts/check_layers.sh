#!/usr/bin/env bash
# Checks the layer order of the product's folders: platform <- controls <- guides <- app. A file may include files
# of its own layer and of the layers below it; an include of a layer above, or of tests/, tools/, bench/ or fuzz/,
# is listed and makes the check fail. Those four folders themselves may include anything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

layers=(platform controls guides app)
# Each folder's place in the order; folders no layer may include come last, anything else (res/, generated and
# system headers) is open to every layer.
declare -A rank=([platform]=0 [controls]=1 [guides]=2 [app]=3 [tests]=9 [tools]=9 [bench]=9 [fuzz]=9)

checked=0
bad=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  [[ $text =~ include[[:space:]]*[\<\"]([^\>\"]*) ]] || continue
  target=${BASH_REMATCH[1]}
  # A quoted name is looked for beside the including file first, as the compilers do.
  if [[ $text == *'"'* ]] && [ -e "${file%/*}/$target" ]; then
    target=$(realpath -m --relative-to="$root" "${file%/*}/$target")
  fi
  checked=$((checked + 1))
  own=${rank[${file%%/*}]}
  folder=${target%%/*}
  theirs=-1
  if [ -n "$folder" ] && [ -n "${rank[$folder]+set}" ]; then theirs=${rank[$folder]}; fi
  if [ "$theirs" -gt "$own" ]; then
    echo "$file:$line: includes $target, which ${file%%/*}/ may not use"
    bad=$((bad + 1))
  fi
done < <(grep -rnHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "${layers[@]}" \
  --include='*.h' --include='*.cpp' --include='*.h.in' --include='*.rc')

if [ "$bad" -gt 0 ]; then
  echo "layers: $bad of $checked includes run against the order platform <- controls <- guides <- app"
  exit 1
fi
echo "layers: $checked includes follow the order platform <- controls <- guides <- app"
