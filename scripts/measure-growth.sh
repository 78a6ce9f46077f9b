#!/usr/bin/env bash
# Whether the real program grows while it works: every origin that can run
# here switched on (as scripts/measure-idle.sh has them), the on-screen
# display showing the remote and the command, and COUNT codes sent one at a
# time by the TCP/IP server, each recognised (its event text reaches a TCP/IP
# event client before the next is sent). Before the first code, after each
# tenth of them and after the last, once the display time is over (and once
# while the last text is shown, which holds what was under it), prints
# what the program holds: its handles as Wine's server lists them, the GDI
# objects in its GDI handle table (tests/doubles/process-counts: Wine answers
# 0 to GetGuiResources and GetProcessHandleCount), and its resident and data
# memory.
#
#   scripts/measure-growth.sh [--count N]
#
# Needs the windows build (build/windows). Runs in a throwaway Wine prefix
# and virtual X server of its own (tests/wine/with-wine). Not a test: its
# figures depend on the machine and on what else runs on it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${ORVANE_MEASURE_INSIDE:-}" ]; then
  export ORVANE_MEASURE_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

count=10000
while [ $# -gt 0 ]; do
  case "$1" in
    --count) count=$2; shift 2 ;;
    *) echo "usage: $0 [--count N]" >&2; exit 2 ;;
  esac
done

export ORVANE_BIN="$root/build/windows"
source "$root/tests/e2e/lib.sh"
source "$root/scripts/measure-origins.sh"

{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nDate=01.01.2030 10:00:00\nCommands=2\nLayouts=1\n\n'
  printf '[C0]\nName=TV\nLevel=0\nSound=\nRecognition=1\nTypematic=0\nDigits=0\nCode=\nTrigCount=0\n\n'
  printf '[C1]\nName=Power\nLevel=1\nSound=\nRecognition=1\nTypematic=0\nDigits=2\nCode=4142\nTrigCount=0\n\n'
  printf '[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n'
} | sed 's/$/\r/' >"$E2E_WORK/growth.orv"

CODE_PORT=$((20000 + RANDOM % 10000))
EVENT_PORT=$((CODE_PORT + 1))
first_start
serial_com1
all_origins "$E2E_WORK/app" "$CODE_PORT"
for name in "TCP/IP send remote" "TCP/IP send command" "OSD show remote" "OSD show command"; do set_dword "$name" 1; done
set_dword "TCP/IP server port" "$EVENT_PORT"
exec {RX}<>"$E2E_WORK/receiver"

python3 - "$root/tests/e2e/event-peers.py" "$CODE_PORT" "$EVENT_PORT" "$count" "$E2E_WORK/orvane.pid" <<'EOF' &
import os, runpy, subprocess, sys, time, types
# The end-to-end tests' peers, loaded from their file (its name is no module name).
peers = types.SimpleNamespace(**runpy.run_path(sys.argv[1]))
code_port, event_port, count, pid_file = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
codes = peers.code_server(code_port)
events = peers.event_client(event_port)
time.sleep(2)
pid = open(pid_file).read().strip()
driver = os.path.join(os.environ["ORVANE_BIN"], "process-counts.exe")

def report(sent, shown=False):
    if not shown:
        time.sleep(1.5)  # the display time (1 s) is over
    counts = subprocess.run(["wine", driver, "Orvane 4.0b"], capture_output=True, text=True).stdout.split()
    fields = dict(zip(counts[::2], counts[1::2]))
    memory = {}
    for line in open("/proc/%s/status" % pid):
        name, _, value = line.partition(":")
        memory[name] = value.split()[0] if value.split() else "?"
    print("%s: handles %s  GDI objects %s  resident %s KB  data %s KB" %
          (("while code %d is shown" if shown else "after %d codes") % sent, fields.get("listed", "?"), fields.get("table", "?"), memory.get("VmRSS", "?"),
           memory.get("VmData", "?")), flush=True)

expected = b"TV, Power"
report(0)
for sent in range(1, count + 1):
    codes.sendall(b"AB")
    if peers.receive_exactly(events, len(expected)) != expected:
        raise SystemExit("code %d was not published as %r" % (sent, expected))
    peers.receive_exactly(codes, 2)  # the echo
    if sent == count:
        report(sent, shown=True)  # the display holds the screen under its text
    if sent % max(1, count // 10) == 0 or sent == count:
        report(sent)
EOF
PEERS=$!
wine "$E2E_WORK/app/orvane.exe" "$(winepath -w "$E2E_WORK/growth.orv" 2>/dev/null)" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
echo "$ORVANE_PID" >"$E2E_WORK/orvane.pid"
wait "$PEERS" || fail "the measurement failed"
close_program
