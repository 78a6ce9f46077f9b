#!/usr/bin/env bash
# The origin test viewer on the TCP/IP origin: a code from the test's server
# is shown as its line, and nothing is logged or dispatched; once the viewer
# is closed the origins are on again and the same code is recognised.
source "$(dirname "$0")/lib.sh"

SOCAT_PID=""
trap '[ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null; e2e_cleanup' EXIT
VIEWER="Test origin"
LOG="$E2E_WORK/commands.log"

write_tv_net_config "$E2E_WORK/codes.orv" ""

# Every connection gets the code AB a moment after it is made.
PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr,fork SYSTEM:"sleep 1; printf AB; cat >/dev/null" &
SOCAT_PID=$!

# The origins start off, so that nothing connects before the viewer.
first_start
set_dword "Use serial port" 0
set_dword "Use keyboard trapping" 1
set_dword "Use TCP/IP" 1
set_dword "Origin enabled" 0
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

orvane_start "$(winepath -w "$E2E_WORK/codes.orv" 2>/dev/null)"
driver --timeout 30000 wait "$TITLE" || fail "no main window"
before=$(read_driver selected "$TITLE" CommandsTree)
driver click "$TITLE" TestOriginMenu
driver wait "$VIEWER" || fail "no viewer"
[ "$(read_driver items "$VIEWER" ShowDataFromCoBx)" = "Keyboard press trapping
TCP/IP" ] || fail "origins listed: $(read_driver items "$VIEWER" ShowDataFromCoBx)"
[ "$(read_driver selected "$VIEWER" DataFormatCoBx)" = Decimal ] || fail "format: $(read_driver selected "$VIEWER" DataFormatCoBx)"

driver select "$VIEWER" ShowDataFromCoBx "TCP/IP"
driver expect "$VIEWER" Memo "AB" || fail "the viewer shows \"$(read_driver text "$VIEWER" Memo)\""
[ -e "$LOG" ] && fail "the viewer's code was logged: $(cat "$LOG")"
# A dispatched command would be selected in the tree.
[ "$(read_driver selected "$TITLE" CommandsTree)" = "$before" ] ||
  fail "the tree's selection moved from \"$before\" to \"$(read_driver selected "$TITLE" CommandsTree)\""
[ -n "${ORVANE_SHOTS:-}" ] && import -window root "$ORVANE_SHOTS/test-origin.png"
pass "with the viewer open the server's code is its line, not a command"

driver click "$VIEWER" CloseBtn
for _ in $(seq 100); do [ -s "$LOG" ] && break; sleep 0.1; done
[ "$(tr -d '\r' <"$LOG" 2>/dev/null | head -n 1)" = "TV,Net" ] || fail "after the viewer the log reads: $(cat "$LOG" 2>/dev/null)"
read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: Keyboard press trapping, TCP/IP" ||
  fail "status bar: $(read_driver panels "$TITLE" StatBar)"
[ "$(read_driver selected "$TITLE" CommandsTree)" = "TV/Net" ] || fail "selected: $(read_driver selected "$TITLE" CommandsTree)"
pass "after the viewer the origins are on and the same code is a command"

close_program
