#!/usr/bin/env bash
# The keyboard hook library, driven through tests/doubles/keyhook-probe.exe:
# keys typed into one program reach the window that started the hook as
# message 1025 (virtual-key code, keystroke data unchanged), once each, and
# still reach the program they were typed into; after KeyHook_Stop nothing
# arrives. Each probe loads a file of the library of its own with a key of its
# own, as each copy of the program writes one. When the shared block cannot
# be had, KeyHook_Start fails instead of running a hook that reports nowhere,
# and KeyHook_ErrorText says why; the library shows no message box of its own.
source "$(dirname "$0")/lib.sh"

PROBE="$ORVANE_BIN/keyhook-probe.exe"
[ -f "$ORVANE_BIN/keyhook.dll" ] || fail "keyhook.dll is not built in $ORVANE_BIN"

# A copy of the built library with random bytes after its key marker, as the
# program writes it out; prints its Windows path.
keyed_library() { # NAME
  local file="$E2E_WORK/$1.dll" at
  cp "$ORVANE_BIN/keyhook.dll" "$file"
  at=$(grep -obUaF 'Orvane hook key:' "$file" | cut -d: -f1)
  [ -n "$at" ] || fail "keyhook.dll has no key marker"
  head -c 16 /dev/urandom | dd of="$file" bs=1 seek=$((at + 16)) conv=notrunc status=none
  winepath -w "$file" 2>/dev/null
}

declare -A PROBE_PID PROBE_FD

probes_cleanup() {
  local name
  for name in "${!PROBE_PID[@]}"; do
    exec {PROBE_FD[$name]}>&- 2>/dev/null # end of input: the probe quits
  done
  for name in "${!PROBE_PID[@]}"; do
    local waited=0
    while kill -0 "${PROBE_PID[$name]}" 2>/dev/null && [ $waited -lt 50 ]; do sleep 0.1; waited=$((waited + 1)); done
    kill "${PROBE_PID[$name]}" 2>/dev/null
  done
}
trap 'probes_cleanup; e2e_cleanup' EXIT

# Waits until the probe's output has at least COUNT lines matching PATTERN.
wait_lines() { # NAME PATTERN [COUNT]
  local name=$1 pattern=$2 count=${3:-1} waited=0
  until [ "$(grep -c -E "$pattern" "$E2E_WORK/$name.out")" -ge "$count" ]; do
    [ $waited -ge 300 ] && fail "$name: no \"$pattern\" (#$count) in: $(cat "$E2E_WORK/$name.out" "$E2E_WORK/$name.err")"
    sleep 0.1
    waited=$((waited + 1))
  done
}

probe_start() { # NAME ARGS...
  local name=$1
  shift
  mkfifo "$E2E_WORK/$name.in"
  wine "$PROBE" "$@" <"$E2E_WORK/$name.in" >"$E2E_WORK/$name.out" 2>"$E2E_WORK/$name.err" &
  PROBE_PID[$name]=$!
  exec {PROBE_FD[$name]}>"$E2E_WORK/$name.in"
  wait_lines "$name" '^ready$'
}

say() { echo "$2" >&"${PROBE_FD[$1]}"; }

# Sends a command and waits for its answer, the N-th line starting with the
# command's answer word.
ask() { # NAME COMMAND ANSWER-WORD
  local count
  count=$(grep -c "^$3" "$E2E_WORK/$1.out")
  say "$1" "$2"
  wait_lines "$1" "^$3" $((count + 1))
}

# Every message posted to the probe before this call has been handled after it.
sync_probe() { ask "$1" sync sync; }

# Output lines since the last mark: mark NAME, then since NAME PATTERN.
declare -A MARK
mark() { MARK[$1]=$(wc -l <"$E2E_WORK/$1.out"); }
since() { tail -n +$((MARK[$1] + 1)) "$E2E_WORK/$1.out" | grep -E "$2"; }

# "key 65 C01E0001" and "sees 65 C01E0001" both as "65 up"; bit 31 marks a release.
as_presses() {
  while read -r _ vk data; do
    if [ $((0x$data & 0x80000000)) -ne 0 ]; then echo "$vk up"; else echo "$vk down"; fi
  done
}

PAD_TEXT=""
# Types lowercase letters into the pad the way a user does, and waits until
# they show in its text box: then every hook call they caused has posted.
type_into_pad() {
  xdotool mousemove --window "$PAD" 60 60 click 1
  xdotool type --window "$PAD" "$1"
  PAD_TEXT+=$1
  local waited=0
  while :; do
    ask pad text text
    [ "$(grep '^text' "$E2E_WORK/pad.out" | tail -n 1)" = "text $PAD_TEXT" ] && return
    [ $waited -ge 100 ] && fail "the pad shows \"$(grep '^text' "$E2E_WORK/pad.out" | tail -n 1)\", not \"text $PAD_TEXT\": the keys did not reach it"
    sleep 0.2
    waited=$((waited + 1))
  done
}

# The key messages a listener got since its mark, as "VK down|up" lines.
received() { since "$1" '^key ' | as_presses; }

# --- the shared block cannot be had --------------------------------------------
# Runs first: later the block exists while any probe holds the library.
check_block_failure() { # HOW EXPECTED-TEXT-PATTERN
  probe_start "occupied-$1" --dll "$(keyed_library "occupied-$1")" --occupy "$1" --at 40 40 "Keyhook occupied"
  # A message box of the library's own would hold KeyHook_Start, and the answer, back.
  ask "occupied-$1" start start
  local answer
  answer=$(grep '^start ' "$E2E_WORK/occupied-$1.out" | tail -n 1)
  [[ $answer =~ ^start\ 0\ $2$ ]] || fail "$1: KeyHook_Start answered \"$answer\""
  # Without its block the hook procedure only passes the event on.
  mark "occupied-$1"
  say "occupied-$1" "call 0 65 1"
  sync_probe "occupied-$1"
  [ -z "$(since "occupied-$1" '^key ')" ] || fail "$1: a key was posted without the block"
  say "occupied-$1" quit
  wait "${PROBE_PID[occupied-$1]}"
  exec {PROBE_FD[occupied-$1]}>&-
  unset "PROBE_PID[occupied-$1]"
}
check_block_failure event 'Unable to create file mapping, Error: [1-9][0-9]*'
# A section someone else made under the name is never used, whatever it allows.
check_block_failure readonly 'Unable to create file mapping, Error: 183'
pass "a shared block that cannot be had, or whose name is taken, fails KeyHook_Start with the error number"

# The library as built carries no key: its block's name would be anyone's to work out.
probe_start unkeyed --dll "$(winepath -w "$ORVANE_BIN/keyhook.dll")" --at 40 40 "Keyhook unkeyed"
ask unkeyed start start
[ "$(grep '^start ' "$E2E_WORK/unkeyed.out")" = "start 0 The keyboard hook library carries no key of its own" ] ||
  fail "the library without a key answered: $(grep '^start ' "$E2E_WORK/unkeyed.out")"
say unkeyed quit
wait "${PROBE_PID[unkeyed]}"
exec {PROBE_FD[unkeyed]}>&-
unset "PROBE_PID[unkeyed]"
pass "the library without a key of its own does not start its hook"

# --- keys typed into another program -------------------------------------------
probe_start pad --at 40 40 "Keyhook pad"
PAD=$(xdotool search --name '^Keyhook pad$' | head -n 1)
[ -n "$PAD" ] || fail "the pad window is not on the display"
probe_start listener --dll "$(keyed_library listener)" --at 40 220 "Keyhook listener"

# Only a window of the program that starts the hook can be its target.
ask pad window window
ask listener "start $(grep '^window ' "$E2E_WORK/pad.out" | cut -d' ' -f2)" start
[ "$(grep '^start ' "$E2E_WORK/listener.out")" = "start 0 Unable to set keyboard hook, Error: 1400" ] ||
  fail "KeyHook_Start with another program's window answered: $(grep '^start ' "$E2E_WORK/listener.out")"

ask listener start start
[ "$(grep '^start ' "$E2E_WORK/listener.out" | tail -n 1)" = "start 1" ] || fail "KeyHook_Start failed"
mark listener
mark pad
type_into_pad ab
sync_probe listener
expected=$'65 down\n65 up\n66 down\n66 up'
[ "$(received listener)" = "$expected" ] ||
  fail "the listener got $(received listener | paste -sd,), expected $(echo "$expected" | paste -sd,)"
# WParam and LParam are exactly what the typed-into window itself got.
[ "$(since listener '^key ' | cut -d' ' -f2-)" = "$(since pad '^sees ' | cut -d' ' -f2-)" ] ||
  fail "key data differs: hook $(since listener '^key ' | paste -sd,), window $(since pad '^sees ' | paste -sd,)"
pass "presses and releases of keys typed into another program arrive as message 1025, and the keys still arrive"

# The hook procedure itself: only hook code 0 (HC_ACTION) is reported; a
# peeked event (HC_NOREMOVE) comes round again and negative codes are not ours.
mark listener
say listener "call 0 90 1"
say listener "call 3 91 1"
say listener "call -1 92 1"
say listener "call 0 93 0xC0000001"
sync_probe listener
[ "$(since listener '^key ' | paste -sd,)" = "key 90 00000001,key 93 C0000001" ] ||
  fail "KeyCounter posted $(since listener '^key ' | paste -sd,)"
pass "KeyCounter reports hook code 0 only, with WParam and LParam unchanged"

# Starting again without stopping must not leave two hooks reporting.
ask listener start start
mark listener
type_into_pad c
sync_probe listener
[ "$(received listener)" = $'67 down\n67 up' ] || fail "after a second start: $(received listener | paste -sd,)"
pass "a second KeyHook_Start replaces the first hook"

# --- a second copy of the program ----------------------------------------------
# Both copies' hooks sit in the chain, each from a file of its own; the hook
# started last reports.
probe_start second --dll "$(keyed_library second)" --at 40 400 "Keyhook second"
ask second start start
mark listener
mark second
type_into_pad d
sync_probe listener
sync_probe second
[ "$(received second)" = $'68 down\n68 up' ] || fail "the second copy got $(received second | paste -sd,)"
[ -z "$(received listener)" ] || fail "the first copy still got $(received listener | paste -sd,)"

# The first copy stopping removes its own hook, not the second's.
ask listener stop stop
mark listener
mark second
type_into_pad e
sync_probe listener
sync_probe second
[ "$(received second)" = $'69 down\n69 up' ] || fail "after the first copy stopped: $(received second | paste -sd,)"
[ -z "$(received listener)" ] || fail "the stopped copy got $(received listener | paste -sd,)"

# A copy that stops gets nothing more, though the other copy's hook still runs.
ask listener start start
ask listener stop stop
mark listener
type_into_pad f
sync_probe listener
[ -z "$(received listener)" ] || fail "a stopped copy got $(received listener | paste -sd,) through the other's hook"
pass "with two copies started, each key is reported once, and only to a window that still wants it"

# --- stopped -------------------------------------------------------------------
ask second stop stop
mark listener
mark second
type_into_pad g
sync_probe listener
sync_probe second
[ -z "$(received listener)$(received second)" ] ||
  fail "keys arrived after KeyHook_Stop: $(received listener | paste -sd,) / $(received second | paste -sd,)"

# Stop then start, as the program does each time its origins are switched on.
ask listener start start
mark listener
type_into_pad h
sync_probe listener
[ "$(received listener)" = $'72 down\n72 up' ] || fail "after a restart: $(received listener | paste -sd,)"
pass "nothing arrives after KeyHook_Stop, and a new start reports keys again"

