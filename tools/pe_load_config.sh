#!/usr/bin/env bash
# Post-link step of the mingw build: points a 64-bit image's load-configuration directory at the table the
# program defines as _load_config_used (platform/os_api_win.cpp). GNU ld 2.40 links the table but leaves the
# directory entry empty, so the loader would never see it. Usage: pe_load_config.sh IMAGE LINKER_MAP
set -euo pipefail
image=$1 map=$2

u() { od -An -tu"$3" -j "$2" -N"$3" "$1" | tr -d ' '; }  # u FILE OFFSET BYTES: little-endian unsigned
put32() {                                                # put32 OFFSET VALUE
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($2 & 255)) $(($2 >> 8 & 255)) $(($2 >> 16 & 255)) $(($2 >> 24)))" |
    dd of="$image" bs=1 seek="$1" conv=notrunc status=none
}

address=$(awk '$2 == "_load_config_used" && $1 ~ /^0x/ { print $1; exit }' "$map")
[ -n "$address" ] || { echo "$map: no _load_config_used" >&2; exit 1; }
pe=$(u "$image" 60 4)
optional=$((pe + 24))
[ "$(od -An -tx2 -j "$optional" -N2 "$image" | tr -d ' ')" = 020b ] || { echo "$image: not PE32+" >&2; exit 1; }
rva=$((address - $(u "$image" $((optional + 24)) 8)))

# The table's own first field is its size; find it in the file through the section table.
sections=$((optional + $(u "$image" $((pe + 20)) 2)))
size=
for ((i = 0; i < $(u "$image" $((pe + 6)) 2); i++)); do
  header=$((sections + 40 * i))
  va=$(u "$image" $((header + 12)) 4) raw=$(u "$image" $((header + 16)) 4) at=$(u "$image" $((header + 20)) 4)
  if [ "$rva" -ge "$va" ] && [ "$rva" -lt $((va + raw)) ]; then size=$(u "$image" $((at + rva - va)) 4); fi
done
[ -n "$size" ] || { echo "$image: _load_config_used lies in no section" >&2; exit 1; }

entry=$((optional + 112 + 8 * 10))  # IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG
put32 "$entry" "$rva"
put32 $((entry + 4)) "$size"
