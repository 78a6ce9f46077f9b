#!/usr/bin/env bash
# Random bytes into the serial receiver's pseudo-terminal at full speed for
# 30 seconds (FLOOD_SECONDS), after the receiver's greeting.
source "$(dirname "$0")/lib.sh"

SOCAT_PID=""
serial_cleanup() {
  [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null
  [ -n "$ORVANE_PID" ] && kill "$ORVANE_PID" 2>/dev/null
  wine reg delete "$PORTS" /v COM1 /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
}
trap 'serial_cleanup; e2e_cleanup' EXIT
# map_com1 and PORTS come from the end-to-end tests' library.

write_flood_config "$E2E_WORK/flood.orv"
first_start
socat pty,raw,echo=0,link="$E2E_WORK/com1" pty,raw,echo=0,link="$E2E_WORK/receiver" &
SOCAT_PID=$!
for _ in $(seq 100); do [ -e "$E2E_WORK/com1" ] && [ -e "$E2E_WORK/receiver" ] && break; sleep 0.1; done
[ -e "$E2E_WORK/receiver" ] || fail "socat made no pseudo-terminals"
map_com1 "$E2E_WORK/com1"
for name in "Use AVerMedia" "Use BestBuy" "Use keyboard trapping" "Use TCP/IP"; do set_dword "$name" 0; done
set_dword "Use serial port" 1
set_dword "Origin enabled" 1
# A pseudo-terminal has no modem lines; Wine refuses to raise RTS on it.
set_dword "Serial DTR" 1
set_dword "Serial RTS" 0
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

exec {RX}<>"$E2E_WORK/receiver"
orvane_start "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)"
IFS= read -r -N1 -t 30 -u "$RX" first || fail "the receiver got nothing"
IFS= read -r -N1 -t 5 -u "$RX" second || fail "the receiver got no second byte"
[ "$first$second" = "IR" ] || fail "the receiver got \"$first$second\", not \"IR\""
baseline
measure_start "serial-${FLOOD_SECONDS:-30}s"
python3 "$PEERS" serial "$E2E_WORK/receiver" "${FLOOD_SECONDS:-30}"
# The last sequence of the flood ends 125 ms after its first byte.
sleep 1
# The log file exists only once a line has been written.
log_count() { cat "$LOG" 2>/dev/null | grep -c .; }
before=$(log_count)
printf '\001\002\003' >&"$RX"
next=no
for _ in $(seq 50); do
  if [ "$(log_count)" -gt "$before" ]; then
    [ "$(tail -n 1 "$LOG" | tr -d '\r')" = "TV,Play" ] && next=yes
    break
  fi
  sleep 0.1
done
echo "log lines during the flood (junk that happened to match): $before; after the code: $(tail -n 1 "$LOG" | tr -d '\r')"
measure_stop "$next"
close_flooded
exec {RX}>&-
