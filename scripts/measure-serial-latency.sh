#!/usr/bin/env bash
# How quickly the real program logs a command from its serial receiver: a
# burst of three bytes written on the pseudo-terminal mapped to COM1, to the
# line "Receiver,Play" appearing in the log file (seen by inotify, on the same
# clock as the write), less the 125 ms after which a serial sequence ends.
# Over COUNT bursts, one at a time; prints the median and the 95th
# percentile.
#
#   scripts/measure-serial-latency.sh [--count N] [--bin DIR]
#
# Needs the windows build (build/windows, or DIR: another build's tree, to
# measure it beside this one). Runs in a throwaway Wine prefix
# and virtual X server of its own (tests/wine/with-wine). Not a test: its
# figures depend on the machine and on what else runs on it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${ORVANE_MEASURE_INSIDE:-}" ]; then
  export ORVANE_MEASURE_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

bin="$root/build/windows"
count=50
while [ $# -gt 0 ]; do
  case "$1" in
    --count) count=$2; shift 2 ;;
    --bin) bin=$(cd "$2" && pwd) || exit 2; shift 2 ;;
    *) echo "usage: $0 [--count N] [--bin DIR]" >&2; exit 2 ;;
  esac
done

export ORVANE_BIN="$bin"
source "$root/tests/e2e/lib.sh"
source "$root/scripts/measure-origins.sh"

{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nDate=01.01.2030 10:00:00\nCommands=2\nLayouts=1\n\n'
  printf '[C0]\nName=Receiver\nLevel=0\nSound=\nRecognition=1\nTypematic=0\nDigits=0\nCode=\nTrigCount=0\n\n'
  printf '[C1]\nName=Play\nLevel=1\nSound=\nRecognition=1\nTypematic=0\nDigits=2\nCode=010203\nTrigCount=0\n\n'
  printf '[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n'
} | sed 's/$/\r/' >"$E2E_WORK/serial.orv"

first_start
serial_com1
for name in "Use IR server" "Use AVerMedia" "Use BestBuy" "Use keyboard trapping" "Use TCP/IP"; do set_dword "$name" 0; done
for name in "Use serial port" "Origin enabled"; do set_dword "$name" 1; done
LOG="$E2E_WORK/serial.log"
: >"$LOG"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

python3 - "$E2E_WORK/receiver" "$LOG" "$count" <<'EOF' &
import ctypes, os, select, statistics, sys, time
receiver, log, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
libc = ctypes.CDLL(None, use_errno=True)
watch = libc.inotify_init1(os.O_NONBLOCK)
if watch < 0 or libc.inotify_add_watch(watch, log.encode(), 0x2) < 0:  # IN_MODIFY
    raise SystemExit("inotify: errno %d" % ctypes.get_errno())
port = os.open(receiver, os.O_RDWR | os.O_NOCTTY)

def read_byte(seconds):
    ready, _, _ = select.select([port], [], [], seconds)
    if not ready:
        raise SystemExit("the receiver got no greeting")
    return os.read(port, 1)

greeting = read_byte(60) + read_byte(10)
if greeting != b"IR":
    raise SystemExit("the receiver was greeted with %r" % greeting)
time.sleep(1)
expected = b"Receiver,Play\r\n"
times = []
for i in range(count + 5):
    try:
        os.read(watch, 4096)  # what earlier writes left
    except BlockingIOError:
        pass
    size = os.path.getsize(log)
    start = end = time.monotonic()
    os.write(port, b"\x01\x02\x03")
    while os.path.getsize(log) < size + len(expected):
        ready, _, _ = select.select([watch], [], [], 5)
        if not ready:
            raise SystemExit("no line logged for burst %d" % i)
        end = time.monotonic()
        os.read(watch, 4096)
    if i >= 5:  # the first ones warm up
        times.append((end - start - 0.125) * 1000)
    time.sleep(0.2)
with open(log, "rb") as lines:
    if lines.read() != expected * (count + 5):
        raise SystemExit("the log holds something else than %d lines %r" % (count + 5, expected))
times.sort()
p95 = times[min(len(times) - 1, int(round(0.95 * len(times))) - 1)]
print("bursts %d  median %.3f ms  95th percentile %.3f ms  min %.3f ms  max %.3f ms"
      " (after the 125 ms end of the sequence)" % (len(times), statistics.median(times), p95, times[0], times[-1]))
EOF
PEER=$!
orvane_start "$(winepath -w "$E2E_WORK/serial.orv" 2>/dev/null)"
wait "$PEER" || fail "the measurement failed"
close_program
