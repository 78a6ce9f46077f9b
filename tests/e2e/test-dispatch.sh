#!/usr/bin/env bash
# The remote drives the computer: the program runs minimised to the tray and
# codes from a TCP/IP server fire the actions of a hand-written configuration.
# An OR action of the default layout starts a program (in a folder whose name
# holds a blank) with its parameters, in suspend mode: the server sees the
# program's connection close while it runs, a code sent meanwhile is not
# recognised, and the connection comes back only once the program has ended.
# With a probe window in front whose title holds a layout's window title, the
# same code types that layout's keys into the probe instead. An AND pair fires
# only when its codes arrive in order. An OSD action's text shows in the
# middle of the screen and is gone after the display time.
source "$(dirname "$0")/lib.sh"

SOCAT_PID="" PROBE_PID="" PROBE_FD=""
cleanup() {
  [ -n "$PROBE_FD" ] && exec {PROBE_FD}>&- 2>/dev/null # end of input: the probe quits
  [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null
  for pid in $(cat "$E2E_WORK"/conn.*.pid 2>/dev/null); do kill "$pid" 2>/dev/null; done
  [ -n "$PROBE_PID" ] && kill "$PROBE_PID" 2>/dev/null
  e2e_cleanup
}
trap cleanup EXIT
SHOTS=${ORVANE_SHOTS:-$E2E_WORK}

W=$E2E_WORK
win() { winepath -w "$1" 2>/dev/null; }
m=$'\xa1' # the type mark

# The started program, in a folder whose name holds a blank.
mkdir -p "$W/Test Programs"
cp "$ORVANE_BIN/started-program.exe" "$W/Test Programs/"
PROGRAM=$(win "$W/Test Programs/started-program.exe")
POWER_OUT=$(win "$W/power.txt")
PAIR_OUT=$(win "$W/pair.txt")

# Codes: P Power, A and B the pair, N nothing, O the text on screen.
command_section() { # NUMBER NAME CODE
  printf '[C%s]\nName=%s\nLevel=1\nSound=\nRecognition=1\nTypematic=0\nDigits=2\nCode=%s\nTrigCount=0\n\n' "$@"
}
{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nDate=01.01.2030 10:00:00\nCommands=6\nLayouts=2\n\n'
  printf '[C0]\nName=TV\nLevel=0\nSound=\nRecognition=1\nTypematic=0\nDigits=0\nCode=\nTrigCount=0\n\n'
  command_section 1 Power 50
  command_section 2 A 41
  command_section 3 B 42
  command_section 4 Nothing 4E
  command_section 5 Show 4F
  cat <<EOF
[L0]
Name=Default
Application=
WndTitle=
ActCount=3

[L0A0]
Name=Start
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=1
TC0=1
ActCount=1
A0=${m}ExecuteProgram${m}Try:Filename:${PROGRAM}Params:"${POWER_OUT}" second-argumentSuspend:YDelay:0

[L0A1]
Name=Pair
TrigEn=0
TrigType=0
AllAtOnce=0
TrigCount=2
TC0=2
TC1=3
ActCount=1
A0=${m}ExecuteProgram${m}Try:Filename:${PROGRAM}Params:"${PAIR_OUT}"Suspend:YDelay:0

[L0A2]
Name=Text
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=1
TC0=5
ActCount=1
A0=${m}OSD${m}OrvaneOrvaneDelay:0

[L1]
Name=Probe
Application=
WndTitle=Dispatch Probe
ActCount=1

[L1A0]
Name=Keys
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=1
TC0=1
ActCount=1
A0=${m}SendKeys${m}NNNNhiDelay:0DestWnd:KeepActive:N
EOF
} | sed 's/$/\r/' >"$W/dispatch.orv"

# The server: each connection is numbered and logged in "events" as it opens
# and closes; every code put into "queue" while a connection is open is sent
# to it. The program echoes each code back, which tells when it closed.
cat >"$W/conn.sh" <<'EOF'
cd "$1" || exit 1
echo $$ >"conn.$$.pid"
n=$(($(cat count 2>/dev/null || echo 0) + 1))
echo "$n" >count
sent=$(wc -l <queue)
echo "open $n" >>events
(cat >/dev/null; echo "closed $n" >>events) <&0 & # explicit: a background job would read /dev/null
while :; do
  total=$(wc -l <queue)
  while [ "$sent" -lt "$total" ]; do
    sent=$((sent + 1))
    printf '%s' "$(sed -n "${sent}p" queue)" || exit 0
  done
  sleep 0.05
done
EOF
: >"$W/queue"
: >"$W/events"
PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr,fork EXEC:"bash $W/conn.sh $W" >/dev/null 2>&1 &
SOCAT_PID=$!

LOG="$W/commands.log"
log_lines() { { tr -d '\r' <"$LOG"; } 2>/dev/null; }
events() { cat "$W/events"; }
# Waits until the file of what the program or the server wrote has at least
# COUNT lines; then the last must be LINE.
wait_for() { # FILE-READER COUNT LINE WHAT
  for _ in $(seq 150); do [ "$($1 | wc -l)" -ge "$2" ] && break; sleep 0.1; done
  [ "$($1 | wc -l)" -eq "$2" ] && [ "$($1 | tail -n 1)" = "$3" ] || fail "$4: $1 reads
$($1)"
}
send() { echo "$1" >>"$W/queue"; }
# Sends a code and waits until it is the COUNT-th recognised command.
press() { # CODE COUNT NAME
  send "$1"
  wait_for log_lines "$2" "TV,$3" "the code $1"
}

# Icons left in Wine's tray by programs ended by force would stand where
# this program's icon is clicked at the end: a fresh wineserver has none.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
first_start
set_dword "Load minimized" 1
set_dword "Use serial port" 0
set_dword "Use TCP/IP" 1
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(win "$LOG")"
set_dword "OSD background" 2
set_dword "OSD display time" 3000
set_dword "OSD repaint" 0

orvane_start "$(win "$W/dispatch.orv")"
wait_for events 1 "open 1" "the program's connection"

# ---- The text on screen ----
# The middle of the 1280x1024 screen, where nothing else is.
pixel() { # NAME
  import -window root "$SHOTS/$1.png" 2>/dev/null || fail "no screenshot"
  convert "$SHOTS/$1.png" -crop "1x1+640+512" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}
before=$(pixel osd-before)
press O 1 Show
shown=""
for _ in $(seq 20); do
  shown=$(pixel osd-shown)
  [ "$shown" != "$before" ] && break
  sleep 0.1
done
[ "$shown" != "$before" ] || fail "no text in the middle of the screen ($shown)"
for _ in $(seq 50); do
  after=$(pixel osd-after)
  [ "$after" = "$before" ] && break
  sleep 0.1
done
[ "$after" = "$before" ] || fail "the text is still there ($after, was $before)"
pass "an OSD action's text shows in the middle of the screen and is gone after the display time"

# ---- An OR action of the default layout, in suspend mode ----
touch "$W/power.txt.hold"
press P 2 Power
wait_for events 2 "closed 1" "the origins while the program runs"
# Sent while the program runs: with its origin off nobody takes it, and the
# server drops it.
send N
[ -e "$W/power.txt" ] && fail "the program ended before it was let go"
rm "$W/power.txt.hold"
wait_for events 3 "open 2" "the origins after the program ended"
[ "$(cat "$W/power.txt" 2>/dev/null)" = "\"$PROGRAM\" \"$POWER_OUT\" second-argument" ] ||
  fail "the program was started as: $(cat "$W/power.txt" 2>/dev/null)"
press N 3 Nothing # sent after the program ended: recognised
pass "an OR action starts a program with its parameters; the origins are off until it ends"

# ---- The same code with the probe in front: the probe layout's keys ----
mkfifo "$W/probe.in"
wine "$ORVANE_BIN/keyhook-probe.exe" --at 100 100 "Dispatch Probe window" <"$W/probe.in" >"$W/probe.out" 2>"$W/probe.err" &
PROBE_PID=$!
exec {PROBE_FD}>"$W/probe.in"
for _ in $(seq 100); do grep -q '^ready' "$W/probe.out" && break; sleep 0.1; done
probe=$(xdotool search --name "^Dispatch Probe window\$" | head -n 1)
[ -n "$probe" ] || fail "no probe window"
xdotool mousemove --window "$probe" 60 60 click 1
sleep 0.5
press P 4 Power
press N 5 Nothing # had Power started the program, the connection would be closed now
for _ in $(seq 50); do [ "$(grep -c '^sees 7[23] ' "$W/probe.out")" -ge 4 ] && break; sleep 0.1; done
keys=$(grep '^sees 7[23] ' "$W/probe.out" | cut -d' ' -f2 | tr '\n' ' ')
[ "$keys" = "72 72 73 73 " ] || fail "the probe saw the keys: $keys ($(cat "$W/probe.out"))"
[ "$(events | wc -l)" -eq 3 ] || fail "the default layout's action ran too: $(events)"
exec {PROBE_FD}>&-
PROBE_FD=""
wait "$PROBE_PID" 2>/dev/null
PROBE_PID=""
pass "with the probe in front the same code types the probe layout's keys instead"

# ---- An AND pair, in order only ----
# Had B or A fired the pair, the connection would be closed before the next
# code could arrive.
press B 6 B
press A 7 A
press B 8 B
wait_for events 4 "closed 2" "A then B"
wait_for events 5 "open 3" "the origins after the pair's program"
[ "$(cat "$W/pair.txt" 2>/dev/null)" = "\"$PROGRAM\" \"$PAIR_OUT\"" ] ||
  fail "the pair's program was started as: $(cat "$W/pair.txt" 2>/dev/null)"
pass "an AND pair fires only when its codes arrive in order"

# Back from the tray (the first icon of Wine's tray window), and closed.
xdotool mousemove 12 32 click --repeat 2 --delay 80 1
driver --timeout 20000 wait "$TITLE" || fail "the window did not come back from the tray"
close_program
