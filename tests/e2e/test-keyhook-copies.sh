#!/usr/bin/env bash
# Two copies of orvane.exe with keyboard trapping on. Each copy writes the
# hook library to a file of its own and loads it from there, so every
# program that receives keys holds two modules of the library, each with a
# hook; still each key typed into another program is reported once.
source "$(dirname "$0")/lib.sh"

PROBE="$ORVANE_BIN/keyhook-probe.exe"
COPY_PIDS=()
PAD_PID=""
copies_cleanup() {
  local pid
  [ -n "$PAD_PID" ] && exec {PAD_FD}>&- 2>/dev/null
  for pid in "${COPY_PIDS[@]}" $PAD_PID; do kill "$pid" 2>/dev/null; done
}
trap 'copies_cleanup; e2e_cleanup' EXIT

# Waits until CONDITION (a command) holds, failing with MESSAGE after a generous while.
wait_for() { # MESSAGE CONDITION...
  local message=$1 waited=0
  shift
  until "$@"; do
    [ $waited -ge 200 ] && fail "$message"
    sleep 0.1
    waited=$((waited + 1))
  done
}

first_start
for name in "Use serial port" "Use AVerMedia" "Use BestBuy" "Use TCP/IP"; do set_dword "$name" 0; done
set_dword "Use keyboard trapping" 1
set_dword "Origin enabled" 1
set_dword "Multiple instances" 1
printf '%s\r\n' "[File information]" "Program=Orvane 4.0b" "Version=4" "Date=01.01.2030 10:00:00" \
  "Commands=3" "Layouts=1" "" \
  "[C0]" "Name=Keys" "Level=0" "Sound=" "Recognition=1" "Typematic=1" "Digits=0" "Code=" "TrigCount=0" "" \
  "[C1]" "Name=A" "Level=1" "Sound=" "Recognition=1" "Typematic=0" "Digits=2" "Code=41" "TrigCount=0" "" \
  "[C2]" "Name=B" "Level=1" "Sound=" "Recognition=1" "Typematic=0" "Digits=2" "Code=42" "TrigCount=0" "" \
  "[L0]" "Name=Default" "Application=" "WndTitle=" "ActCount=0" >"$E2E_WORK/keys.orv"
KEYS=$(winepath -w "$E2E_WORK/keys.orv" 2>/dev/null)

# Each copy reads its log file's name at its start: one log each.
start_copy() { # LOG
  set_text "Log file" "$(winepath -w "$1" 2>/dev/null)"
  wine "$ORVANE_BIN/orvane.exe" "$KEYS" >>"$E2E_WORK/copies.out" 2>&1 &
  COPY_PIDS+=($!)
}
log_lines() { tr -d '\r' <"$1" 2>/dev/null | grep -c .; }
log_since() { tail -n +$(($2 + 1)) "$1" 2>/dev/null | tr -d '\r' | paste -sd' '; }
keys_in_logs() { echo $(($(log_lines "$LOG1") + $(log_lines "$LOG2"))); }
more_keys_than() { [ "$(keys_in_logs)" -gt "$1" ]; }
LOG1="$E2E_WORK/first.log"
LOG2="$E2E_WORK/second.log"

# The pad: a window of another program to type into, away from the program's windows.
mkfifo "$E2E_WORK/pad.in"
wine "$PROBE" --at 700 700 "Keyhook pad" <"$E2E_WORK/pad.in" >"$E2E_WORK/pad.out" 2>"$E2E_WORK/pad.err" &
PAD_PID=$!
exec {PAD_FD}>"$E2E_WORK/pad.in"
wait_for "the pad did not start: $(cat "$E2E_WORK/pad.err")" grep -q '^ready$' "$E2E_WORK/pad.out"
PAD=$(xdotool search --name '^Keyhook pad$' | head -n 1)
[ -n "$PAD" ] || fail "the pad window is not on the display"
answers() { [ "$(grep -c '^text' "$E2E_WORK/pad.out")" -gt "$1" ]; }
pad_text() {
  local count
  count=$(grep -c '^text' "$E2E_WORK/pad.out")
  echo text >&"$PAD_FD"
  wait_for "the pad does not answer" answers "$count"
  grep '^text' "$E2E_WORK/pad.out" | tail -n 1 | cut -c6-
}
pad_shows() { [ "$(pad_text)" = "$1" ]; }
# True when CONDITION holds within TENTHS tenths of a second.
holds_within() { # TENTHS CONDITION...
  local limit=$1 waited=0
  shift
  until "$@"; do
    [ $waited -ge "$limit" ] && return 1
    sleep 0.1
    waited=$((waited + 1))
  done
}
# Types into the pad as a user does, and waits until it shows the keys:
# then every hook call they caused has posted its message. A copy's window
# appearing late may take the focus from the pad between the click and the
# typing; then the pad shows none of the keys and they are typed again.
type_into_pad() {
  local before expected attempt
  before=$(pad_text)
  expected=$before$1
  for attempt in 1 2 3 4 5; do
    xdotool windowraise "$PAD"
    xdotool mousemove --window "$PAD" 60 60 click 1
    xdotool type --window "$PAD" "$1"
    holds_within 50 pad_shows "$expected" && return 0
    [ "$(pad_text)" = "$before" ] || break
  done
  fail "the keys \"$1\" did not reach the pad (it shows \"$(pad_text)\", it showed \"$before\")"
}

start_copy "$LOG1"
driver --timeout 30000 wait "$TITLE" || fail "the first copy shows no window"
traps_keys() { read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: Keyboard press trapping"; }
wait_for "the first copy does not trap keys: $(read_driver panels "$TITLE" StatBar | paste -sd'|')" traps_keys
start_copy "$LOG2"
# Its window takes the keyboard as it appears: typing starts after that.
two_windows() { [ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" -ge 2 ]; }
wait_for "the second copy shows no window" two_windows
# The copy that started its hook last gets the keys: once the second one
# has, a typed key shows in its log.
tries=0
until [ "$(log_lines "$LOG2")" -ge 1 ]; do
  [ $tries -ge 30 ] && fail "the second copy never got a key (first log: $(log_since "$LOG1" 0))"
  before=$(keys_in_logs)
  type_into_pad a
  wait_for "a typed key reached neither copy" more_keys_than "$before"
  tries=$((tries + 1))
done
first_lines=$(log_lines "$LOG1")
second_lines=$(log_lines "$LOG2")
# "a" after "b": once its line is there, every report of "b" has been handled.
type_into_pad ba
a_logged() { log_since "$LOG2" "$second_lines" | grep -q "Keys,A"; }
wait_for "the keys did not reach the second copy: $(log_since "$LOG2" "$second_lines")" a_logged
[ "$(log_since "$LOG2" "$second_lines")" = "Keys,B Keys,A" ] ||
  fail "with two copies trapping keys, the second one logged: $(log_since "$LOG2" "$second_lines")"
[ "$(log_lines "$LOG1")" = "$first_lines" ] || fail "the first copy got keys too: $(log_since "$LOG1" "$first_lines")"
pass "two copies of the program, each with its own file of the library, report each key once"
