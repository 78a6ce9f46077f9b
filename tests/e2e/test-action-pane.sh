#!/usr/bin/env bash
# The action pane as a user works it, through the program's windows only: a
# new action through "&New" and its prompt, a remote dragged with the mouse
# from the commands tree onto the trigger tree, "OR", one trigger deleted with
# the Delete key and its question, the layouts switched and back, and "&Save":
# the file holds exactly what the pane showed, and opening it again shows the
# same pane. Screenshots of both pages filled (descriptions written into the
# file, as the action editor is not driven here) are kept in ORVANE_SHOTS when set.
source "$(dirname "$0")/lib.sh"

SHOTS=${ORVANE_SHOTS:-$E2E_WORK}
mkdir -p "$SHOTS"

same() { # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected
$2
-- got --
$3"
}
command_section() { # NAME
  printf '[C%s]\nName=%s\nLevel=%s\nSound=\nRecognition=1\nTypematic=1\nDigits=0\nCode=\nTrigCount=0\n\n' "$@"
}
# Drags with the left button from one screen point to another, in steps, as a hand would.
mouse_drag() {
  local step
  xdotool mousemove "$1" "$2" mousedown 1
  for step in 1 2 3 4 5 6; do
    sleep 0.1
    xdotool mousemove $(($1 + ($3 - $1) * step / 6)) $(($2 + ($4 - $2) * step / 6))
  done
  sleep 0.2
  xdotool mouseup 1
}
section() { tr -d '\r' <"$E2E_WORK/pane.orv" | awk -v head="[$1]" '$0 == head { on = 1; next } on && /^$/ { exit } on'; }
triggers() { read_driver nodes "$TITLE" TriggerTree | sed 's/ \[image.*//'; }

{
  printf '[File information]\nProgram=Orvane 4.0b\nVersion=4\nWeb=https://orvane.example/\n'
  printf 'Date=01.01.2030 10:00:00\nCommands=4\nLayouts=2\n\n'
  command_section 0 TV 0
  command_section 1 Power 1
  command_section 2 Mute 1
  command_section 3 Menu 1
  printf '[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n\n'
  printf '[L1]\nName=Player\nApplication=player.exe\nWndTitle=Media Player\nActCount=0\n'
} | sed 's/$/\r/' >"$E2E_WORK/pane.orv"
file=$(winepath -w "$E2E_WORK/pane.orv" 2>/dev/null)
[ -n "$file" ] || fail "winepath gave no name for the file"

reset_registry
orvane_start "$file"
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""
same "pages before any action" "0" "$(read_driver enabled "$TITLE" ActionPageCtrl)"

# ---- A new action, named in its prompt --------------------------------------------
driver click "$TITLE" NewBtn
driver --timeout 20000 answer "New action" OK "Zapper" || fail "no prompt for the action's name"
driver expect "$TITLE" ActionCoBx "Zapper" || fail "the new action is not chosen"
same "pages with an action" "1" "$(read_driver enabled "$TITLE" ActionPageCtrl)"

# ---- The remote dragged onto the trigger tree -------------------------------------
read -r from_x from_y <<<"$(read_driver noderect "$TITLE" CommandsTree TV)" || fail "no place for TV"
read -r to_x to_y <<<"$(read_driver middle "$TITLE" TriggerTree)" || fail "no place for the trigger tree"
mouse_drag "$from_x" "$from_y" "$to_x" "$to_y"
for _ in $(seq 50); do [ "$(triggers | wc -l)" = 4 ] && break; sleep 0.1; done
same "triggers after the drop" "TV
  Power
  Mute
  Menu" "$(triggers)"

# ---- "OR", and one trigger deleted with the Delete key -----------------------------
driver select "$TITLE" TrigTypeRGrp OR || fail "cannot choose OR"
read -r x y <<<"$(read_driver noderect "$TITLE" TriggerTree "TV/Mute")" || fail "no place for TV/Mute"
xdotool mousemove "$x" "$y" click 1
for _ in $(seq 50); do [ "$(read_driver selected "$TITLE" TriggerTree)" = "TV/Mute" ] && break; sleep 0.1; done
xdotool key Delete
driver --timeout 20000 wait "Delete command" || fail "no question before deleting the trigger"
read_driver dialogtext "Delete command" | grep -q "Are you sure you want to delete the command 'Mute'?" ||
  fail "the question reads: $(read_driver dialogtext "Delete command")"
driver answer "Delete command" Yes || fail "cannot answer the question"
for _ in $(seq 50); do [ "$(triggers | wc -l)" = 3 ] && break; sleep 0.1; done
same "triggers after the deletion" "TV
  Power
  Menu" "$(triggers)"
pass "a new action gets a dragged remote's commands as triggers, and one is deleted after its question"

# ---- Another layout and back; then both pages, looked at --------------------------
driver select "$TITLE" LayoutCoBx Player || fail "cannot choose the other layout"
same "actions of the other layout" "" "$(read_driver items "$TITLE" ActionCoBx)"
same "pages of a layout without actions" "0" "$(read_driver enabled "$TITLE" ActionPageCtrl)"
driver select "$TITLE" LayoutCoBx Default || fail "cannot choose the default layout again"
driver expect "$TITLE" ActionCoBx "Zapper" || fail "the action is not shown again"
same "mode shown again" "OR" "$(read_driver selected "$TITLE" TrigTypeRGrp)"
same "triggers shown again" "TV
  Power
  Menu" "$(triggers)"

# ---- Saved as shown --------------------------------------------------------------
driver click "$TITLE" SaveMenu || fail "could not click Save"
for _ in $(seq 50); do [ -f "$E2E_WORK/pane.orv.bak" ] && break; sleep 0.2; done
[ -f "$E2E_WORK/pane.orv.bak" ] || fail "Save wrote nothing"
sleep 0.5
same "the saved action" "Name=Zapper
TrigEn=0
TrigType=1
AllAtOnce=0
TrigCount=2
TC0=1
TC1=3
ActCount=0" "$(section L0A0)"
same "the default layout" "ActCount=1" "$(section L0 | grep ActCount)"
same "the other layout" "ActCount=0" "$(section L1 | grep ActCount)"
for c in C1 C3; do same "what $c fires" "TrigCount=1
TA0=L0A0" "$(section $c | grep -E '^(TrigCount|TA)')"; done
same "what Mute fires" "TrigCount=0" "$(section C2 | grep -E '^(TrigCount|TA)')"
close_program

# ---- Opened again: the same pane --------------------------------------------------
orvane_start "$file"
driver --timeout 30000 wait "$TITLE" || fail "no main window after reopening"
driver expect "$TITLE" ActionCoBx "Zapper" || fail "the action is not shown after reopening"
same "mode after reopening" "OR" "$(read_driver selected "$TITLE" TrigTypeRGrp)"
same "triggering after reopening" "Enabled" "$(read_driver selected "$TITLE" TriggeringRGrp)"
same "triggers after reopening" "TV
  Power
  Menu" "$(triggers)"
pass "the file holds the triggers, mode and name shown, and opening it again shows the same pane"
close_program

# ---- Both pages filled, looked at -------------------------------------------------
m=$'\xa1' # the type mark of a description
long="A longer text on the screen, to see the column widen"
tr -d '\r' <"$E2E_WORK/pane.orv" |
  awk -v m="$m" -v long="$long" '/^\[L0A0\]/ { on = 1 }
    on && /^ActCount=0$/ { print "ActCount=3"; print "A0=" m "OSD" m "Hello" "Delay:0";
      print "A1=" m "Shutdown" m "1Delay:0"; print "A2=" m "OSD" m long "Delay:0"; on = 0; next } { print }' |
  sed 's/$/\r/' >"$E2E_WORK/filled.orv"
orvane_start "$(winepath -w "$E2E_WORK/filled.orv" 2>/dev/null)"
driver --timeout 30000 wait "$TITLE" || fail "no main window for the filled file"
driver expect "$TITLE" ActionCoBx "Zapper" || fail "the action is not shown in the filled file"
import -window root "$SHOTS/action-pane-triggers.png"
driver select "$TITLE" ActionPageCtrl "Actions list" || fail "cannot show the actions list"
same "rows" "Hello [image 6]
Reboot [image 5]
$long [image 6]" "$(read_driver rows "$TITLE" ActionsList)"
same "all at once with three rows" "1" "$(read_driver enabled "$TITLE" AllAtOnceChBtn)"
same "properties with no row chosen" "0" "$(read_driver enabled "$TITLE" PropertiesBtn)"
sleep 0.5
import -window root "$SHOTS/action-pane-list.png"
pass "both pages filled"
close_program
