#!/usr/bin/env bash
# Runs the mixer tests of orvane_win32_tests.exe against Wine's real mixer:
# first with no audio server to reach, then over a PulseAudio daemon of this
# script's own with one null sink, stopped at the end. ctest runs this inside
# tests/wine/with-wine.
set -euo pipefail
: "${ORVANE_BIN:?ORVANE_BIN names the windows build tree}"
: "${WINEPREFIX:?run through tests/wine/with-wine}"

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-audio.XXXXXX")
pulse_pid=""

cleanup() {
  local status=$?
  if [ -n "$pulse_pid" ]; then
    kill "$pulse_pid" 2>/dev/null || true
    wait "$pulse_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

# A run of this script exists to exercise the mixer: a skipped test fails it.
run_tests() {
  local out="$work/tests.out"
  wine "$ORVANE_BIN/orvane_win32_tests.exe" --gtest_filter="$1" 2>&1 | tee "$out"
  if grep -q '^\[  SKIPPED \]' "$out"; then
    echo "FAIL: mixer tests were skipped" >&2
    exit 1
  fi
  grep -q '^\[  PASSED  \] [1-9]' "$out" || { echo "FAIL: no mixer test passed" >&2; exit 1; }
}

# No server: Wine's PulseAudio driver is pointed at a socket that does not exist.
PULSE_SERVER="unix:$work/none" ORVANE_NO_AUDIO_SERVER=1 \
  run_tests 'Win32MidiMixer.WithoutAnAudioServer*'

# The daemon gets a home and runtime folder of its own, takes anonymous
# clients on its one socket, and stays in the foreground so that its process
# is ours to stop. As root it warns that it is meant for --system, and runs.
mkdir -m 700 "$work/home" "$work/runtime"
socket="$work/pulse.socket"
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
pulse_pid=$!
for _ in $(seq 100); do
  [ -S "$socket" ] && break
  kill -0 "$pulse_pid" 2>/dev/null || break
  sleep 0.1
done
if ! [ -S "$socket" ]; then
  echo "FAIL: PulseAudio made no socket" >&2
  cat "$work/pulse.log" >&2
  exit 1
fi

PULSE_SERVER="unix:$socket" ORVANE_AUDIO_SERVER=1 \
  run_tests 'MixerContract.*:Win32MidiMixer.OpensTheOneMixer*'
