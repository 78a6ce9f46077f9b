#!/usr/bin/env bash
# What the real program costs while nothing arrives: every origin that can
# run here switched on (the serial receiver on a pseudo-terminal, the TV
# card's test library polled every 50 ms, keyboard trapping, the AVerMedia
# window, the TCP/IP client connected to a server that sends nothing), and
# the processor time its Wine process uses over SECONDS, as a share of one
# core. Beside it, in the same seconds, a trivial Win32 window program
# (tests/doubles/keyhook-probe without its library) idling, and the Wine
# server that both talk to.
#
#   scripts/measure-idle.sh [--seconds N] [--bin DIR]
#
# Needs the windows build (build/windows, or DIR: another build's tree, to
# measure it beside this one). Runs in a throwaway Wine prefix
# and virtual X server of its own (tests/wine/with-wine). Not a test: its
# figures depend on the machine and on what else runs on it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${ORVANE_MEASURE_INSIDE:-}" ]; then
  export ORVANE_MEASURE_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

bin="$root/build/windows"
seconds=60
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --bin) bin=$(cd "$2" && pwd) || exit 2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--bin DIR]" >&2; exit 2 ;;
  esac
done

export ORVANE_BIN="$bin"
source "$root/tests/e2e/lib.sh"
source "$root/scripts/measure-origins.sh"
PROBE_PID=""
SERVER_PID=""
trap '[ -n "$PROBE_PID" ] && kill "$PROBE_PID" 2>/dev/null; [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null
  serial_cleanup; e2e_cleanup' EXIT

CODE_PORT=$((20000 + RANDOM % 10000))
first_start
serial_com1
all_origins "$E2E_WORK/app" "$CODE_PORT"
# A server that takes the connection and sends nothing.
socat -u TCP-LISTEN:$CODE_PORT,bind=127.0.0.1,reuseaddr SYSTEM:"echo connected >'$E2E_WORK/tcp.log'; cat >/dev/null" &
SERVER_PID=$!
# The receiver's side stays open, silent.
exec {RX}<>"$E2E_WORK/receiver"

# The baseline: a window, its thread waiting for messages (and a second one
# waiting on a standard input that never brings a line).
PROBE="Idle probe"
mkfifo "$E2E_WORK/probe.in"
exec {HOLD}<>"$E2E_WORK/probe.in"
wine "$ORVANE_BIN/keyhook-probe.exe" "$PROBE" <"$E2E_WORK/probe.in" >/dev/null 2>&1 &
PROBE_PID=$!
driver --timeout 30000 wait "$PROBE" >/dev/null || fail "no probe window"

wine "$E2E_WORK/app/orvane.exe" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 30000 wait "$TITLE" >/dev/null || fail "no main window"
origins="Origin enabled: Serial port based, IR server, AVerMedia TV Series Remote, BestBuy EasyTV,"
origins+=" Creative iNFRA CD-ROM drive, Keyboard press trapping, TCP/IP"
status=$(read_driver panels "$TITLE" StatBar | sed -n 2p)
[ "$status" = "$origins" ] || fail "not every origin runs: the status bar lists \"$status\""
for _ in $(seq 100); do [ -s "$E2E_WORK/tcp.log" ] && break; sleep 0.1; done
[ -s "$E2E_WORK/tcp.log" ] || fail "the program did not connect to the server"
polls() { grep -c . "$E2E_WORK/app/grappler-calls.txt" 2>/dev/null || echo 0; }
[ "$(polls)" -gt 0 ] || { sleep 1; [ "$(polls)" -gt 0 ] || fail "the TV card library is not polled"; }
sleep 5 # what the start leaves to do settles

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
for pid in "$ORVANE_PID" "$PROBE_PID"; do [ -r "/proc/$pid/stat" ] || fail "process $pid is gone"; done
# The server of this prefix (other prefixes may run on the machine): it
# works in a folder named after the prefix's device and inode.
server=""
folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
for pid in $(pgrep -u "$(id -u)" wineserver); do
  [ "$(basename "$(readlink "/proc/$pid/cwd")")" = "$folder" ] && server=$pid
done
o0=$(ticks "$ORVANE_PID") p0=$(ticks "$PROBE_PID") s0=$(ticks "${server:-self}") polls0=$(polls)
t0=$(date +%s.%N)
sleep "$seconds"
o1=$(ticks "$ORVANE_PID") p1=$(ticks "$PROBE_PID") s1=$(ticks "${server:-self}") polls1=$(polls)
t1=$(date +%s.%N)
hz=$(getconf CLK_TCK)
share() { echo "scale=3; 100 * ($2 - $1) / $hz / ($t1 - $t0)" | bc; }
printf 'orvane %s %%  probe %s %%  wineserver %s %%  (of one core, over %.1f s; %d TV card polls)\n' \
  "$(share "$o0" "$o1")" "$(share "$p0" "$p1")" "$([ -n "$server" ] && share "$s0" "$s1" || echo ?)" \
  "$(echo "$t1 - $t0" | bc)" $((polls1 - polls0))
close_program
