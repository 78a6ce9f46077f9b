#!/usr/bin/env bash
# Writes the stored form of a file as the program carries it (uncompressed):
# the file's length as a 32-bit little-endian integer, then its bytes.
#   scripts/file-data.sh INPUT OUTPUT
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 INPUT OUTPUT" >&2; exit 2; }
input=$1
output=$2

size=$(stat -c %s "$input")
# The length is a signed 32-bit number.
[ "$size" -le 2147483647 ] || { echo "$input: too large to store ($size bytes)" >&2; exit 1; }

# Written beside the target and moved into place, so that an interrupted
# build never leaves a file that looks complete.
tmp="$output.tmp$$"
trap 'rm -f "$tmp"' EXIT
printf "$(printf '\\%03o\\%03o\\%03o\\%03o' \
  $((size & 255)) $(((size >> 8) & 255)) $(((size >> 16) & 255)) $(((size >> 24) & 255)))" >"$tmp"
cat "$input" >>"$tmp"
[ "$(stat -c %s "$tmp")" -eq $((size + 4)) ] || { echo "$output: short write" >&2; exit 1; }
mv "$tmp" "$output"
trap - EXIT
