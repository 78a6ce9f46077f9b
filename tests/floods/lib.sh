# Shared helpers of the flood scripts (tests/floods/flood-*.sh). Each script
# starts the real program under Wine, floods one of its inputs while a probe
# times the main window's answers and the program's resident size is
# sampled, then checks that an ordinary code is still recognised and
# published. Each adds one row per run to the summary file FLOODS_SUMMARY:
#   NAME WORST_MS MEDIAN_MS OVER200 BASELINE_MB PEAK_MB ALIVE NEXT_OK FIRST_MS
# FIRST_MS is how long a window that was just found took to answer at all:
# the program's own start when the probe began with it.
# Not tests of the suite: their figures depend on the machine.
FLOODS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$FLOODS_DIR/../e2e/lib.sh"
: "${FLOODS_SUMMARY:=$E2E_WORK/summary.txt}"
PEERS="$FLOODS_DIR/peers.py"

# One remote "TV": Power (the text AB), Play (the serial bytes 1 2 3), and a
# command with a long name (EF) whose events fill a client's queue quickly.
write_flood_config() { # FILE [COMMANDS_COUNT] [LAYOUTS_COUNT]
  local long
  long=$(printf 'L%.0s' $(seq 240))
  sed 's/$/\r/' >"$1" <<CONFIG
[File information]
Program=Orvane 4.0b
Version=4
Date=01.01.2030 10:00:00
Commands=${2:-4}
Layouts=${3:-1}

[C0]
Name=TV
Level=0
Recognition=1
Typematic=0
Digits=0
Code=

[C1]
Name=Power
Level=1
Recognition=1
Typematic=0
Digits=2
Code=4142

[C2]
Name=Play
Level=1
Recognition=1
Typematic=0
Digits=2
Code=010203

[C3]
Name=$long
Level=1
Recognition=1
Typematic=0
Digits=2
Code=4546

[L0]
Name=Default
Application=
WndTitle=
ActCount=0
CONFIG
}

# The TCP/IP origin connects to CODE_PORT; the event server listens on
# EVENT_PORT and sends the remote's and the command's names; the log file
# gets a line for each recognised command.
tcp_settings() { # CODE_PORT EVENT_PORT
  local name
  for name in "Use serial port" "Use AVerMedia" "Use BestBuy" "Use keyboard trapping"; do set_dword "$name" 0; done
  for name in "Use TCP/IP" "Origin enabled" "TCP/IP send remote" "TCP/IP send command" \
    "DDE send remote" "DDE send command"; do
    set_dword "$name" 1
  done
  set_text "TCP/IP client host" "127.0.0.1"
  set_dword "TCP/IP client port" "$1"
  set_dword "TCP/IP server port" "$2"
  set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"
}
LOG="$E2E_WORK/flood.log"

free_ports() {
  CODE_PORT=$((20000 + RANDOM % 10000))
  EVENT_PORT=$((CODE_PORT + 1))
}

# The resident size of the program's Wine process, in kB.
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$ORVANE_PID/status" 2>/dev/null; }
mb() { awk -v kb="${1:-0}" 'BEGIN { printf "%.1f", kb / 1024 }'; }

# The resident size once the started program has settled, before any flood.
baseline() {
  driver --timeout 60000 wait "$TITLE" || fail "no main window"
  sleep 2
  BASELINE_KB=$(rss_kb)
}

# Starts timing the window's answers and sampling the resident size.
measure_start() { # NAME
  MEASURE_NAME=$1
  STOP_FILE="$E2E_WORK/stop.$1"
  rm -f "$STOP_FILE"
  rm -f "$STOP_FILE.probe"
  wine "$ORVANE_BIN/window-probe.exe" "$TITLE" "$(winepath -w "$STOP_FILE.probe" 2>/dev/null)" 900 \
    >"$E2E_WORK/probe.$1" 2>&1 &
  PROBE_PID=$!
  # A flood that starts before the first sample would go unseen.
  for _ in $(seq 600); do
    grep -q probing "$E2E_WORK/probe.$1" 2>/dev/null && break
    kill -0 "$PROBE_PID" 2>/dev/null || break
    sleep 0.1
  done
  (
    peak=0
    for _ in $(seq 9000); do
      [ -e "$STOP_FILE" ] && break
      rss=$(rss_kb)
      if [ -n "$rss" ] && [ "$rss" -gt "$peak" ]; then
        peak=$rss
        echo "$peak" >"$E2E_WORK/peak.$1"
      fi
      sleep 0.1
    done
  ) &
  SAMPLER_PID=$!
}

# Stops timing the window's answers (the resident size is still sampled):
# before a step that is not part of the flood, such as the Open dialog.
probe_stop() {
  touch "$STOP_FILE.probe"
  wait "$PROBE_PID"
}

# Stops the measuring and adds the row. NEXT_OK: yes or no.
measure_stop() { # NEXT_OK
  touch "$STOP_FILE"
  wait "$SAMPLER_PID"
  probe_stop
  local alive=yes samples worst median over first
  kill -0 "$ORVANE_PID" 2>/dev/null || alive=no
  read -r _ samples _ worst _ median _ over _ first < <(tr -d '\r' <"$E2E_WORK/probe.$MEASURE_NAME" | grep '^samples')
  [ -n "${samples:-}" ] || { worst=- median=- over=- first=-; cat "$E2E_WORK/probe.$MEASURE_NAME" >&2; }
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$MEASURE_NAME" "$worst" "$median" "$over" \
    "$(mb "$BASELINE_KB")" "$(mb "$(cat "$E2E_WORK/peak.$MEASURE_NAME" 2>/dev/null)")" "$alive" "$1" "$first" \
    >>"$FLOODS_SUMMARY"
  echo "$MEASURE_NAME: first answer after ${first} ms, then worst ${worst} ms, median ${median} ms, ${over} answers over 200 ms," \
    "resident $(mb "$BASELINE_KB") MB at rest, peak $(mb "$(cat "$E2E_WORK/peak.$MEASURE_NAME" 2>/dev/null)") MB," \
    "running $alive, next code $1"
  tr -d '\r' <"$E2E_WORK/probe.$MEASURE_NAME" | grep '^slow' | head -n 5 | sed 's/^/  /'
}

# Closes the program, answering the unsaved-changes question with No.
close_flooded() {
  driver close "$TITLE"
  for _ in $(seq 50); do
    kill -0 "$ORVANE_PID" 2>/dev/null || break
    driver --timeout 200 answer Orvane No >/dev/null 2>&1
    driver --timeout 200 answer Orvane OK >/dev/null 2>&1
    driver --timeout 200 answer "Cannot open file" OK >/dev/null 2>&1
    sleep 0.2
  done
  orvane_wait_exit 20 || fail "the program did not close"
}
