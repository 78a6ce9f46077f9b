#!/usr/bin/env bash
# The origins through the system's sleep, told by the power broadcasts the
# system sends: going to sleep closes the serial port and the TCP/IP
# connection, waking up (told twice, as Windows does) opens and greets the
# receiver again and reconnects once, and codes are recognised afterwards.
# Then the pseudo-terminal vanishes, as an adapter pulled out: one message.
source "$(dirname "$0")/lib.sh"
trap 'origins_cleanup; e2e_cleanup' EXIT

WM_POWERBROADCAST=0x218
PBT_APMSUSPEND=4
PBT_APMRESUMESUSPEND=7
PBT_APMRESUMEAUTOMATIC=0x12

first_start

socat pty,raw,echo=0,link="$E2E_WORK/com1" pty,raw,echo=0,link="$E2E_WORK/receiver" &
SERIAL_PID=$!
SOCAT_PIDS+=("$SERIAL_PID")
for _ in $(seq 100); do [ -e "$E2E_WORK/com1" ] && [ -e "$E2E_WORK/receiver" ] && break; sleep 0.1; done
[ -e "$E2E_WORK/receiver" ] || fail "socat made no pseudo-terminals"
map_com1 "$E2E_WORK/com1"
# Held open here too, so that the pseudo-terminal outlives the program's
# closing it at the sleep (socat ends when the last user of a side goes).
exec {HOLD}<>"$E2E_WORK/com1"

# Every connection and its end, as the TCP/IP server sees them.
TCP_LOG="$E2E_WORK/tcp.log"
PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr,fork \
  SYSTEM:"echo connected >>'$TCP_LOG'; cat >/dev/null; echo closed >>'$TCP_LOG'" &
SOCAT_PIDS+=($!)
tcp_count() { grep -c "^$1\$" "$TCP_LOG" 2>/dev/null; }
wait_tcp() {
  for _ in $(seq 200); do [ "$(tcp_count "$1")" = "$2" ] && return 0; sleep 0.1; done
  fail "the server saw $(tcp_count "$1") times \"$1\", not $2"
}

write_tv_net_config "$E2E_WORK/sleep.orv" ""
# The code of "Net" (AB) on the serial port, in bytes of one value each.
set_dword "Value size" 1
LOG="$E2E_WORK/sleep.log"
only_origins "Use serial port" "Use TCP/IP"
set_dword "Serial DTR" 1
set_dword "Serial RTS" 0
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

exec {RX}<>"$E2E_WORK/receiver"
greeted() {
  local first second
  IFS= read -r -N1 -t 30 -u "$RX" first || fail "the receiver got nothing $1"
  IFS= read -r -N1 -t 5 -u "$RX" second || fail "the receiver got one byte $1"
  [ "$first$second" = "IR" ] || fail "the receiver got \"$first$second\" $1"
}
# A press of "Net" on the receiver, seen as line N of the log.
press() {
  local lines
  printf 'AB' >&"$RX"
  for _ in $(seq 100); do
    lines=$(grep -c . "$LOG" 2>/dev/null)
    [ "${lines:-0}" -ge "$1" ] && break
    sleep 0.1
  done
  [ "$(grep -c 'TV,Net' "$LOG" 2>/dev/null)" = "$1" ] || fail "the log after press $1 reads: $(cat "$LOG" 2>/dev/null)"
}

orvane_start "$(winepath -w "$E2E_WORK/sleep.orv" 2>/dev/null)"
driver --timeout 30000 wait "$TITLE" || fail "no main window"
greeted "at the start"
wait_tcp connected 1
sleep 0.3
press 1

driver post "$TITLE" $WM_POWERBROADCAST $PBT_APMSUSPEND || fail "the suspend could not be posted"
wait_tcp closed 1
# The system tells a wake-up twice: automatic, then again for the user.
driver post "$TITLE" $WM_POWERBROADCAST $PBT_APMRESUMEAUTOMATIC
driver post "$TITLE" $WM_POWERBROADCAST $PBT_APMRESUMESUSPEND
greeted "after the wake-up"
wait_tcp connected 2
sleep 0.3
press 2
[ "$(tcp_count connected)" = 2 ] || fail "the wake-up reconnected $(($(tcp_count connected) - 1)) times"
read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: Serial port based, TCP/IP" ||
  fail "status bar after the wake-up: $(read_driver panels "$TITLE" StatBar)"
pass "a sleep closes the serial port and the connection; the wake-up opens, greets and reconnects once"

# The pseudo-terminal goes, as an adapter pulled out.
exec {HOLD}>&-
exec {RX}>&-
kill "$SERIAL_PID"
wait "$SERIAL_PID" 2>/dev/null
driver --timeout 30000 wait "Orvane" || fail "no message about the vanished port"
message=$(read_driver dialogtext "Orvane")
echo "$message" | grep -Eqx "(Operation failed|Operation aborted|Unable to read com status): [0-9]+" ||
  fail "the message reads: $message"
driver answer "Orvane" OK
[ "$(read_driver panels "$TITLE" StatBar | sed -n 2p)" = "" ] ||
  fail "the status bar still lists the origins: $(read_driver panels "$TITLE" StatBar)"
# Whatever the dead device still raises is not told again.
if driver --timeout 3000 wait "Orvane" 2>/dev/null; then
  fail "a second message: $(read_driver dialogtext "Orvane")"
fi
close_program
pass "a vanished port is reported once (\"$message\") and the switch shows the origins off"
