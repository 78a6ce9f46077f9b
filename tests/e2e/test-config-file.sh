#!/usr/bin/env bash
# Configuration files as a user meets them: a hand-written file named on the
# command line opens with its remotes, commands and layouts; "&Save" writes it
# back as it was (but for the date) and keeps the previous version as ".bak";
# a file that is no configuration says so; a missing one is forgotten silently.
source "$(dirname "$0")/lib.sh"

same() { # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected
$2
-- got --
$3"
}
setting() { wine reg query 'HKCU\Software\Orvane' /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }

# 130 values of two digits: 125 fit on the "Code" line, the rest go on "Code1".
code=$(for i in $(seq 0 124); do printf '%02X' "$i"; done)
code1=$(for i in $(seq 125 129); do printf '%02X' "$i"; done)

# Written by hand from the format, with CR LF line ends.
sed 's/$/\r/' >"$E2E_WORK/home.orv" <<EOF
[File information]
Program=Orvane 4.0b
Version=4
Web=https://orvane.example/
Date=01.01.2030 10:00:00
Commands=6
Layouts=2

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
Name=Play
Level=1
Sound=Bell
Recognition=1
Typematic=1
Digits=2
Code=01FF10
TrigCount=2
TA0=L0A0
TA1=L1A0

[C2]
Name=Stop
Level=1
Sound=
Recognition=0
Typematic=0
Digits=8
Code=FFFFFFFF0000000A
TrigCount=1
TA0=L1A0

[C3]
Name=Long
Level=1
Sound=
Recognition=1
Typematic=1
Digits=2
Code=$code
Code1=$code1
TrigCount=0

[C4]
Name=Radio
Level=0
Sound=
Recognition=1
Typematic=1
Digits=0
Code=
TrigCount=0

[C5]
Name=Next
Level=1
Sound=
Recognition=1
Typematic=1
Digits=0
Code=
TrigCount=1
TA0=L1A0

[L0]
Name=Default
Application=
WndTitle=
ActCount=1

[L0A0]
Name=Power
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=1
TC0=1
ActCount=1
A0=first description

[L1]
Name=Player
Application=player.exe
WndTitle=Media Player
ActCount=1

[L1A0]
Name=Skip
TrigEn=1
TrigType=0
AllAtOnce=1
TrigCount=3
TC0=5
TC1=1
TC2=2
ActCount=3
A0=one
A1=two
A2=three
EOF
cp "$E2E_WORK/home.orv" "$E2E_WORK/original.orv"
home=$(winepath -w "$E2E_WORK/home.orv" 2>/dev/null)
[ -n "$home" ] || fail "winepath gave no name for the file"

reset_registry
wine reg add 'HKCU\Software\Orvane' /v LastORVFile /t REG_SZ /d 'C:\elsewhere.orv' /f >/dev/null 2>&1

# ---- The file named on the command line opens ----------------------------------
orvane_start "$home"
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""
same "commands tree" "TV [image 0 selected 0]
  Play [image 3 selected 4]
  Stop [image 2 selected 4]
  Long [image 3 selected 4]
Radio [image 0 selected 0]
  Next [image 1 selected 4]" "$(read_driver nodes "$TITLE" CommandsTree)"
same "layouts" "Default
Player" "$(read_driver items "$TITLE" LayoutCoBx)"
same "actions of the default layout" "Power" "$(read_driver items "$TITLE" ActionCoBx)"
same "triggers of Power" "TV
  Play" "$(read_driver nodes "$TITLE" TriggerTree | sed 's/ \[image.*//')"
same "file name panel" "$home" "$(read_driver panels "$TITLE" StatBar | head -n 1)"
pass "the file named on the command line shows its remotes, commands and layouts"

# ---- Save writes it back and keeps the previous version --------------------------
# Closing the settings dialog counts as a change, which enables "&Save".
driver click "$TITLE" SettingsBtn
driver --timeout 10000 click Settings AcceptBtn || fail "the settings dialog did not come"
sleep 1
driver click "$TITLE" SaveMenu || fail "could not click Save"
for _ in $(seq 50); do [ -f "$E2E_WORK/home.orv.bak" ] && break; sleep 0.2; done
[ -f "$E2E_WORK/home.orv.bak" ] || fail "no backup home.orv.bak"
cmp -s "$E2E_WORK/home.orv.bak" "$E2E_WORK/original.orv" || fail "the backup is not the file as it was"
diff <(grep -av '^Date=' "$E2E_WORK/original.orv") <(grep -av '^Date=' "$E2E_WORK/home.orv") >"$E2E_WORK/diff" ||
  fail "the saved file differs from the one opened:
$(cat "$E2E_WORK/diff")"
grep -aq $'^Date=..*\r$' "$E2E_WORK/home.orv" || fail "the saved file has no date"
grep -aq '^Date=01.01.2030 10:00:00' "$E2E_WORK/home.orv" && fail "the date was not renewed"
ls "$E2E_WORK" | grep -q '\.tmp$' && fail "a temporary file was left behind"
pass "Save writes the file back as the format says and keeps the previous version as .bak"
close_program

# ---- A file that is no configuration says so --------------------------------------
printf 'just some text\r\n' >"$E2E_WORK/notes.orv"
orvane_start "$(winepath -w "$E2E_WORK/notes.orv")"
driver --timeout 30000 wait "Cannot open file" || fail "no message about a file that is no configuration"
read_driver dialogtext "Cannot open file" | grep -q "The selected file is not a Orvane configuration file type." ||
  fail "the message reads: $(read_driver dialogtext "Cannot open file")"
driver answer "Cannot open file" OK
driver --timeout 20000 wait "$TITLE" || fail "the program did not go on after the message"
same "file name panel after the message" "" "$(read_driver panels "$TITLE" StatBar | head -n 1)"
same "notes.orv" "just some text"$'\r' "$(cat "$E2E_WORK/notes.orv")"
pass "a file that is no configuration is refused with the message and left as it was"
close_program

# ---- A missing file is forgotten without a word -----------------------------------
wine reg add 'HKCU\Software\Orvane' /v LastORVFile /t REG_SZ /d "$home" /f >/dev/null 2>&1
orvane_start 'C:\nowhere\gone.orv'
driver --timeout 30000 wait "$TITLE" || fail "no main window"
sleep 1
driver --timeout 500 wait "Cannot open file" 2>/dev/null && fail "a message was shown for a missing file"
same "file name panel" "" "$(read_driver panels "$TITLE" StatBar | head -n 1)"
same "commands tree" "" "$(read_driver nodes "$TITLE" CommandsTree)"
wineserver -w >/dev/null 2>&1 &
sleep 1
same "LastORVFile" "" "$(setting LastORVFile)"
pass "a missing file on the command line is forgotten silently"
