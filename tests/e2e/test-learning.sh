#!/usr/bin/env bash
# A remote and a command built by hand in an empty configuration, the
# command's code learned from a TCP server's texts, saved with "Save As" and
# recognised afterwards. Only the program's windows, its keys and the server
# drive it. Screenshots of the learning dialog and of the tree's pop-up menu
# are kept in ORVANE_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"

SERVER_PID=""
trap '[ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null; e2e_cleanup' EXIT
SHOTS=${ORVANE_SHOTS:-$E2E_WORK}
mkdir -p "$SHOTS"
LOG="$E2E_WORK/commands.log"
SAVED="$E2E_WORK/learned.orv"
STATUS="$E2E_WORK/server.txt"
SEND="$E2E_WORK/send"
mkfifo "$SEND"
: >"$STATUS"

# The server sends each line written to SEND to the program's newest
# connection and waits for the program's echo, so that every text is one
# sequence; it notes "sent TEXT" once the echo is back.
PORT=$((20000 + RANDOM % 10000))
python3 - "$PORT" "$SEND" "$STATUS" <<'EOF' &
import socket, sys, threading
port, fifo, status = int(sys.argv[1]), sys.argv[2], sys.argv[3]
server = socket.socket()
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(("127.0.0.1", port))
server.listen(5)
connections = []
arrived = threading.Condition()
def note(line):
    with open(status, "a") as out:
        out.write(line + "\n")
def accept():
    while True:
        connection, _ = server.accept()
        with arrived:
            connections.append(connection)
            arrived.notify_all()
        note("connected")
threading.Thread(target=accept, daemon=True).start()
while True:
    with open(fifo) as lines:
        for line in lines:
            text = line.rstrip("\n").encode()
            for attempt in range(20):
                with arrived:
                    arrived.wait_for(lambda: connections)
                    connection = connections[-1]
                try:
                    connection.sendall(text)
                    connection.settimeout(15)
                    echo = b""
                    while len(echo) < len(text):
                        chunk = connection.recv(1024)
                        if not chunk:
                            raise OSError("closed")
                        echo += chunk
                    note("sent " + text.decode())
                    break
                except OSError:
                    # The program reconnects after each of its dialogs.
                    with arrived:
                        if connections and connections[-1] is connection:
                            connections.pop()
EOF
SERVER_PID=$!

sent=0
send() { # TEXT: sent, and echoed back
  echo "$1" >"$SEND"
  sent=$((sent + 1))
  for _ in $(seq 300); do [ "$(grep -c '^sent ' "$STATUS")" -ge "$sent" ] && return 0; sleep 0.1; done
  fail "the server could not send \"$1\": $(cat "$STATUS")"
}

# The four lights of the learning dialog as they are on the screen, as
# #RRGGBB colours on one line; waits until they read as expected.
LIGHTS=()
expect_lights() { # "C1 C2 C3 C4" WHAT
  local seen="" i at
  if [ ${#LIGHTS[@]} -eq 0 ]; then
    for i in 1 2 3 4; do LIGHTS+=("$(read_driver middle "Learn command" "Circle$i")") || fail "no light $i"; done
  fi
  for _ in $(seq 20); do
    import -window root "$E2E_WORK/screen.png"
    seen=""
    for at in "${LIGHTS[@]}"; do
      seen+="$(convert "$E2E_WORK/screen.png" -crop "1x1+${at% *}+${at#* }" -depth 8 txt:- |
        grep -o '#[0-9A-F]\{6\}' | head -n 1) "
    done
    [ "${seen% }" = "$1" ] && return 0
    sleep 0.2
  done
  fail "$2: the lights read ${seen% }, not $1"
}
TEAL="#008080" GREEN="#00FF00" RED="#FF0000"

keys() { # KEYS: typed into the main window
  local window
  window=$(xdotool search --name "^$TITLE\$" | head -n 1)
  [ -n "$window" ] || fail "xdotool finds no window titled \"$TITLE\""
  xdotool key --window "$window" "$@"
}

# ---- An empty configuration, the TCP/IP origin alone on --------------------------
first_start
set_dword "Use serial port" 0
set_dword "Use TCP/IP" 1
set_dword "Origin enabled" 1
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "no main window"
for _ in $(seq 100); do grep -q connected "$STATUS" && break; sleep 0.1; done
grep -q connected "$STATUS" || fail "the program never connected to the server"

# ---- A remote and a command through the shortcuts and the name prompts -------------
keys ctrl+r
driver --timeout 20000 answer "New remote" OK "Living room" || fail "no prompt for the remote's name"
driver --timeout 20000 selectnode "$TITLE" CommandsTree "Living room" || fail "no remote in the tree"
keys ctrl+d
driver --timeout 20000 answer "New command" OK "Power" || fail "no prompt for the command's name"
# A new command starts learning at once; this run is cancelled.
driver --timeout 20000 click "Learn command" CancelBtn || fail "learning did not start for the new command"
for _ in $(seq 50); do xdotool search --name "^Learn command\$" >/dev/null || break; sleep 0.1; done
nodes=$(read_driver nodes "$TITLE" CommandsTree)
[ "$nodes" = "Living room [image 0 selected 0]
  Power [image 1 selected 4]" ] || fail "the tree reads
$nodes"
pass "a remote and a command are added through Ctrl+R, Ctrl+D and their prompts"

# ---- Learning: three agreeing texts and one that differs ---------------------------
driver selectnode "$TITLE" CommandsTree "Living room/Power" || fail "cannot select the command"
keys ctrl+l
driver --timeout 20000 wait "Learn command" || fail "Ctrl+L did not open the learning dialog"
expect_lights "$TEAL $TEAL $TEAL $TEAL" "a fresh run"
[ "$(read_driver enabled "Learn command" AcceptBtn)" = 0 ] || fail "Accept is enabled before any sample"
send ABC
expect_lights "$GREEN $TEAL $TEAL $TEAL" "the first sample"
[ "$(read_driver enabled "Learn command" AcceptBtn)" = 0 ] || fail "Accept is enabled with one sample"
send ABC
send ABC
# The program echoes a text before it takes it as a sample.
for _ in $(seq 50); do [ "$(read_driver enabled "Learn command" AcceptBtn)" = 1 ] && break; sleep 0.1; done
[ "$(read_driver enabled "Learn command" AcceptBtn)" = 1 ] || fail "Accept is disabled after agreeing samples"
[ "$(read_driver position "Learn command" ProgressBar)" = 67 ] || fail "the bar is not at the last value"
send XYZ
expect_lights "$GREEN $GREEN $GREEN $RED" "three agreeing samples and a different one"
import -window root "$SHOTS/learning-dialog.png"
driver click "Learn command" AcceptBtn || fail "cannot press Accept"
for _ in $(seq 50); do xdotool search --name "^Learn command\$" >/dev/null || break; sleep 0.1; done
read_driver nodes "$TITLE" CommandsTree | grep -qx "  Power \[image 3 selected 4\]" ||
  fail "the learned command's image: $(read_driver nodes "$TITLE" CommandsTree)"
pass "learning lights agreeing samples green and a different one red, and Accept takes the code"

# ---- The tree's pop-up menu, looked at ---------------------------------------------
at=$(read_driver noderect "$TITLE" CommandsTree "Living room/Power") || fail "the command is not shown"
xdotool mousemove ${at% *} ${at#* } click 3
sleep 1
import -window root "$SHOTS/tree-popup.png"
xdotool key Escape
sleep 0.5
[ "$(read_driver selected "$TITLE" CommandsTree)" = "Living room/Power" ] || fail "the right click did not keep the command"

# ---- Save As, and the saved file holds the learned code -----------------------------
driver click "$TITLE" SaveAsMenu || fail "cannot click Save As"
driver --timeout 20000 answer "Save As" Save "$(winepath -w "$SAVED" 2>/dev/null)" || fail "no Save As dialog"
for _ in $(seq 100); do [ -s "$SAVED" ] && break; sleep 0.1; done
saved=$(tr -d '\r' <"$SAVED" 2>/dev/null)
grep -qx "Name=Power" <<<"$saved" && grep -qx "Digits=2" <<<"$saved" && grep -qx "Code=414243" <<<"$saved" ||
  fail "the saved file reads
$saved"
pass "Save As writes the learned code"

# ---- The same text is now recognised -----------------------------------------------
send ABC
for _ in $(seq 100); do [ -s "$LOG" ] && break; sleep 0.1; done
[ "$(tr -d '\r' <"$LOG" 2>/dev/null)" = "Living room,Power" ] || fail "the log reads \"$(cat "$LOG" 2>/dev/null)\""
pass "the learned text is recognised as the new command"

close_program
