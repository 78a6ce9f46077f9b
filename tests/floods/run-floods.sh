#!/usr/bin/env bash
# Runs every flood script against the real program under Wine, one after the
# other, and prints the summary table. Exits non-zero when a scenario crashed
# the program, kept its window from answering within 200 ms, or left it
# unable to recognise and publish the next ordinary code. Not part of
# `make test`: it takes minutes and its figures depend on the machine.
#
#   tests/floods/run-floods.sh [SCRIPT...]     (make floods)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${ORVANE_FLOODS_INSIDE:-}" ]; then
  export ORVANE_FLOODS_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

export ORVANE_BIN="${ORVANE_BIN:-$root/build/windows}"
export FLOODS_SUMMARY
FLOODS_SUMMARY=$(mktemp "${TMPDIR:-/tmp}/orvane-floods.XXXXXX")
trap 'rm -f "$FLOODS_SUMMARY"' EXIT

scripts=("$@")
[ ${#scripts[@]} -gt 0 ] || scripts=(tcp-origin event-clients serial dde config)
status=0
for name in "${scripts[@]}"; do
  echo "== $name"
  bash "$root/tests/floods/flood-$name.sh" || { echo "flood-$name.sh failed"; status=1; }
done

echo
# "first ms" is how long the window, once found, took to answer at all. For
# the configuration files that is the program's own start, reading the file
# and showing what it made of it: given beside the ordinary start, not judged.
printf '%-24s %9s %10s %10s %8s %10s %10s %8s %6s\n' scenario "first ms" "worst ms" "median ms" ">200 ms" "rest MB" "peak MB" running "next"
while IFS=$'\t' read -r name worst median over rest peak alive next first; do
  printf '%-24s %9s %10s %10s %8s %10s %10s %8s %6s\n' "$name" "$first" "$worst" "$median" "$over" "$rest" "$peak" "$alive" "${next%%:*}"
  awk -v w="$worst" 'BEGIN { exit !(w != "-" && w + 0 <= 200) }' || status=1
  case "$name" in
    config-*) ;;
    *) awk -v f="$first" 'BEGIN { exit !(f != "-" && f + 0 <= 200) }' || status=1 ;;
  esac
  [ "$alive" = yes ] && [ "$next" = yes ] || status=1
done <"$FLOODS_SUMMARY"
exit $status
