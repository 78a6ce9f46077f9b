#!/usr/bin/env bash
# The settings dialog opened from the main window: a change on each tab is in
# the registry at once, and the program acts on it. A TCP server sends the
# code "ACC" to every connection; the learned code is "ABC", so it is recognised
# (a line in the log) only while the tolerance is at least 1.
source "$(dirname "$0")/lib.sh"

SOCAT_PID=""
trap '[ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null; e2e_cleanup' EXIT
SHOTS=${ORVANE_SHOTS:-$E2E_WORK}
DIALOG="Settings"

setting() { wine reg query 'HKCU\Software\Orvane' /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$0 ~ n {print $(NF-1), $NF}'; }
expect_setting() { # NAME "TYPE VALUE"
  local got=""
  for _ in $(seq 30); do got=$(setting "$1"); [ "$got" = "$2" ] && return 0; sleep 0.2; done
  fail "\"$1\" reads \"$got\", not \"$2\""
}
LOG="$E2E_WORK/commands.log"
log_count() { tr -d '\r' <"$LOG" 2>/dev/null | wc -l; }
expect_log_count() { # COUNT WHAT
  for _ in $(seq 60); do [ "$(log_count)" -ge "$1" ] && break; sleep 0.1; done
  sleep 1
  [ "$(log_count)" -eq "$1" ] || fail "$2: the log has $(log_count) lines, not $1"
}
open_settings() {
  driver click "$TITLE" SettingsBtn
  driver --timeout 10000 wait "$DIALOG" || fail "the settings dialog did not open"
}
tab() { # CAPTION SHOT
  driver select "$DIALOG" PageCtrl "$1"
  sleep 0.5
  import -window root "$SHOTS/$2.png" 2>/dev/null
}
accept() { driver click "$DIALOG" AcceptBtn; sleep 1; }

sed 's/$/\r/' >"$E2E_WORK/codes.orv" <<CONF
[File information]
Program=Orvane 4.0b
Version=4
Date=01.01.2030 10:00:00
Commands=2
Layouts=1

[C0]
Name=TV
Level=0
Sound=
Recognition=1
Typematic=1
Digits=0
Code=
TrigCount=0

[C1]
Name=Net
Level=1
Sound=
Recognition=1
Typematic=0
Digits=2
Code=414243
TrigCount=0

[L0]
Name=Default
Application=
WndTitle=
ActCount=0
CONF

PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr,fork SYSTEM:"sleep 1; printf ACC; cat >/dev/null" >/dev/null 2>&1 &
SOCAT_PID=$!

first_start
set_dword "Use serial port" 0
set_dword "Use TCP/IP" 1
set_dword "Origin enabled" 1
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

wine "$ORVANE_BIN/orvane.exe" "$(winepath -w "$E2E_WORK/codes.orv" 2>/dev/null)" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 30000 wait "$TITLE" || fail "no main window"
expect_log_count 1 "the first-run tolerance of 10"
pass "with the first-run tolerance \"ACC\" is the command \"ABC\""

open_settings
tab "General" settings-general
driver check "$DIALOG" MultipleChBx on
expect_setting "Multiple instances" "REG_DWORD 0x1"
tab "Origin of control" settings-origins
driver check "$DIALOG" KeyboardChBx on
expect_setting "Use keyboard trapping" "REG_DWORD 0x1"
[ -z "$(read_driver panels "$TITLE" StatBar | sed -n 2p)" ] || fail "the origins are still listed after an origin changed"
driver check "$DIALOG" KeyboardChBx off
tab "Serial port" settings-serial
driver select "$DIALOG" SpeedCoBx 19200
expect_setting "Serial speed" "REG_DWORD 0x8"
tab "Recognition" settings-recognition
driver settext "$DIALOG" ToleranceEdBox 0
expect_setting "Tolerance" "REG_DWORD 0x0"
tab "Sounds" settings-sounds
tab "OSD" settings-osd
driver check "$DIALOG" RemoteChBx on
expect_setting "OSD show remote" "REG_DWORD 0x1"
driver setpos "$DIALOG" ShowTimeUpDwn 1500
expect_setting "OSD display time" "REG_DWORD 0x5dc"
tab "DDE / TCP" settings-ddetcp
driver check "$DIALOG" TCPRemoteNameChBX on
expect_setting "TCP/IP send remote" "REG_DWORD 0x1"
driver check "$DIALOG" CommandsDataChBx on
expect_setting "DDE send data" "REG_DWORD 0x1"
accept
expect_setting "Origin enabled" "REG_DWORD 0x1"
read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: TCP/IP" ||
  fail "the origins did not come back: $(read_driver panels "$TITLE" StatBar)"
expect_log_count 1 "tolerance 0"
pass "each tab's change is in the registry; with tolerance 0 \"ACC\" is no longer recognised"

# A serial change switches the origins off again, so they reconnect on closing.
open_settings
tab "Serial port" settings-serial2
driver select "$DIALOG" SpeedCoBx 9600
tab "Recognition" settings-recognition2
driver settext "$DIALOG" ToleranceEdBox 1
expect_setting "Tolerance" "REG_DWORD 0x1"
accept
expect_log_count 2 "tolerance 1"
pass "with tolerance 1 \"ACC\" is recognised again"

# Closing the dialog counts as a change of the configuration.
driver close "$TITLE"
driver --timeout 10000 answer "Orvane" "No" || fail "no question about unsaved changes"
orvane_wait_exit 20 || fail "the program did not close"
