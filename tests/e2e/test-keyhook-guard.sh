#!/usr/bin/env bash
# orvane.exe with keyboard trapping on, and tests/doubles/keyhook-intruder.exe,
# a program of the same user that wants the keys: it takes the hook's old and
# guessable block names before the program starts, finds the real block by
# listing the session's named objects and tries to write its window into it,
# tries to change, delete and rename the library file the program wrote
# before the program loads it, and reads that file's key to take the block's
# name first. The intruder gets no key at any time; the program traps keys,
# or says plainly that it cannot, and traps them again once the name is free.
source "$(dirname "$0")/lib.sh"

INTRUDER="$ORVANE_BIN/keyhook-intruder.exe"
PROBE="$ORVANE_BIN/keyhook-probe.exe"
PAD_PID=""
INTRUDER_PID=""
guard_cleanup() {
  local pid
  [ -n "$PAD_PID" ] && exec {PAD_FD}>&- 2>/dev/null
  [ -n "$INTRUDER_PID" ] && exec {INTRUDER_FD}>&- 2>/dev/null
  for pid in $PAD_PID $INTRUDER_PID; do kill "$pid" 2>/dev/null; done
}
trap 'guard_cleanup; e2e_cleanup' EXIT

wait_for() { # MESSAGE CONDITION...
  local message=$1 waited=0
  shift
  until "$@"; do
    [ $waited -ge 200 ] && fail "$message"
    sleep 0.1
    waited=$((waited + 1))
  done
}

# The folder GetTempPath names, where the program writes its library.
windows_temp=$(wine cmd /c echo %TMP% | tr -d '\r')
[ "$windows_temp" = "%TMP%" ] && windows_temp=$(wine cmd /c echo %TEMP% | tr -d '\r')
TEMP_DIR=$(winepath -u "$windows_temp")
library_files() { find "$TEMP_DIR" -maxdepth 1 -type f -regex '.*/~fs[0-9]+\.dll' -printf '%f\n' | sort; }

first_start
for name in "Use serial port" "Use AVerMedia" "Use BestBuy" "Use TCP/IP"; do set_dword "$name" 0; done
set_dword "Use keyboard trapping" 1
set_text "Log file" "$(winepath -w "$E2E_WORK/keys.log" 2>/dev/null)"
printf '%s\r\n' "[File information]" "Program=Orvane 4.0b" "Version=4" "Date=01.01.2030 10:00:00" \
  "Commands=3" "Layouts=1" "" \
  "[C0]" "Name=Keys" "Level=0" "Sound=" "Recognition=1" "Typematic=1" "Digits=0" "Code=" "TrigCount=0" "" \
  "[C1]" "Name=A" "Level=1" "Sound=" "Recognition=1" "Typematic=0" "Digits=2" "Code=41" "TrigCount=0" "" \
  "[C2]" "Name=B" "Level=1" "Sound=" "Recognition=1" "Typematic=0" "Digits=2" "Code=42" "TrigCount=0" "" \
  "[L0]" "Name=Default" "Application=" "WndTitle=" "ActCount=0" >"$E2E_WORK/keys.orv"
KEYS=$(winepath -w "$E2E_WORK/keys.orv" 2>/dev/null)
LOG="$E2E_WORK/keys.log"
log_lines() { tr -d '\r' <"$LOG" 2>/dev/null | grep -c .; }
log_since() { tail -n +$(($1 + 1)) "$LOG" 2>/dev/null | tr -d '\r' | paste -sd' '; }

# --- the intruder and a pad to type into, before the program ------------------
mkfifo "$E2E_WORK/intruder.in" "$E2E_WORK/pad.in"
wine "$INTRUDER" --at 400 40 "Keyhook intruder" <"$E2E_WORK/intruder.in" >"$E2E_WORK/intruder.out" 2>"$E2E_WORK/intruder.err" &
INTRUDER_PID=$!
exec {INTRUDER_FD}>"$E2E_WORK/intruder.in"
wine "$PROBE" --at 700 700 "Keyhook pad" <"$E2E_WORK/pad.in" >"$E2E_WORK/pad.out" 2>"$E2E_WORK/pad.err" &
PAD_PID=$!
exec {PAD_FD}>"$E2E_WORK/pad.in"
wait_for "the intruder did not start: $(cat "$E2E_WORK/intruder.err")" grep -q '^ready$' "$E2E_WORK/intruder.out"
wait_for "the pad did not start: $(cat "$E2E_WORK/pad.err")" grep -q '^ready$' "$E2E_WORK/pad.out"
PAD=$(xdotool search --name '^Keyhook pad$' | head -n 1)
[ -n "$PAD" ] || fail "the pad window is not on the display"

# Sends the intruder a command and prints its answer lines.
intruder() { # COMMAND...
  local done_count seen
  done_count=$(grep -c '^done ' "$E2E_WORK/intruder.out")
  seen=$(wc -l <"$E2E_WORK/intruder.out")
  echo "$*" >&"$INTRUDER_FD"
  done_more() { [ "$(grep -c '^done ' "$E2E_WORK/intruder.out")" -gt "$done_count" ]; }
  wait_for "the intruder did not answer \"$*\": $(cat "$E2E_WORK/intruder.err")" done_more
  tail -n +$((seen + 1)) "$E2E_WORK/intruder.out" | grep -Ev '^(done|key|message) '
}
# Every key message the intruder was ever posted, once all posted so far are handled.
intruder_keys() { intruder sync >/dev/null; grep -E '^(key|message) ' "$E2E_WORK/intruder.out"; }

pad_text() {
  local count
  count=$(grep -c '^text' "$E2E_WORK/pad.out")
  echo text >&"$PAD_FD"
  answers() { [ "$(grep -c '^text' "$E2E_WORK/pad.out")" -gt "$count" ]; }
  wait_for "the pad does not answer" answers
  grep '^text' "$E2E_WORK/pad.out" | tail -n 1 | cut -c6-
}
# Types into the pad as a user does, until the pad shows the keys: then
# every hook call they caused has posted its message.
type_into_pad() {
  local before expected attempt waited
  before=$(pad_text)
  expected=$before$1
  for attempt in 1 2 3 4 5; do
    xdotool windowraise "$PAD"
    xdotool mousemove --window "$PAD" 60 60 click 1
    xdotool type --window "$PAD" "$1"
    for waited in $(seq 50); do [ "$(pad_text)" = "$expected" ] && return 0; sleep 0.1; done
    [ "$(pad_text)" = "$before" ] || break
  done
  fail "the keys \"$1\" did not reach the pad (it shows \"$(pad_text)\", it showed \"$before\")"
}
# Types the keys and waits until the program has logged WANT since line FROM.
typed_and_logged() { # KEYS FROM WANT
  type_into_pad "$1"
  logged() { [ "$(log_since "$2")" = "$3" ]; }
  wait_for "the program logged \"$(log_since "$2")\", not \"$3\"" logged "$@"
}

squatted=$(intruder squat)
echo "$squatted"
for name in KeyCountData KeyCountOwner 'Local\\KeyCountData'; do
  echo "$squatted" | grep -qx "squat $name ok" || fail "the intruder could not take $name: $squatted"
done

# --- the program traps keys, whatever names the intruder took --------------------
set_dword "Origin enabled" 1
BEFORE=$(library_files)
orvane_start "$KEYS"
driver --timeout 30000 wait "$TITLE" || fail "no main window"
traps_keys() { read_driver panels "$TITLE" StatBar | grep -qx "Origin enabled: Keyboard press trapping"; }
wait_for "the program does not trap keys: $(read_driver panels "$TITLE" StatBar | paste -sd'|')" traps_keys
typed_and_logged ab 0 "Keys,A Keys,B"
[ -z "$(intruder_keys)" ] || fail "the intruder got keys through a name it took: $(intruder_keys | paste -sd,)"
pass "the program traps keys with the old and guessable names taken, and the intruder gets none"

# The block is found by listing names. Its access list lets others read it
# only; Wine, unlike Windows, still lets its owner rewrite that list, and
# then the intruder writes its window in. The hook refuses a window without
# the check only the key makes, so the intruder still gets nothing.
scanned=$(intruder scan)
echo "$scanned"
block=$(echo "$scanned" | sed -n 's/^found //p' | head -n 1)
[ -n "$block" ] || fail "the intruder's listing found no block of the program: $scanned"
echo "$scanned" | grep -qx "read $block ok" || fail "the hooked programs could not read $block either: $scanned"
echo "$scanned" | grep -q "^write $block error [0-9]" || fail "another program could open $block for writing: $scanned"
type_into_pad ba
[ -z "$(intruder_keys)" ] || fail "the intruder got keys through $block: $(intruder_keys | paste -sd,)"
# A record rewritten that way reports nowhere until the hook starts again,
# as it does whenever the origins are switched on.
driver click "$TITLE" EnableOriginMenu || fail "no menu item EnableOriginMenu"
driver click "$TITLE" EnableOriginMenu || fail "no menu item EnableOriginMenu"
wait_for "the program does not trap keys after switching its origins on again" traps_keys
lines=$(log_lines)
typed_and_logged ba "$lines" "Keys,B Keys,A"
[ -z "$(intruder_keys)" ] || fail "the intruder got keys through $block: $(intruder_keys | paste -sd,)"
pass "the intruder finds $block but gets no keys through it, and the program traps keys"
close_program

# --- the library file, between writing and loading -------------------------------
# Origins off at the start: the program writes its library but loads it
# only when trapping is switched on.
set_dword "Origin enabled" 0
BEFORE=$(library_files)
orvane_start "$KEYS"
driver --timeout 30000 wait "$TITLE" || fail "no main window"
new_file() { comm -13 <(echo "$BEFORE") <(library_files) | sed '/^$/d' | head -n 1; }
has_new_file() { [ -n "$(new_file)" ]; }
wait_for "the program wrote no library file" has_new_file
FILE=$(new_file)
cp "$TEMP_DIR/$FILE" "$E2E_WORK/written.dll"
attacked=$(intruder file "$(winepath -w "$TEMP_DIR/$FILE" 2>/dev/null)")
echo "$attacked"
echo "$attacked" | grep -qx "file read ok" || fail "the library file cannot be read for loading: $attacked"
for how in write delete rename; do
  echo "$attacked" | grep -q "^file $how error [0-9]" || fail "the intruder could $how the library file: $attacked"
done
cmp -s "$TEMP_DIR/$FILE" "$E2E_WORK/written.dll" || fail "the library file changed"
# The key is all that differs from the library as built.
at=$(grep -obUaF 'Orvane hook key:' "$ORVANE_BIN/keyhook.dll" | cut -d: -f1)
cmp -s <(head -c $((at + 16)) "$TEMP_DIR/$FILE"; tail -c +$((at + 33)) "$TEMP_DIR/$FILE") \
  <(head -c $((at + 16)) "$ORVANE_BIN/keyhook.dll"; tail -c +$((at + 33)) "$ORVANE_BIN/keyhook.dll") ||
  fail "$FILE differs from keyhook.dll outside its key"
cmp -s <(tail -c +$((at + 17)) "$TEMP_DIR/$FILE" | head -c 16) <(head -c 16 /dev/zero) &&
  fail "$FILE carries no key"
pass "the intruder can read $FILE but cannot change, delete or rename it"

# --- the block's name taken first, by one who read the key -----------------------
stolen=$(intruder steal "$(winepath -w "$TEMP_DIR/$FILE" 2>/dev/null)")
echo "$stolen"
echo "$stolen" | grep -q '^steal KeyCountData-[0-9a-f]\{16\} ok$' || fail "the intruder could not take the name: $stolen"
driver click "$TITLE" EnableOriginMenu || fail "no menu item EnableOriginMenu"
driver --timeout 30000 wait "Initialization result" || fail "no message about the taken name"
read_driver dialogtext "Initialization result" | grep -qx "Unable to create file mapping, Error: 183" ||
  fail "the message reads: $(read_driver dialogtext "Initialization result")"
driver answer "Initialization result" OK
[ "$(read_driver panels "$TITLE" StatBar | sed -n 2p)" = "" ] ||
  fail "the status bar lists origins without the hook: $(read_driver panels "$TITLE" StatBar)"
lines=$(log_lines)
type_into_pad ab
[ -z "$(intruder_keys)" ] || fail "the intruder got keys through the name it took first: $(intruder_keys | paste -sd,)"
[ "$(log_lines)" = "$lines" ] || fail "keys were logged without a hook: $(log_since "$lines")"
pass "with its block's name taken first the program says so, and neither it nor the intruder gets keys"

intruder release
driver click "$TITLE" EnableOriginMenu || fail "no menu item EnableOriginMenu"
wait_for "the program does not trap keys once the name is free" traps_keys
lines=$(log_lines)
typed_and_logged ab "$lines" "Keys,A Keys,B"
[ -z "$(intruder_keys)" ] || fail "the intruder got keys: $(intruder_keys | paste -sd,)"
close_program
pass "once the name is free, switching the origins on traps keys again"
