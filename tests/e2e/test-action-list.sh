#!/usr/bin/env bash
# The action list as a user meets it: a configuration holding one action
# description of each type opens, and each row reads as the action editor
# would put it, with its type's image; the key's name comes from the system.
source "$(dirname "$0")/lib.sh"

m=$'\xa1' # the type mark
sed 's/$/\r/' >"$E2E_WORK/actions.orv" <<EOF
[File information]
Program=Orvane 4.0b
Version=4
Web=https://orvane.example/
Date=01.01.2030 10:00:00
Commands=0
Layouts=1

[L0]
Name=Default
Application=
WndTitle=
ActCount=1

[L0A0]
Name=Everything
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=0
ActCount=8
A0=${m}SendKeys${m}NCSE19Delay:500DestWnd:PlayerKeepActive:N
A1=${m}MouseControl${m}Click:0YDelay:0
A2=${m}ExecuteProgram${m}Try:Filename:C:\\Windows\\notepad.exeParams:readme.txtSuspend:NDelay:0
A3=${m}PostMessage${m}WM_CLOSEwParam:0lParam:1ADelay:0DestWnd:EditorKeepActive:Y
A4=${m}Mixer${m}WaveVolume:1Increment:5Delay:250
A5=${m}Shutdown${m}1Delay:0
A6=${m}WindowState${m}1Delay:0
A7=${m}OSD${m}Hello thereDelay:1000
EOF

reset_registry
orvane_start "$(winepath -w "$E2E_WORK/actions.orv" 2>/dev/null)"
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""
[ "$(read_driver items "$TITLE" ActionCoBx)" = "Everything" ] || fail "the action was not read"
expected="Ctrl+Shift+F5 [image 0]
Left double click [image 1]
notepad.exe readme.txt [image 2]
WM_CLOSE, 0, 1A [image 3]
Wave, volume down, 5 [image 4]
Reboot [image 5]
Maximize [image 5]
Hello there [image 6]"
rows=$(read_driver rows "$TITLE" ActionsList)
[ "$rows" = "$expected" ] || fail "the action list reads
$rows
-- expected --
$expected"
pass "each description shows its caption and its type's image, the key named by the system"
close_program
