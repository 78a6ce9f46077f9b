#!/usr/bin/env bash
# The choice controls and menus of the demo program, driven as a user would:
# each choice made in a window reaches the model, whose handler reports it in
# the status label; what the model then holds shows in the windows.
source "$(dirname "$0")/lib.sh"

W="Orvane demo: choices"

demo_start() {
  wine "$ORVANE_BIN/orvane-demo.exe" "$@" >"$E2E_WORK/demo.out" 2>&1 &
  ORVANE_PID=$!
}

# equals WHAT EXPECTED ACTUAL
equals() {
  [ "$3" = "$2" ] || fail "$1: got \"$3\", expected \"$2\""
}

reset_registry
demo_start choices
driver --timeout 20000 wait "$W" || fail "the choices demo did not appear"

# Combo boxes: by text and by index, in each of the three kinds.
equals "drop-down list items" "$(printf 'Left\nMiddle\nRight')" "$(read_driver items "$W" ButtonCoBx)"
driver select "$W" ButtonCoBx Right || fail "could not select Right"
driver expect "$W" StatusLbl "Button: Right (item 2)" || fail "the drop-down list's handler did not run"
equals "drop-down list selection" Right "$(read_driver selected "$W" ButtonCoBx)"
driver select "$W" ActionCoBx '#3' || fail "could not select the owner-drawn item 3"
driver expect "$W" StatusLbl "Action: PostMessage (item 3)" || fail "the owner-drawn box's handler did not run"
equals "owner-drawn selection" PostMessage "$(read_driver selected "$W" ActionCoBx)"
driver select "$W" ProgramCoBx Calculator || fail "could not select Calculator"
driver expect "$W" StatusLbl "Program: Calculator (item 1)" || fail "the editable box's handler did not run"
equals "editable box text" Calculator "$(read_driver text "$W" ProgramCoBx)"

# Typing in the editable combo box selects no item.
driver settext "$W" ProgramCoBx "" || fail "could not empty the editable box"
driver type "$W" ProgramCoBx "Wordpad" || fail "could not type into the editable box"
driver expect "$W" StatusLbl "Program: Wordpad (item -1)" || fail "typing did not reach the model"
equals "typed text" Wordpad "$(read_driver selected "$W" ProgramCoBx)"

# The up-down: its position, the edit's text and the model's label agree;
# a position beyond the range ends at its end.
driver setpos "$W" DelayUpDwn 1500 || fail "could not set the up-down"
equals "edit after setpos" "1,500" "$(read_driver text "$W" DelayEdBx)"
equals "label after setpos" "Position: 1500" "$(read_driver text "$W" PositionLbl)"
equals "up-down position" 1500 "$(read_driver position "$W" DelayUpDwn)"
driver setpos "$W" DelayUpDwn 9999 || fail "could not set the up-down beyond its range"
equals "edit at the end of the range" "5,000" "$(read_driver text "$W" DelayEdBx)"
equals "label at the end of the range" "Position: 5000" "$(read_driver text "$W" PositionLbl)"
driver settext "$W" DelayEdBx 250 || fail "could not type a delay"
equals "up-down after typing" 250 "$(read_driver position "$W" DelayUpDwn)"
equals "label after typing" "Position: 250" "$(read_driver text "$W" PositionLbl)"

# The list box and the radio group.
driver select "$W" RemotesLstBx Kitchen || fail "could not select Kitchen"
driver expect "$W" StatusLbl "Remote: Kitchen (item 1)" || fail "the list box's handler did not run"
equals "list box selection" Kitchen "$(read_driver selected "$W" RemotesLstBx)"
driver select "$W" ModeRGrp XOR || fail "could not choose XOR"
driver expect "$W" StatusLbl "Mode: XOR" || fail "the radio group's handler did not run"
equals "radio group choice" XOR "$(read_driver selected "$W" ModeRGrp)"

# Menus by component name: a check mark, a radio pair, a disabled item (which
# runs nothing), a pop-up menu's item acting on the list box.
driver click "$W" SoundsMenu || fail "no menu item SoundsMenu"
driver expect "$W" StatusLbl "Sounds off" || fail "the checked item's handler did not run"
driver click "$W" UnavailableMenu || fail "no menu item UnavailableMenu"
driver click "$W" LargeMenu || fail "no menu item LargeMenu"
driver expect "$W" StatusLbl "Size large" || fail "the radio item's handler did not run"
read_driver text "$W" LogMemo | grep -q "The disabled item ran" && fail "the disabled menu item ran its handler"
driver click "$W" RemoveRemoteMenu || fail "no pop-up menu item RemoveRemoteMenu"
driver expect "$W" StatusLbl "Popup: removed Kitchen" || fail "the pop-up item's handler did not run"
equals "list box after removal" "$(printf 'Sofa\nBedroom\nGarage')" "$(read_driver items "$W" RemotesLstBx)"
driver click "$W" ClearLogMenu || fail "no menu item ClearLogMenu"
driver expect "$W" StatusLbl "Log cleared" || fail "the shortcut item's handler did not run"
equals "memo after clearing" "" "$(read_driver text "$W" LogMemo)"

driver click "$W" ExitMenu || fail "no menu item ExitMenu"
orvane_wait_exit 10 || fail "the demo did not end from its Exit menu item"
[ "$ORVANE_STATUS" = 0 ] || fail "exit status $ORVANE_STATUS, expected 0"
pass "choices demo: combo boxes, up-down, list box, radio group and menus round-trip"

# The basic demo's menu bar.
B="Orvane demo: basic controls"
demo_start basic
driver --timeout 20000 wait "$B" || fail "the basic demo did not appear"
driver click "$B" GreetMenu || fail "no menu item GreetMenu"
driver expect "$B" StatusLbl "Greeted from the menu" || fail "the Greet item's handler did not run"
driver click "$B" ExitMenu || fail "no menu item ExitMenu"
orvane_wait_exit 10 || fail "the basic demo did not end from its Exit menu item"
[ "$ORVANE_STATUS" = 0 ] || fail "exit status $ORVANE_STATUS, expected 0"
pass "basic demo: a menu item runs its handler"
