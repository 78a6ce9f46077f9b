# Shared helpers of the end-to-end tests. Sourced by each tests/e2e/test-*.sh,
# which ctest runs inside tests/wine/with-wine (prefix and display ready).
set -uo pipefail

: "${ORVANE_BIN:?ORVANE_BIN names the windows build tree}"
: "${WINEPREFIX:?run the end-to-end tests through tests/wine/with-wine}"
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvane-e2e.XXXXXX")
ORVANE_PID=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_cleanup() {
  if [ -n "$ORVANE_PID" ] && kill -0 "$ORVANE_PID" 2>/dev/null; then
    kill "$ORVANE_PID" 2>/dev/null
    wait "$ORVANE_PID" 2>/dev/null
  fi
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# Every test starts from a known registry: no settings of the program.
reset_registry() {
  wine reg delete 'HKCU\Software\Orvane' /f >/dev/null 2>&1
  wineserver -w
}

# Starts orvane.exe with the given arguments in the background.
orvane_start() {
  wine "$ORVANE_BIN/orvane.exe" "$@" >"$E2E_WORK/orvane.out" 2>&1 &
  ORVANE_PID=$!
}

# Waits up to SECONDS for the program to end and puts its exit status into
# ORVANE_STATUS; fails when it is still running then.
orvane_wait_exit() {
  local seconds=${1:-10} waited=0
  while kill -0 "$ORVANE_PID" 2>/dev/null; do
    [ "$waited" -ge $((seconds * 10)) ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$ORVANE_PID"
  ORVANE_STATUS=$?
  ORVANE_PID=""
}

# The automation driver (tests/doubles/orvane-driver.cpp).
driver() {
  wine "$ORVANE_BIN/orvane-driver.exe" "$@"
}

# What the driver reads, without the console's carriage returns.
read_driver() {
  driver "$@" | tr -d '\r'
}

# The main window's caption.
TITLE="Orvane 4.0b"

# Closes the main window and waits for the program to end.
close_program() {
  driver close "$TITLE"
  orvane_wait_exit 20 || fail "the program did not close"
}

# Settings of the program, written as the program would read them.
set_dword() { wine reg add 'HKCU\Software\Orvane' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
set_text() { wine reg add 'HKCU\Software\Orvane' /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }

# A first start from no settings at all writes the defaults; the test then
# changes only what it needs.
first_start() {
  reset_registry
  orvane_start
  driver --timeout 30000 wait "$TITLE" || fail "no main window"
  close_program
}

pass() {
  echo "PASS: $*"
}

# A configuration of one remote "TV" with one command "Net" whose code is the
# text AB, and the default layout alone. FILE SOUND: the command's sound name.
write_tv_net_config() {
  sed 's/$/\r/' >"$1" <<CONFIG
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
Sound=$2
Recognition=1
Typematic=0
Digits=2
Code=4142
TrigCount=0

[L0]
Name=Default
Application=
WndTitle=
ActCount=0
CONFIG
}

# ---- Origins: COM1 on a pseudo-terminal, the origins switched on at start ----
PORTS='HKLM\Software\Wine\Ports'
SOCAT_PIDS=()
# Wine reads the port mapping when its server starts.
map_com1() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  wine reg add "$PORTS" /v COM1 /t REG_SZ /d "$1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}
# For the EXIT trap of a test that uses them, before e2e_cleanup.
origins_cleanup() {
  local pid
  for pid in "${SOCAT_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "$ORVANE_PID" ] && kill "$ORVANE_PID" 2>/dev/null
  wine reg delete "$PORTS" /v COM1 /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
}
# Only the origins named, switched on at the first activation.
only_origins() {
  local name
  for name in "Use serial port" "Use AVerMedia" "Use BestBuy" "Use keyboard trapping" "Use TCP/IP"; do
    set_dword "$name" 0
  done
  for name in "$@"; do set_dword "$name" 1; done
  set_dword "Origin enabled" 1
}
