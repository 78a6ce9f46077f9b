#!/usr/bin/env bash
# Runs fuzz targets of `make fuzz` one after another, each for SECONDS, with a
# working corpus of its own in build/fuzz/corpus/NAME seeded from
# tests/fuzz/corpus/NAME (and the dictionary tests/fuzz/NAME.dict if any).
# Crashing inputs land in build/fuzz/crashes. Usage:
#   scripts/run-fuzz.sh SECONDS [NAME...]     (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?seconds per target}
shift
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in tests/fuzz/*Fuzz.cpp; do n=$(basename "$f" .cpp); names+=("${n%Fuzz}"); done
fi
mkdir -p build/fuzz/crashes
for name in "${names[@]}"; do
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds+=("tests/fuzz/corpus/$name")
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict+=("-dict=tests/fuzz/$name.dict")
  echo "== $name"
  "build/fuzz/${name}Fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/crashes/$name-" "${dict[@]}" "$corpus" "${seeds[@]}" 2>&1 | tail -n 25
done
