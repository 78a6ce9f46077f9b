#!/usr/bin/env bash
# 1 MB of random bytes sent to the TCP/IP origin: at once, the echo left
# unread until all is sent; then again in 1 KB pieces every millisecond.
source "$(dirname "$0")/lib.sh"

write_flood_config "$E2E_WORK/flood.orv"
first_start
for mode in burst pieces; do
  free_ports
  tcp_settings "$CODE_PORT" "$EVENT_PORT"
  GO="$E2E_WORK/go.$mode"
  python3 "$PEERS" "origin-$mode" "$CODE_PORT" "$EVENT_PORT" "$GO" >"$E2E_WORK/peers.$mode" 2>&1 &
  peers=$!
  orvane_start "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)"
  baseline
  measure_start "tcp-origin-1MB-$mode"
  touch "$GO"
  wait "$peers"
  cat "$E2E_WORK/peers.$mode"
  next=$(sed -n 's/^next //p' "$E2E_WORK/peers.$mode")
  measure_stop "${next:-no}"
  close_flooded
done
