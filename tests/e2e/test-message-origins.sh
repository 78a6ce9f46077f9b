#!/usr/bin/env bash
# Codes that arrive whole drive the real program: a message of the TV
# application to the window it looks for, the TV card's answer to a poll, a
# text from a TCP server (which hears it back), and a key typed into the
# program with keyboard trapping on. Each recognised command is a line
# "remote,command" of the log; a code that matches nothing logs nothing.
source "$(dirname "$0")/lib.sh"

TV_TITLE="AVerMedia TV Tuner 98"
SOCAT_PID=""
trap '[ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null; e2e_cleanup' EXIT

LOG="$E2E_WORK/commands.log"
log_lines() { tr -d '\r' <"$LOG" 2>/dev/null; }
# Waits until the log has COUNT lines and its last one is LINE.
expect_logged() { # COUNT LINE WHAT
  for _ in $(seq 100); do [ "$(log_lines | wc -l)" -ge "$1" ] && break; sleep 0.1; done
  [ "$(log_lines | wc -l)" -eq "$1" ] && [ "$(log_lines | tail -n 1)" = "$2" ] ||
    fail "$3: the log reads
$(log_lines)"
}

# Codes in hexadecimal, Digits a value: 12345, 8, the key K (75), the text AB.
sed 's/$/\r/' >"$E2E_WORK/codes.orv" <<EOF
[File information]
Program=Orvane 4.0b
Version=4
Date=01.01.2030 10:00:00
Commands=5
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
Name=Joined
Level=1
Sound=
Recognition=1
Typematic=0
Digits=4
Code=3039
TrigCount=0

[C2]
Name=Card
Level=1
Sound=
Recognition=1
Typematic=0
Digits=2
Code=08
TrigCount=0

[C3]
Name=Key
Level=1
Sound=
Recognition=1
Typematic=0
Digits=2
Code=4B
TrigCount=0

[C4]
Name=Net
Level=1
Sound=
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
EOF

# A server that sends the code AB and keeps what comes back.
PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr SYSTEM:"sleep 2; printf AB; cat >'$E2E_WORK/echo.txt'" &
SOCAT_PID=$!

# A first start writes the defaults; then every message-based origin is on.
first_start
for name in "Use AVerMedia" "Use BestBuy" "Use keyboard trapping" "Use TCP/IP" "Origin enabled"; do
  set_dword "$name" 1
done
set_dword "Use serial port" 0
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"

# The program runs from a folder of its own, with the test card library.
APP="$E2E_WORK/app"
mkdir -p "$APP"
cp "$ORVANE_BIN/orvane.exe" "$ORVANE_BIN/doubles/grappler.dll" "$APP/"
wine "$APP/orvane.exe" "$(winepath -w "$E2E_WORK/codes.orv" 2>/dev/null)" >"$E2E_WORK/orvane.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 30000 wait "$TITLE" || fail "no main window"
read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: AVerMedia TV Series Remote, BestBuy EasyTV, Keyboard press trapping, TCP/IP" ||
  fail "status bar: $(read_driver panels "$TITLE" StatBar)"

# The network text: recognised, and echoed unchanged.
expect_logged 1 "TV,Net" "the server's text"
for _ in $(seq 50); do [ -s "$E2E_WORK/echo.txt" ] && break; sleep 0.1; done
[ "$(cat "$E2E_WORK/echo.txt" 2>/dev/null)" = AB ] || fail "the server got back \"$(cat "$E2E_WORK/echo.txt" 2>/dev/null)\""
pass "a TCP server's code is echoed and its command logged"

# The TV application's message to the window it looks for.
wine "$ORVANE_BIN/tv-remote.exe" "$TV_TITLE" 1026 12 345 || fail "no window titled \"$TV_TITLE\""
expect_logged 2 "TV,Joined" "message 1026"
wine "$ORVANE_BIN/tv-remote.exe" "$TV_TITLE" 3002 9 9 || fail "no window titled \"$TV_TITLE\""
sleep 1
expect_logged 2 "TV,Joined" "a code that matches nothing"
pass "the TV application's message is a command; an unknown code logs nothing"

# The card answers 200 to one poll: the code 8, once; its other polls answer 0.
printf '200\r\n' >"$APP/grappler-answers.txt"
expect_logged 3 "TV,Card" "the card's answer"
sleep 1
expect_logged 3 "TV,Card" "the card's later polls"
pass "the card's answer is a command once per poll that returns it"

# A key typed into the program's window, seen by the keyboard hook.
window=$(xdotool search --name "^$TITLE\$" | head -n 1)
[ -n "$window" ] || fail "xdotool finds no window titled \"$TITLE\""
xdotool key --window "$window" k
expect_logged 4 "TV,Key" "the key K"
pass "a key typed with keyboard trapping on is a command"

close_program
