#!/usr/bin/env bash
# How long the real program takes to start under Wine with a warm prefix,
# beside a trivial Win32 window program started the same way in the same
# run (tests/doubles/keyhook-probe without its library): from `wine EXE` to a
# top-level window of that title answering a sent message (the driver's
# WM_GETTEXT), RUNS times each, in turns; prints both medians and their ratio,
# and the load average.
#
#   scripts/measure-start.sh [--runs N] [--base FILE]
#
# --base FILE starts another build of orvane.exe too (say, one kept from
# before a change), in the same turns, and prints its median and its ratio
# to this build's.
#
# Needs the windows build (build/windows). Runs in a throwaway Wine prefix
# and virtual X server of its own (tests/wine/with-wine). Not a test: its
# figures depend on the machine and on what else runs on it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${ORVANE_MEASURE_INSIDE:-}" ]; then
  export ORVANE_MEASURE_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

runs=7
base=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --base) base=$(realpath "$2"); shift 2 ;;
    *) echo "usage: $0 [--runs N] [--base FILE]" >&2; exit 2 ;;
  esac
done

export ORVANE_BIN="$root/build/windows"
source "$root/tests/e2e/lib.sh"
PROBE="Start probe"
# The probe ends at the end of its standard input: one that never ends.
mkfifo "$E2E_WORK/probe.in"
exec {HOLD}<>"$E2E_WORK/probe.in"

# Seconds from the start to the window answering.
start_once() { # title exe [args]
  local title=$1 start end pid
  shift
  start=$(date +%s.%N)
  wine "$@" <"$E2E_WORK/probe.in" >/dev/null 2>&1 &
  pid=$!
  driver --timeout 300000 wait "$title" >/dev/null || fail "no window \"$title\""
  end=$(date +%s.%N)
  driver close "$title"
  wait "$pid"
  echo "$end - $start" | bc
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The first start writes the settings' defaults, the first of each program
# warms the prefix: neither is measured.
first_start
start_once "$PROBE" "$ORVANE_BIN/keyhook-probe.exe" "$PROBE" >/dev/null
start_once "$TITLE" "$ORVANE_BIN/orvane.exe" >/dev/null
[ -z "$base" ] || start_once "$TITLE" "$base" >/dev/null
load_before=$(cut -d' ' -f1 /proc/loadavg)
# In turns, so that what else the machine does weighs on all alike.
for _ in $(seq "$runs"); do
  start_once "$TITLE" "$ORVANE_BIN/orvane.exe" >>"$E2E_WORK/orvane.times"
  start_once "$PROBE" "$ORVANE_BIN/keyhook-probe.exe" "$PROBE" >>"$E2E_WORK/probe.times"
  [ -z "$base" ] || start_once "$TITLE" "$base" >>"$E2E_WORK/base.times"
done
load_after=$(cut -d' ' -f1 /proc/loadavg)
echo "orvane: $(tr '\n' ' ' <"$E2E_WORK/orvane.times")" >&2
echo "probe: $(tr '\n' ' ' <"$E2E_WORK/probe.times")" >&2
[ -z "$base" ] || echo "base: $(tr '\n' ' ' <"$E2E_WORK/base.times")" >&2
ours=$(median <"$E2E_WORK/orvane.times")
probe=$(median <"$E2E_WORK/probe.times")
printf 'orvane %.3f s  probe %.3f s  ratio %.2f  load %s to %s  (median of %d starts each)\n' \
  "$ours" "$probe" "$(echo "scale=3; $ours / $probe" | bc)" "$load_before" "$load_after" "$runs"
if [ -n "$base" ]; then
  theirs=$(median <"$E2E_WORK/base.times")
  printf 'base %.3f s  ratio to the probe %.2f  this build / base %.2f\n' \
    "$theirs" "$(echo "scale=3; $theirs / $probe" | bc)" "$(echo "scale=3; $ours / $theirs" | bc)"
fi
