#!/usr/bin/env bash
# Runs fuzz targets of `make fuzz` one after another, each for SECONDS, with a
# working corpus of its own in build/fuzz/corpus/NAME seeded from
# tests/fuzz/corpus/NAME (and the dictionary tests/fuzz/NAME.dict if any).
# Crashing inputs land in build/fuzz/crashes, each run's output in
# build/fuzz/NAME.log; the summary shows its last coverage line. Usage:
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
failed=0
for name in "${names[@]}"; do
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds+=("tests/fuzz/corpus/$name")
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict+=("-dict=tests/fuzz/$name.dict")
  status=0
  "build/fuzz/${name}Fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/crashes/$name-" "${dict[@]}" "$corpus" "${seeds[@]}" >"build/fuzz/$name.log" 2>&1 ||
    status=$?
  echo "== $name (exit $status)"
  grep 'cov:' "build/fuzz/$name.log" | tail -n 1
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^SUMMARY|ERROR' "build/fuzz/$name.log" || true
  failed=$((failed + (status != 0)))
done
exit $((failed != 0))
