#!/usr/bin/env bash
# A DDE client links to the event item and is killed while codes arrive,
# three times over.
source "$(dirname "$0")/lib.sh"

write_flood_config "$E2E_WORK/flood.orv"
first_start
free_ports
tcp_settings "$CODE_PORT" "$EVENT_PORT"
GO="$E2E_WORK/go"
CODES_STOP="$E2E_WORK/codes-stop"
python3 "$PEERS" steady "$CODE_PORT" "$EVENT_PORT" "$GO" "$CODES_STOP" >"$E2E_WORK/peers.out" 2>&1 &
peers=$!
orvane_start "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)"
baseline
measure_start "dde-client-killed"
touch "$GO"
for round in 1 2 3; do
  out="$E2E_WORK/dde.$round"
  : >"$out"
  wine "$ORVANE_BIN/dde-client.exe" orvane RemoteControlData OrvaneDDEServer 1000000 \
    "$(winepath -w "$out" 2>/dev/null)" >/dev/null 2>&1 &
  dde=$!
  for _ in $(seq 300); do [ "$(grep -c '^advise' "$out")" -ge 5 ] && break; sleep 0.1; done
  echo "DDE client $round: $(grep -c '^advise' "$out") events by its link before it was killed"
  kill -9 "$dde"
  wait "$dde" 2>/dev/null
  sleep 1
done
touch "$CODES_STOP"
wait "$peers"
cat "$E2E_WORK/peers.out"
next=$(sed -n 's/^next //p' "$E2E_WORK/peers.out")
measure_stop "${next:-no}"
close_flooded
