#!/usr/bin/env bash
# How quickly the real program publishes a recognised command: the time from
# a code sent by a TCP server (the program's TCP/IP origin) to its event text
# arriving at a TCP/IP event client, over COUNT codes, one at a time; prints
# the median and the 95th percentile. With --slow a second event client that
# never reads stays connected the whole time.
#
#   scripts/measure-event-latency.sh [--count N] [--slow]
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

count=220
slow=""
while [ $# -gt 0 ]; do
  case "$1" in
    --count) count=$2; shift 2 ;;
    --slow) slow=--slow; shift ;;
    *) echo "usage: $0 [--count N] [--slow]" >&2; exit 2 ;;
  esac
done

export ORVANE_BIN="$root/build/windows"
source "$root/tests/e2e/lib.sh"

{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nDate=01.01.2030 10:00:00\nCommands=2\nLayouts=1\n\n'
  printf '[C0]\nName=TV\nLevel=0\nSound=\nRecognition=1\nTypematic=0\nDigits=0\nCode=\nTrigCount=0\n\n'
  printf '[C1]\nName=Power\nLevel=1\nSound=\nRecognition=1\nTypematic=0\nDigits=2\nCode=4142\nTrigCount=0\n\n'
  printf '[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n'
} | sed 's/$/\r/' >"$E2E_WORK/latency.orv"

CODE_PORT=$((20000 + RANDOM % 10000))
EVENT_PORT=$((CODE_PORT + 1))
first_start
for name in "Use TCP/IP" "Origin enabled" "TCP/IP send remote" "TCP/IP send command"; do set_dword "$name" 1; done
set_dword "Use serial port" 0
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$CODE_PORT"
set_dword "TCP/IP server port" "$EVENT_PORT"

python3 "$root/tests/e2e/event-peers.py" latency "$CODE_PORT" "$EVENT_PORT" "$count" $slow &
PEERS=$!
orvane_start "$(winepath -w "$E2E_WORK/latency.orv" 2>/dev/null)"
wait "$PEERS" || fail "the measurement failed"
close_program
