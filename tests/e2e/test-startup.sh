#!/usr/bin/env bash
# The program's start as a user meets it: the first start's settings, file
# type and logon entry in the registry; the caption; one copy at a time unless
# several are allowed; starting straight into the tray.
source "$(dirname "$0")/lib.sh"

setting() { wine reg query 'HKCU\Software\Orvane' /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$0 ~ n {print $(NF-1), $NF}'; }
second_pid=""
stop_second() { [ -n "$second_pid" ] && kill "$second_pid" 2>/dev/null; wait "$second_pid" 2>/dev/null; second_pid=""; }
trap 'stop_second; e2e_cleanup' EXIT

reset_registry
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Orvane /f >/dev/null 2>&1

# First start.
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""
wineserver -w >/dev/null 2>&1 &
sleep 1
[ "$(setting Tolerance)" = "REG_DWORD 0xa" ] || fail "Tolerance: $(setting Tolerance)"
[ "$(setting 'TCP/IP server port')" = "REG_DWORD 0xfc8" ] || fail "server port: $(setting 'TCP/IP server port')"
# The start-up load stores the language file's own spelling ("English.lng").
setting Language | grep -qix "REG_SZ english" || fail "Language: $(setting Language)"
setting 'First Load' | grep -q '^REG_BINARY ' || fail "First Load: $(setting 'First Load')"
[ "$(setting 'Launch on startup')" = "REG_DWORD 0x1" ] || fail "Launch on startup"
wine reg query 'HKCR\.orv' /ve 2>/dev/null | tr -d '\r' | grep -q 'REG_SZ *Orvane$' || fail ".orv is not registered"
wine reg query 'HKCR\Orvane\Shell\Open\Command' /ve 2>/dev/null | grep -qi 'orvane.exe" "%1"' || fail "no open command"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Orvane 2>/dev/null | grep -qi 'orvane.exe' ||
  fail "no Run entry naming orvane.exe"
pass "first start: settings with their types, .orv registered, Run entry"

# A second copy closes the first one, which asks about its unsaved changes
# first; the second waits for the answer and keeps running.
first_pid=$ORVANE_PID
# Closing the settings dialog counts as a change.
driver click "$TITLE" SettingsBtn
driver --timeout 10000 click Settings AcceptBtn || fail "the settings dialog did not come"
sleep 1
wine "$ORVANE_BIN/orvane.exe" >"$E2E_WORK/second.out" 2>&1 &
second_pid=$!
driver --timeout 30000 wait Orvane || fail "the running copy did not ask about its unsaved changes"
read_driver dialogtext Orvane | grep -qx "Save changes to the configuration file?" ||
  fail "the running copy asked: $(read_driver dialogtext Orvane)"
kill -0 "$first_pid" 2>/dev/null || fail "the first copy ended before its user answered"
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | wc -l)" = 1 ] ||
  fail "the second copy went on before the first one answered"
driver answer Orvane No || fail "the question has no No button"
orvane_wait_exit 30 || fail "the first copy did not end after its user answered No"
[ "$ORVANE_STATUS" = 0 ] || fail "the first copy ended with status $ORVANE_STATUS"
kill -0 "$second_pid" 2>/dev/null || fail "the second copy ended too"
driver --timeout 20000 wait "$TITLE" || fail "the second copy shows no window"
pass "a second copy closes the first after its question about unsaved changes"

# With several copies allowed, both run.
wine reg add 'HKCU\Software\Orvane' /v "Multiple instances" /t REG_DWORD /d 1 /f >/dev/null 2>&1
orvane_start
sleep 6
kill -0 "$second_pid" 2>/dev/null || fail "the running copy ended although several copies are allowed"
kill -0 "$ORVANE_PID" 2>/dev/null || fail "the new copy did not stay"
driver close "$TITLE"
driver close "$TITLE"
orvane_wait_exit 15 || fail "a copy did not close"
stop_second
pass "with several copies allowed both run"

# Starting in the tray: the main window never shows.
wine reg add 'HKCU\Software\Orvane' /v "Load minimized" /t REG_DWORD /d 1 /f >/dev/null 2>&1
orvane_start
for _ in $(seq 40); do
  xdotool search --onlyvisible --name "^$TITLE\$" >/dev/null 2>&1 && fail "the main window showed although \"Load minimized\" is set"
  sleep 0.2
done
kill -0 "$ORVANE_PID" 2>/dev/null || fail "the program ended instead of running in the tray"
pass "with \"Load minimized\" the main window never shows"
