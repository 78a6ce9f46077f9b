#!/usr/bin/env bash
# A layout bound to a running window and an action set up in the action
# editor, driven only through the program's windows. With a probe window open,
# the layout manager adds the probe's window as a layout; an action of that
# layout gets a "Tap key" description whose destination is picked from the
# editor's window list, and the saved file holds both. The volume page lists
# the mixer's master line over a PulseAudio null sink, and without an audio
# server "Accept" there closes the editor as cancelled. Screenshots of every
# page and of the layout manager are kept in ORVANE_SHOTS when it is set.
source "$(dirname "$0")/lib.sh"

SHOTS=${ORVANE_SHOTS:-$E2E_WORK}
mkdir -p "$SHOTS"
PROBE="$ORVANE_BIN/keyhook-probe.exe"
PROBE_TITLE="Layout probe window"
LAYOUTS="Layout setup"
EDITOR="Action setup"
PROBE_PID="" PROBE_FD="" PULSE_PID=""

cleanup_all() {
  [ -n "$PROBE_FD" ] && exec {PROBE_FD}>&- 2>/dev/null # end of input: the probe quits
  if [ -n "$PROBE_PID" ]; then
    for _ in $(seq 50); do kill -0 "$PROBE_PID" 2>/dev/null || break; sleep 0.1; done
    kill "$PROBE_PID" 2>/dev/null
  fi
  if [ -n "$PULSE_PID" ]; then
    kill "$PULSE_PID" 2>/dev/null
    wait "$PULSE_PID" 2>/dev/null
  fi
  e2e_cleanup
}
trap cleanup_all EXIT

shot() { sleep 0.5; import -window root "$SHOTS/$1.png" 2>/dev/null; }
# An editable combo box's text can lag its list: wait for what the driver reads.
expect_text() { # WINDOW CONTROL TEXT
  driver --timeout 10000 expect "$1" "$2" "$3" || fail "$2 reads \"$(read_driver text "$1" "$2")\", not \"$3\""
}
# Clicks are posted: wait until the control they enable takes input.
wait_enabled() { # WINDOW CONTROL
  for _ in $(seq 100); do [ "$(read_driver enabled "$1" "$2")" = "1" ] && return 0; sleep 0.1; done
  fail "$2 stays disabled"
}
wait_closed() { # TITLE
  for _ in $(seq 100); do driver --timeout 100 wait "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
  fail "\"$1\" did not close"
}

# Before anything of the test runs: it waits until the prefix is idle.
reset_registry

# ---- The probe: a window of another program to bind a layout to ----
mkfifo "$E2E_WORK/probe.in"
wine "$PROBE" --at 700 600 "$PROBE_TITLE" <"$E2E_WORK/probe.in" >"$E2E_WORK/probe.out" 2>&1 &
PROBE_PID=$!
exec {PROBE_FD}>"$E2E_WORK/probe.in"
for _ in $(seq 300); do grep -q '^ready' "$E2E_WORK/probe.out" && break; sleep 0.1; done
grep -q '^ready' "$E2E_WORK/probe.out" || fail "the probe window did not start: $(cat "$E2E_WORK/probe.out")"

# An empty configuration, so that Save writes without asking for a name.
sed 's/$/\r/' >"$E2E_WORK/layouts.orv" <<EOF
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
ActCount=0
EOF
FILE=$(winepath -w "$E2E_WORK/layouts.orv" 2>/dev/null)

# No audio server to reach: the mixer cannot be opened.
PULSE_SERVER="unix:$E2E_WORK/no-such-socket" orvane_start "$FILE"
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""

# ---- The layout manager, from the main window's menu ----
driver click "$TITLE" LayoutSetupMenu
driver --timeout 10000 wait "$LAYOUTS" || fail "the layout manager did not open"
tree=$(read_driver nodes "$LAYOUTS" ActiveWndsTree)
grep -q "^$PROBE_TITLE" <<<"$tree" || fail "the running windows tree lacks the probe:
$tree"
[ "$(read_driver enabled "$LAYOUTS" AddBtn)" = "0" ] || fail "\"Add to layouts\" is enabled with nothing selected"
driver selectnode "$LAYOUTS" ActiveWndsTree "$PROBE_TITLE"
wait_enabled "$LAYOUTS" AddBtn
shot layout-manager
driver click "$LAYOUTS" AddBtn
for _ in $(seq 50); do [ "$(read_driver items "$LAYOUTS" LayoutList)" = "$PROBE_TITLE" ] && break; sleep 0.1; done
[ "$(read_driver items "$LAYOUTS" LayoutList)" = "$PROBE_TITLE" ] || fail "the layout list reads \"$(read_driver items "$LAYOUTS" LayoutList)\""
driver select "$LAYOUTS" LayoutList "$PROBE_TITLE"
expect_text "$LAYOUTS" WndTitleEdBx "$PROBE_TITLE"
shot layout-manager-added
driver click "$LAYOUTS" CloseBtn
wait_closed "$LAYOUTS"
pass "the probe's window became a layout from the running windows tree"

[ "$(read_driver items "$TITLE" LayoutCoBx)" = "Default
$PROBE_TITLE" ] || fail "the layout box reads \"$(read_driver items "$TITLE" LayoutCoBx)\""
driver select "$TITLE" LayoutCoBx "$PROBE_TITLE"

# ---- An action of that layout, and the editor from "New..." ----
driver click "$TITLE" NewBtn
driver answer "New action" OK "Keys" || fail "no prompt for the new action's name"
for _ in $(seq 50); do [ "$(read_driver items "$TITLE" ActionCoBx)" = "Keys" ] && break; sleep 0.1; done
[ "$(read_driver items "$TITLE" ActionCoBx)" = "Keys" ] || fail "the new action is not listed"
driver select "$TITLE" ActionPageCtrl "Actions list"

open_editor() {
  driver click "$TITLE" NewActionBtn
  driver --timeout 10000 wait "$EDITOR" || fail "the action editor did not open"
}
open_editor
pages=(TapKey MouseMove ExecuteProgram PostMessage Volume Miscellaneous)
for index in 0 1 2 3 4 5; do
  driver select "$EDITOR" ActionTypeCoBx "#$index"
  shot "editor-${pages[$index]}"
done
# Without a mixer the volume page has no line and accepts as cancelled.
driver select "$EDITOR" ActionTypeCoBx "Volume control"
[ -z "$(read_driver items "$EDITOR" MixerLineCoBx)" ] || fail "mixer lines listed with no audio server"
[ "$(read_driver enabled "$EDITOR" VolumeRBtn)" = "0" ] || fail "the volume option is enabled with no mixer"
driver click "$EDITOR" AcceptBtn
wait_closed "$EDITOR"
[ -z "$(read_driver rows "$TITLE" ActionsList)" ] || fail "a volume description was added with no mixer"
pass "with no mixer the volume page closes as cancelled and adds nothing"

# The editor comes back as it was left: on the volume page.
open_editor
driver select "$EDITOR" ActionTypeCoBx "Tap key"
driver click "$EDITOR" ParticularKeyRBtn
wait_enabled "$EDITOR" ParticularKeyEdBx
driver settext "$EDITOR" ParticularKeyEdBx "Hello{ENTER}"
driver dropdown "$EDITOR" DestinationWndCoBx
grep -qx "$PROBE_TITLE" <<<"$(read_driver items "$EDITOR" DestinationWndCoBx)" ||
  fail "the destination list lacks the probe: $(read_driver items "$EDITOR" DestinationWndCoBx)"
driver select "$EDITOR" DestinationWndCoBx "$PROBE_TITLE"
expect_text "$EDITOR" DestinationWndCoBx "$PROBE_TITLE"
shot editor-TapKey-filled
driver click "$EDITOR" AcceptBtn
wait_closed "$EDITOR"
for _ in $(seq 50); do [ -n "$(read_driver rows "$TITLE" ActionsList)" ] && break; sleep 0.1; done
[ -n "$(read_driver rows "$TITLE" ActionsList)" ] || fail "the accepted description is not listed"
shot main-with-action

driver click "$TITLE" SaveMenu
m=$'\xa1'
expected_layout="Name=$PROBE_TITLE
Application=$PROBE_TITLE
WndTitle=$PROBE_TITLE"
expected_description="A0=${m}SendKeys${m}NNNNHello{ENTER}Delay:0DestWnd:${PROBE_TITLE}KeepActive:N"
for _ in $(seq 50); do grep -q "^A0=" "$E2E_WORK/layouts.orv" && break; sleep 0.1; done
saved=$(tr -d '\r' <"$E2E_WORK/layouts.orv")
grep -qF "$expected_layout" <<<"$saved" || fail "the saved file lacks the layout:
$saved"
grep -qxF "$expected_description" <<<"$saved" || fail "the saved file lacks \"$expected_description\":
$saved"
pass "the saved file holds the probe's layout and the exact description"
close_program

# ---- The volume page over a PulseAudio null sink ----
mkdir -m 700 "$E2E_WORK/home" "$E2E_WORK/runtime"
socket="$E2E_WORK/pulse.socket"
HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" \
  pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 -n \
  --load="module-null-sink sink_name=nullsink" \
  --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
  >"$E2E_WORK/pulse.log" 2>&1 &
PULSE_PID=$!
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || fail "PulseAudio made no socket: $(cat "$E2E_WORK/pulse.log")"

PULSE_SERVER="unix:$socket" orvane_start "$FILE"
driver --timeout 30000 wait "$TITLE" || fail "no main window on the second start"
driver select "$TITLE" LayoutCoBx "$PROBE_TITLE"
driver select "$TITLE" ActionPageCtrl "Actions list"
open_editor
driver select "$EDITOR" ActionTypeCoBx "Volume control"
lines=$(read_driver items "$EDITOR" MixerLineCoBx)
[ -n "$lines" ] || fail "no mixer line listed over the null sink"
[ "$(head -n1 <<<"$lines")" = "$(read_driver text "$EDITOR" MixerLineCoBx)" ] || fail "the first line is not selected"
[ "$(read_driver enabled "$EDITOR" VolumeRBtn)" = "1" ] || fail "the volume option stays disabled with a mixer"
shot editor-Volume-mixer
driver click "$EDITOR" CancelBtn
wait_closed "$EDITOR"
pass "over the null sink the volume page lists the master line first: $(head -n1 <<<"$lines")"
close_program
