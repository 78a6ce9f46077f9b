#!/usr/bin/env bash
# Recognised commands published to other programs by the real program: codes
# come from a TCP server of the test; an event client of the test gets their
# texts back to back, and a DDE client (a small Win32
# program) gets each by its advise link and by request. A second event client
# that never reads does not keep the first from getting every event. The DDE
# client then disappears without ending its conversation, and the program
# still closes.
source "$(dirname "$0")/lib.sh"

PEERS_PID=""
DDE_PID=""
trap '[ -n "$PEERS_PID" ] && kill "$PEERS_PID" 2>/dev/null; [ -n "$DDE_PID" ] && kill "$DDE_PID" 2>/dev/null; e2e_cleanup' EXIT

# A command of each kind of text: Power (AB) and Mute (CD) short, the third
# (EF) with a long name, to fill a client's window quickly.
command() { # NAME DIGITS CODE
  printf '[C%s]\nName=%s\nLevel=%s\nSound=\nRecognition=1\nTypematic=0\nDigits=%s\nCode=%s\nTrigCount=0\n\n' \
    "$INDEX" "$1" "$([ "$2" = 0 ] && echo 0 || echo 1)" "$2" "$3"
  INDEX=$((INDEX + 1))
}
INDEX=0
{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nDate=01.01.2030 10:00:00\nCommands=4\nLayouts=1\n\n'
  command TV 0 ""
  command Power 2 4142
  command Mute 2 4344
  command "$(printf 'L%.0s' $(seq 240))" 2 4546
  printf '[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n'
} | sed 's/$/\r/' >"$E2E_WORK/events.orv"

CODE_PORT=$((20000 + RANDOM % 10000))
EVENT_PORT=$((CODE_PORT + 1))
first_start
for name in "Use TCP/IP" "Origin enabled" "TCP/IP send remote" "TCP/IP send command" \
  "DDE send remote" "DDE send command"; do
  set_dword "$name" 1
done
set_dword "Use serial port" 0
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$CODE_PORT"
set_dword "TCP/IP server port" "$EVENT_PORT"

STATUS="$E2E_WORK/status.txt"
DDE_OUT="$E2E_WORK/dde.txt"
python3 "$(dirname "$0")/event-peers.py" e2e "$CODE_PORT" "$EVENT_PORT" "$STATUS" "$DDE_OUT" \
  >"$E2E_WORK/peers.out" 2>&1 &
PEERS_PID=$!
orvane_start "$(winepath -w "$E2E_WORK/events.orv" 2>/dev/null)"
# Three events by advise, then the client ends without a word.
wine "$ORVANE_BIN/dde-client.exe" orvane RemoteControlData OrvaneDDEServer 3 \
  "$(winepath -w "$DDE_OUT" 2>/dev/null)" >"$E2E_WORK/dde.out" 2>&1 &
DDE_PID=$!

wait "$PEERS_PID"
PEERS_STATUS=$?
PEERS_PID=""
[ "$PEERS_STATUS" -eq 0 ] || fail "the network peers: $(cat "$E2E_WORK/peers.out")"
grep -qx "first got TV, PowerTV, PowerTV, Mute" "$STATUS" || fail "event client: $(cat "$STATUS")"
pass "an event client gets each text back to back, nothing added"

for _ in $(seq 100); do kill -0 "$DDE_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$DDE_PID" 2>/dev/null && fail "the DDE client did not get its three events: $(cat "$DDE_OUT")"
DDE_PID=""
expected='linked
advise TV, Power\r\n\0
request TV, Power\r\n\0
advise TV, Power\r\n\0
request TV, Power\r\n\0
advise TV, Mute\r\n\0
request TV, Mute\r\n\0'
[ "$(tr -d '\r' <"$DDE_OUT")" = "$expected" ] || fail "the DDE client saw
$(cat "$DDE_OUT")"
pass "a DDE client gets each event by its advise link, a repeated one too, and by request"

# The slow client's window filled up, and the first client got every event.
grep -qx "first got all 400" "$STATUS" || fail "status: $(cat "$STATUS")"
read -r _ _ unread _ total < <(grep "^slow holds" "$STATUS")
[ "$unread" -gt 0 ] && [ "$unread" -lt "$total" ] || fail "the slow client: $(grep "^slow" "$STATUS")"
pass "a client that never reads ($unread of $total bytes unread) does not hold up the others"

close_program
pass "the program ends although a DDE client vanished without closing"
