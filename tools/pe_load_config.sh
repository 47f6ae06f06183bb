#!/usr/bin/env bash
# Post-link step of the mingw build: points an image's load-configuration directory at the table the program
# defines as _load_config_used (platform/os_api_win.cpp). GNU ld 2.40 links the table but leaves the directory
# entry empty, so the loader would never see it. Reads 32-bit (PE32) and 64-bit (PE32+) images.
# Usage: pe_load_config.sh IMAGE LINKER_MAP   (the map names the table by its C name on either architecture)
set -euo pipefail
image=$1 map=$2 symbol=_load_config_used

u() { od -An -tu"$3" -j "$2" -N"$3" "$1" | tr -d ' '; }  # u FILE OFFSET BYTES: little-endian unsigned
put32() {                                                # put32 OFFSET VALUE
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($2 & 255)) $(($2 >> 8 & 255)) $(($2 >> 16 & 255)) $(($2 >> 24)))" |
    dd of="$image" bs=1 seek="$1" conv=notrunc status=none
}

address=$(awk -v s="$symbol" '$2 == s && $1 ~ /^0x/ { print $1; exit }' "$map")
[ -n "$address" ] || { echo "$map: no $symbol" >&2; exit 1; }
pe=$(u "$image" 60 4)
optional=$((pe + 24))
# The image base and the data directories sit at different offsets of the two optional headers.
case "$(od -An -tx2 -j "$optional" -N2 "$image" | tr -d ' ')" in
  020b) base=$(u "$image" $((optional + 24)) 8) directories=$((optional + 112)) ;;
  010b) base=$(u "$image" $((optional + 28)) 4) directories=$((optional + 96)) ;;
  *) echo "$image: neither PE32 nor PE32+" >&2; exit 1 ;;
esac
rva=$((address - base))

# The table's own first field is its size; find it in the file through the section table.
sections=$((optional + $(u "$image" $((pe + 20)) 2)))
size=
for ((i = 0; i < $(u "$image" $((pe + 6)) 2); i++)); do
  header=$((sections + 40 * i))
  va=$(u "$image" $((header + 12)) 4) raw=$(u "$image" $((header + 16)) 4) at=$(u "$image" $((header + 20)) 4)
  if [ "$rva" -ge "$va" ] && [ "$rva" -lt $((va + raw)) ]; then size=$(u "$image" $((at + rva - va)) 4); fi
done
[ -n "$size" ] || { echo "$image: _load_config_used lies in no section" >&2; exit 1; }

entry=$((directories + 8 * 10))  # IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG
put32 "$entry" "$rva"
put32 $((entry + 4)) "$size"
