#!/usr/bin/env bash
# 100 TCP/IP event clients connect and drop while codes keep arriving: some
# leave at once, some reset their connection in the middle of sending junk
# of their own, some never read, so that their queues fill, some read a
# little and leave.
source "$(dirname "$0")/lib.sh"

write_flood_config "$E2E_WORK/flood.orv"
first_start
free_ports
tcp_settings "$CODE_PORT" "$EVENT_PORT"
GO="$E2E_WORK/go"
python3 "$PEERS" event-churn "$CODE_PORT" "$EVENT_PORT" "$GO" >"$E2E_WORK/peers.out" 2>&1 &
peers=$!
orvane_start "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)"
baseline
measure_start "event-clients-100"
touch "$GO"
wait "$peers"
cat "$E2E_WORK/peers.out"
next=$(sed -n 's/^next //p' "$E2E_WORK/peers.out")
measure_stop "${next:-no}"
close_flooded
