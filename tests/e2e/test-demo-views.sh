#!/usr/bin/env bash
# The views demo (orvane-demo.exe views) driven through the automation driver
# and the mouse: the tree's nodes and images, selections by path reaching the
# model's handler, nodes deleted and added by handlers, a list view selection,
# the status bar panels, page switching, the track bar, and tree nodes dragged
# with the mouse (a drop the handler accepts moves the node; a refused one
# changes nothing).
source "$(dirname "$0")/lib.sh"

T="Orvane demo: views"

# The driver's output without the console's carriage returns.

same() { # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected
$2
-- got --
$3"
}

# Drags with the left button from one screen point to another, in steps, as a hand would.
mouse_drag() {
  local from_x=$1 from_y=$2 to_x=$3 to_y=$4 step
  xdotool mousemove "$from_x" "$from_y" mousedown 1
  for step in 1 2 3 4 5 6; do
    sleep 0.1
    xdotool mousemove $((from_x + (to_x - from_x) * step / 6)) $((from_y + (to_y - from_y) * step / 6))
  done
  sleep 0.2
  xdotool mouseup 1
}

wine "$ORVANE_BIN/orvane-demo.exe" views >"$E2E_WORK/demo.out" 2>&1 &
ORVANE_PID=$!
driver --timeout 20000 wait "$T" || fail "the views demo did not appear"

# ---- Tree: nodes with their images, selection, deletion, addition ----------------
same "tree nodes" "TV [image 0 selected 0]
  Power [image 3 selected 4]
  Mute [image 3 selected 4]
  Volume up [image 2 selected 4]
Radio [image 0 selected 0]
  Power [image 1 selected 4]
  Next station [image 3 selected 4]" "$(read_driver nodes "$T" CommandsTree)"

driver selectnode "$T" CommandsTree "TV/Mute" || fail "could not select TV/Mute"
driver expect "$T" StatusLbl "Selected: TV/Mute" || fail "the tree's OnChange did not report TV/Mute"
same "status bar after the tree selection" "TV/Mute
No sound" "$(read_driver panels "$T" StatBar)"

# Deleting the selected node selects its previous sibling, in the model and on screen.
driver click "$T" DeleteBtn || fail "could not click Delete"
driver expect "$T" StatusLbl "Selected: TV/Power" || fail "deleting TV/Mute did not select TV/Power"
same "tree selection after the deletion" "TV/Power" "$(read_driver selected "$T" CommandsTree)"

driver click "$T" AddBtn || fail "could not click Add command"
driver expect "$T" StatusLbl "Selected: TV/New command" || fail "the added node was not selected"
same "selection after the addition" "TV/New command" "$(read_driver selected "$T" CommandsTree)"
same "tree nodes after deleting and adding" "TV [image 0 selected 0]
  Power [image 3 selected 4]
  Volume up [image 2 selected 4]
  New command [image 1 selected 4]
Radio [image 0 selected 0]
  Power [image 1 selected 4]
  Next station [image 3 selected 4]" "$(read_driver nodes "$T" CommandsTree)"
pass "tree: nodes with images, selection by path, deletion and addition in step with the model"

# ---- List view and status bar ------------------------------------------------------
same "list items" "Ding
Chord
Tada
Notify" "$(read_driver items "$T" SoundsList)"
driver select "$T" SoundsList Chord || fail "could not select Chord"
driver expect "$T" StatusLbl "Sound: Chord" || fail "the list's OnChange did not report Chord"
same "list selection" "Chord" "$(read_driver selected "$T" SoundsList)"
driver select "$T" SoundsList Tada || fail "could not select Tada"
driver expect "$T" StatusLbl "Sound: Tada" || fail "the list's OnChange did not report Tada"
same "status bar panels" "TV/New command
Sound: Tada" "$(read_driver panels "$T" StatBar)"
pass "list view: selections reach the model's handler, which fills the status bar"

# ---- Page control --------------------------------------------------------------------
same "first page" "General" "$(read_driver selected "$T" PageCtrl)"
same "controls shown on the first page" "1 0" "$(read_driver visible "$T" LaunchChBx) $(read_driver visible "$T" SoundEdBx)"
driver select "$T" PageCtrl Sounds || fail "could not choose the Sounds tab"
same "page chosen" "Sounds" "$(read_driver selected "$T" PageCtrl)"
same "controls shown on the Sounds page" "0 1 0" \
  "$(read_driver visible "$T" LaunchChBx) $(read_driver visible "$T" SoundEdBx) $(read_driver visible "$T" AboutBtn)"
pass "page control: choosing a tab shows that page's controls only"

# ---- Track bar driving a label and a progress bar -----------------------------------------
driver setpos "$T" AccelBar 8 || fail "could not move the track bar"
driver expect "$T" AccelLbl "Acceleration: 8" || fail "the track bar's OnChange did not run"
same "progress bar following the track bar" "8" "$(read_driver position "$T" AccelPrgBar)"
pass "track bar: a move reaches the model, whose handler moves the progress bar"

# ---- Dragging tree nodes with the mouse ----------------------------------------------------
read -r from_x from_y <<<"$(read_driver noderect "$T" CommandsTree "Radio/Next station")" || fail "no place for Radio/Next station"
read -r to_x to_y <<<"$(read_driver noderect "$T" CommandsTree "TV")" || fail "no place for TV"
mouse_drag "$from_x" "$from_y" "$to_x" "$to_y"
driver expect "$T" StatusLbl "Moved Next station to TV" || fail "dropping a command on a remote did not move it"
same "tree after the drop" "TV [image 0 selected 0]
  Next station [image 3 selected 4]
  Power [image 3 selected 4]
  Volume up [image 2 selected 4]
  New command [image 1 selected 4]
Radio [image 0 selected 0]
  Power [image 1 selected 4]" "$(read_driver nodes "$T" CommandsTree)"

# A remote may not land on a command: the handler refuses and nothing moves.
before=$(read_driver nodes "$T" CommandsTree)
read -r from_x from_y <<<"$(read_driver noderect "$T" CommandsTree "Radio")" || fail "no place for Radio"
read -r to_x to_y <<<"$(read_driver noderect "$T" CommandsTree "TV/Power")" || fail "no place for TV/Power"
mouse_drag "$from_x" "$from_y" "$to_x" "$to_y"
driver expect "$T" StatusLbl "Selected: Radio" || fail "pressing the mouse on Radio did not select it"
# Input runs in order: once this click has selected its node, the drop is over.
read -r x y <<<"$(read_driver noderect "$T" CommandsTree "TV/Volume up")" || fail "no place for TV/Volume up"
xdotool mousemove "$x" "$y" click 1
driver expect "$T" StatusLbl "Selected: TV/Volume up" || fail "a click on TV/Volume up did not select it"
same "tree after a refused drop" "$before" "$(read_driver nodes "$T" CommandsTree)"
pass "drag and drop: an accepted drop moves the node, a refused one changes nothing"

driver close "$T" || fail "could not close the demo"
orvane_wait_exit 10 || fail "the demo did not end after its window was closed"
[ "$ORVANE_STATUS" = 0 ] || fail "exit status $ORVANE_STATUS, expected 0"
pass "the views demo closed with status 0"
