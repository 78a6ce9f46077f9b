#!/usr/bin/env bash
# The origins as a user switches them on: the serial receiver on COM1 (a
# pseudo-terminal) is greeted with "I" then "R" and what it sends before that
# is no command; a missing COM1 says so and the origins stay off;
# the TV card's "grappler.dll" beside the program is polled, and its absence
# is reported; the TCP/IP client connects to a server of the test.
source "$(dirname "$0")/lib.sh"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
trap 'origins_cleanup; e2e_cleanup' EXIT

# A first start writes the defaults; every scenario below changes only what
# it needs.
first_start

# ---- The serial receiver ------------------------------------------------------
socat pty,raw,echo=0,link="$E2E_WORK/com1" pty,raw,echo=0,link="$E2E_WORK/receiver" &
SOCAT_PIDS+=($!)
for _ in $(seq 100); do [ -e "$E2E_WORK/com1" ] && [ -e "$E2E_WORK/receiver" ] && break; sleep 0.1; done
[ -e "$E2E_WORK/receiver" ] || fail "socat made no pseudo-terminals"
map_com1 "$E2E_WORK/com1"

# A command whose code is the bytes 1, 2, 3, and a log that shows each
# recognised command.
sed 's/$/\r/' >"$E2E_WORK/serial.orv" <<EOF
[File information]
Program=Orvane 4.0b
Version=4
Date=01.01.2030 10:00:00
Commands=2
Layouts=1

[C0]
Name=Receiver
Level=0
Sound=
Recognition=1
Typematic=1
Digits=0
Code=
TrigCount=0

[C1]
Name=Play
Level=1
Sound=
Recognition=1
Typematic=0
Digits=2
Code=010203
TrigCount=0

[L0]
Name=Default
Application=
WndTitle=
ActCount=0
EOF
LOG="$E2E_WORK/serial.log"
only_origins "Use serial port"
# A pseudo-terminal has no modem lines, and Wine refuses to raise RTS on it.
# DTR's failures are silent, so the greeting runs with DTR wanted.
set_dword "Serial DTR" 1
set_dword "Serial RTS" 0
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

# The receiver's side: every byte with the time it came.
exec {RX}<>"$E2E_WORK/receiver"
opened=$(now_ms)
orvane_start "$(winepath -w "$E2E_WORK/serial.orv" 2>/dev/null)"
IFS= read -r -N1 -t 30 -u "$RX" first || fail "the receiver got nothing"
at_i=$(now_ms)
# Sent before the greeting is complete: not a command.
printf '\001\002\003' >&"$RX"
IFS= read -r -N1 -t 5 -u "$RX" second || fail "the receiver got no second byte"
at_r=$(now_ms)
[ "$first$second" = "IR" ] || fail "the receiver got \"$first$second\", not \"IR\""
echo "greeting: \"I\" $((at_i - opened)) ms after the start, \"R\" $((at_r - at_i)) ms after \"I\""
sleep 0.5
printf '\001\002\003' >&"$RX"
for _ in $(seq 50); do [ -s "$LOG" ] && break; sleep 0.1; done
sleep 0.5
[ "$(tr -d '\r' <"$LOG" 2>/dev/null)" = "Receiver,Play" ] ||
  fail "the log after the greeting reads: $(cat "$LOG" 2>/dev/null)"
# Menus are private to their process under Wine, so the menu item's check
# mark is seen through the status bar, which the same switch sets.
read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: Serial port based" ||
  fail "status bar: $(read_driver panels "$TITLE" StatBar)"
close_program
exec {RX}>&-
pass "the receiver is greeted with I then R; only what it sends after that is a command"

# ---- No COM1 ------------------------------------------------------------------
# Wine links COM1 to the machine's own first serial device when the mapping
# names nothing; a folder is something no serial port can be opened on.
mkdir -p "$E2E_WORK/not-a-device"
map_com1 "$E2E_WORK/not-a-device"
set_text "Log file" ""
orvane_start
driver --timeout 30000 wait "Initialization result" || fail "no message about the missing port"
read_driver dialogtext "Initialization result" | grep -qx "Cannot open serial port COM1" ||
  fail "the message reads: $(read_driver dialogtext "Initialization result")"
driver answer "Initialization result" OK
[ "$(read_driver panels "$TITLE" StatBar | sed -n 2p)" = "" ] ||
  fail "the status bar lists origins without a port: $(read_driver panels "$TITLE" StatBar)"
close_program
pass "without COM1 the program says so and the origins stay off"

# ---- The BestBuy card's library -------------------------------------------------
# A copy of the program in a folder of its own, with the test library beside it.
APP="$E2E_WORK/app"
mkdir -p "$APP"
cp "$ORVANE_BIN/orvane.exe" "$APP/"
only_origins "Use BestBuy"
wine "$APP/orvane.exe" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 30000 wait "Initialization result" || fail "no message about the missing grappler.dll"
read_driver dialogtext "Initialization result" | grep -qx "Cannot load GRAPPLER.DLL" ||
  fail "the message reads: $(read_driver dialogtext "Initialization result")"
driver answer "Initialization result" OK
close_program

cp "$ORVANE_BIN/doubles/grappler.dll" "$APP/"
wine "$APP/orvane.exe" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 30000 wait "$TITLE" || fail "no main window"
for _ in $(seq 100); do [ "$(grep -c . "$APP/grappler-calls.txt" 2>/dev/null)" -ge 5 ] && break; sleep 0.1; done
calls=$(grep -c . "$APP/grappler-calls.txt" 2>/dev/null)
[ "${calls:-0}" -ge 5 ] || fail "grappler.dll was polled ${calls:-0} times"
[ "$(sort -u "$APP/grappler-calls.txt" | tr -d '\r')" = 17 ] || fail "GetTVParam was not asked for 17"
close_program
pass "grappler.dll beside the program is polled; without it the program says so"

# ---- The TCP/IP client ----------------------------------------------------------
PORT=$((20000 + RANDOM % 10000))
socat -u TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr SYSTEM:"echo connected >'$E2E_WORK/tcp.log'; cat >/dev/null" &
SOCAT_PIDS+=($!)
only_origins "Use TCP/IP"
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "no main window"
for _ in $(seq 100); do [ -s "$E2E_WORK/tcp.log" ] && break; sleep 0.1; done
[ -s "$E2E_WORK/tcp.log" ] || fail "the program did not connect to the server"
close_program
pass "the TCP/IP client connects to the server"
