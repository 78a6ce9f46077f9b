#!/usr/bin/env bash
# A recognised command plays its named sound: a code from a TCP server is
# recognised while "Play sounds" is on, and the command's sound, a WAV file of
# the user's list in the registry, shows as a stream of the sound server (a
# PulseAudio daemon of this test's own with one null sink) while it plays.
source "$(dirname "$0")/lib.sh"

SOCAT_PID=""
PULSE_PID=""
stop_helpers() {
  [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null
  if [ -n "$PULSE_PID" ]; then
    kill "$PULSE_PID" 2>/dev/null
    wait "$PULSE_PID" 2>/dev/null
  fi
  e2e_cleanup
}
trap stop_helpers EXIT

# The sound server: a home and runtime folder of its own, anonymous clients on
# one socket, in the foreground so that its process is ours to stop.
mkdir -m 700 "$E2E_WORK/home" "$E2E_WORK/runtime"
SOCKET="$E2E_WORK/pulse.socket"
HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" \
  pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix socket=$SOCKET auth-anonymous=1" \
    >"$E2E_WORK/pulse.log" 2>&1 &
PULSE_PID=$!
for _ in $(seq 100); do [ -S "$SOCKET" ] && break; sleep 0.1; done
[ -S "$SOCKET" ] || fail "PulseAudio made no socket: $(cat "$E2E_WORK/pulse.log")"
export PULSE_SERVER="unix:$SOCKET"
# The streams the server plays now, as "application|sample format".
streams() {
  pactl list sink-inputs 2>/dev/null |
    awk -F': ' '$1 ~ /^[[:space:]]*Sample S/ {format=$2} /application.name = / {gsub(/"/, "", $0); sub(/.*= /, ""); print $0 "|" format}'
}
[ -z "$(pactl list short sink-inputs 2>/dev/null)" ] || fail "the sound server plays something already: $(streams)"

# Six seconds of 8-bit mono at 11025 Hz: a format nothing else here plays.
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }
WAV="$E2E_WORK/bell.wav"
samples=$((11025 * 6))
{
  printf RIFF; le32 $((36 + samples)); printf 'WAVEfmt '; le32 16; le16 1; le16 1; le32 11025; le32 11025; le16 1; le16 8
  printf data; le32 $samples
  head -c $samples /dev/zero | tr '\0' '\200'
} >"$WAV"

write_tv_net_config "$E2E_WORK/sound.orv" "BELL"

PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr SYSTEM:"sleep 2; printf AB; cat >/dev/null" &
SOCAT_PID=$!

first_start
set_dword "Use serial port" 0
set_dword "Use TCP/IP" 1
set_dword "Origin enabled" 1
set_dword "Play sounds" 1
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
LOG="$E2E_WORK/commands.log"
set_text "Log file" "$(winepath -w "$LOG" 2>/dev/null)"
wine reg add 'HKCU\Software\Orvane\Sounds' /v Bell /t REG_SZ /d "$(winepath -w "$WAV" 2>/dev/null)" /f >/dev/null 2>&1

orvane_start "$(winepath -w "$E2E_WORK/sound.orv" 2>/dev/null)"
driver --timeout 30000 wait "$TITLE" || fail "no main window"
for _ in $(seq 100); do [ -s "$LOG" ] && break; sleep 0.1; done
[ "$(tr -d '\r' <"$LOG" 2>/dev/null)" = "TV,Net" ] || fail "the server's code was not recognised: $(cat "$LOG" 2>/dev/null)"

# The sound plays for six seconds from the moment the command is recognised.
seen=""
for _ in $(seq 40); do
  seen=$(streams)
  [ -n "$seen" ] && break
  sleep 0.1
done
echo "sound server streams: $seen"
# Wine names the stream after the program's version resource ("Orvane"),
# or after its file when it has none.
echo "$seen" | grep -qiE '^orvane(\.exe)?\|u8 1ch 11025Hz$' ||
  fail "no stream of the command's sound: \"$seen\" in $(pactl list sink-inputs 2>/dev/null)"
pass "the command's named sound plays as a stream of the sound server"

close_program
