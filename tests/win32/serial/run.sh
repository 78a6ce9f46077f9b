#!/usr/bin/env bash
# Runs the serial port tests of orvane_win32_tests.exe against a real device:
# socat links two pseudo-terminals, Wine maps COM5 and COM6 to them, and the
# tests open COM5 through the program's serial port while playing the
# receiver on COM6. ctest runs this inside tests/wine/with-wine.
set -euo pipefail
: "${ORVANE_BIN:?ORVANE_BIN names the windows build tree}"
: "${WINEPREFIX:?run through tests/wine/with-wine}"

ports='HKLM\Software\Wine\Ports'
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-serial.XXXXXX")
socat_pid=""

# Wine reads the port mapping when its server starts.
restart_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

cleanup() {
  local status=$?
  if [ -n "$socat_pid" ]; then
    kill "$socat_pid" 2>/dev/null || true
    wait "$socat_pid" 2>/dev/null || true
  fi
  wine reg delete "$ports" /v COM5 /f >/dev/null 2>&1 || true
  wine reg delete "$ports" /v COM6 /f >/dev/null 2>&1 || true
  restart_wineserver
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

socat pty,raw,echo=0,link="$work/com5" pty,raw,echo=0,link="$work/com6" &
socat_pid=$!
for _ in $(seq 100); do
  [ -e "$work/com5" ] && [ -e "$work/com6" ] && break
  sleep 0.1
done
[ -e "$work/com5" ] && [ -e "$work/com6" ] || { echo "FAIL: socat made no pseudo-terminals" >&2; exit 1; }

wine reg add "$ports" /v COM5 /t REG_SZ /d "$work/com5" /f >/dev/null 2>&1
wine reg add "$ports" /v COM6 /t REG_SZ /d "$work/com6" /f >/dev/null 2>&1
restart_wineserver
wine reg query "$ports" >/dev/null 2>&1 # starts the server, which links the ports

# A port that nothing maps: Wine also links the machine's own serial devices.
missing=""
for n in 8 7 4 3 2 1; do
  wine reg query "$ports" /v "COM$n" >/dev/null 2>&1 && continue
  [ -e "$WINEPREFIX/dosdevices/com$n" ] || [ -L "$WINEPREFIX/dosdevices/com$n" ] && continue
  missing="COM$n"
  break
done
[ -n "$missing" ] || { echo "FAIL: every COM port from 1 to 8 is mapped" >&2; exit 1; }

out="$work/tests.out"
ORVANE_SERIAL_PORT=COM5 ORVANE_SERIAL_PEER=COM6 ORVANE_SERIAL_MISSING="$missing" \
  wine "$ORVANE_BIN/orvane_win32_tests.exe" --gtest_filter='Win32SerialPort.*' 2>&1 | tee "$out"

# This run exists to exercise the device: a skipped test is a failure here.
if grep -q '^\[  SKIPPED \]' "$out"; then
  echo "FAIL: serial tests were skipped" >&2
  exit 1
fi
grep -q '^\[  PASSED  \] [1-9]' "$out" || { echo "FAIL: no serial test passed" >&2; exit 1; }
