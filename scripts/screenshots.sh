#!/usr/bin/env bash
# Takes the guide's pictures (docs/images) of the real program under Wine:
# the main window with the sample configuration, the learning dialog, the
# action editor and two pages of the settings dialog. Run by
# `make screenshots`, inside tests/wine/with-wine (a fresh prefix and a
# virtual display), after the windows build.
set -uo pipefail
cd "$(dirname "$0")/.."
export ORVANE_BIN="$PWD/build/windows"
source tests/e2e/lib.sh
images=docs/images
mkdir -p "$images"

# The program as the release lays it out: the samples and the languages beside it.
folder="$WINEPREFIX/drive_c/Program Files/Orvane"
mkdir -p "$folder/Lang"
cp "$ORVANE_BIN/orvane.exe" package/Sample.orv package/MyMsgList.txt "$folder/"
cp lang/*.lng "$folder/Lang/" 2>/dev/null
sample=$(winepath -w "$folder/Sample.orv")

start() {
  wine "$folder/orvane.exe" "$@" >"$E2E_WORK/orvane.out" 2>&1 &
  ORVANE_PID=$!
  driver --timeout 30000 wait "$TITLE" || fail "no main window"
}
# One top-level window, by its exact title, as it is on the screen.
shoot() { # title, file
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  [ -n "$id" ] || fail "no window \"$1\" to take"
  sleep 1
  import -window "$id" "$images/$2" || fail "could not take \"$1\""
  echo "$images/$2"
}

# The first start writes the default settings; then the keyboard is the
# origin, so learning has something to listen to.
reset_registry
start
close_program
set_dword "Use serial port" 0
set_dword "Use keyboard trapping" 1

start "$sample"
driver selectnode "$TITLE" CommandsTree "My remote/Volume up"
driver select "$TITLE" ActionCoBx "Volume up"
shoot "$TITLE" main-window.png

# Learning a command: three presses of the same key agree.
driver selectnode "$TITLE" CommandsTree "My remote/Play"
driver click "$TITLE" LearnMenu
driver --timeout 20000 wait "Learn command" || fail "no learning dialog"
for _ in 1 2 3; do
  sleep 0.6
  xdotool key F9
done
sleep 1
shoot "Learn command" learning.png
driver click "Learn command" CancelBtn

# The media player's full-screen key in the action editor.
driver select "$TITLE" LayoutCoBx "Media player"
driver select "$TITLE" ActionCoBx "Full screen"
driver select "$TITLE" ActionPageCtrl "#1"
driver select "$TITLE" ActionsList "#0"
if [ "$(read_driver enabled "$TITLE" PropertiesBtn)" = 1 ]; then
  driver click "$TITLE" PropertiesBtn
  driver --timeout 20000 wait "Action setup" || fail "no action editor"
  shoot "Action setup" action-editor.png
  driver click "Action setup" CancelBtn
else
  # While the action list cannot open the editor yet, the gallery shows it alone.
  wine "$ORVANE_BIN/orvane-gallery.exe" ActionForm >/dev/null 2>&1 &
  gallery=$!
  driver --timeout 20000 wait "Action setup" || fail "no action editor in the gallery"
  shoot "Action setup" action-editor.png
  kill "$gallery"
  wait "$gallery" 2>/dev/null
fi

driver click "$TITLE" SettingsBtn
driver --timeout 20000 wait Settings || fail "no settings dialog"
shoot Settings settings.png
driver select Settings PageCtrl "#1"
shoot Settings settings-origins.png
driver click Settings AcceptBtn
driver close "$TITLE"
driver --timeout 3000 answer Orvane No >/dev/null 2>&1
orvane_wait_exit 20 || fail "the program did not close"
