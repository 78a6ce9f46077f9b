#!/usr/bin/env bash
# The program starts, shows its main window, and ends with status 0 when the
# window is closed.
source "$(dirname "$0")/lib.sh"

reset_registry
orvane_start
driver --timeout 20000 wait "$TITLE" || fail "the main window titled \"$TITLE\" did not appear"
xdotool search --onlyvisible --name "^$TITLE\$" >/dev/null || fail "the main window is not visible on the display"

driver close "$TITLE" || fail "could not ask the main window to close"
orvane_wait_exit 10 || fail "the program did not end after its window was closed"
[ "$ORVANE_STATUS" = 0 ] || fail "exit status $ORVANE_STATUS, expected 0"
pass "main window shown and closed, exit status 0"
