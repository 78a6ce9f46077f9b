#!/usr/bin/env bash
# Configuration files of 100 MB (FLOOD_MB) named on the command line: random
# bytes (without the Ctrl-Z that would end the file at once), and the same
# junk behind a configuration's header whose counts promise two thousand
# million commands and layouts; first the ordinary configuration, whose row
# is what the start itself costs. Afterwards the ordinary configuration is
# opened through the Open menu and its code must be recognised.
source "$(dirname "$0")/lib.sh"

size=$(( ${FLOOD_MB:-100} * 1024 * 1024 ))
write_flood_config "$E2E_WORK/flood.orv"
head -c "$size" /dev/urandom | tr -d '\032' >"$E2E_WORK/junk.orv"
write_flood_config "$E2E_WORK/header.orv" 2000000000 2000000000
cat "$E2E_WORK/junk.orv" >>"$E2E_WORK/header.orv"
first_start

# The ordinary configuration first: its row is what a start costs anyway,
# and its resident size the one at rest.
for kind in flood junk header; do
  free_ports
  tcp_settings "$CODE_PORT" "$EVENT_PORT"
  GO="$E2E_WORK/go.$kind"
  touch "$E2E_WORK/codes-stop"
  python3 "$PEERS" steady "$CODE_PORT" "$EVENT_PORT" "$GO" "$E2E_WORK/codes-stop" >"$E2E_WORK/peers.$kind" 2>&1 &
  peers=$!
  orvane_start "$(winepath -w "$E2E_WORK/$kind.orv" 2>/dev/null)"
  started=$(date +%s%N)
  if [ "$kind" = flood ]; then row="config-ordinary"; else row="config-${FLOOD_MB:-100}MB-$kind"; fi
  measure_start "$row"
  # Until the program has said what it made of the file (each message is
  # answered) and then answered quietly five times in a row.
  said="" quiet=0
  for _ in $(seq 3000); do
    kill -0 "$ORVANE_PID" 2>/dev/null || break
    for box in "Cannot open file" Orvane; do
      if driver --timeout 1 wait "$box" >/dev/null 2>&1; then
        said+="\"$box\": $(read_driver dialogtext "$box" | tr '\n' ' ') "
        driver answer "$box" OK
        quiet=0
      fi
    done
    read_driver panels "$TITLE" StatBar >/dev/null 2>&1 && quiet=$((quiet + 1))
    [ "$quiet" -ge 5 ] && break
    sleep 0.2
  done
  [ "$kind" = flood ] && REST_KB=$(rss_kb)
  BASELINE_KB=$REST_KB
  echo "$kind: settled $(( ($(date +%s%N) - started) / 1000000 )) ms after the start; ${said:-no message}"
  opening=$(date +%s%N)
  # The ordinary configuration, through the Open menu as a user opens one.
  # Making the Open dialog keeps the window busy for a few hundred ms under
  # Wine whatever was read before: the answers are timed up to here.
  probe_stop
  driver click "$TITLE" OpenMenu
  for _ in $(seq 50); do
    driver --timeout 200 answer Orvane No >/dev/null 2>&1
    driver --timeout 200 wait Open >/dev/null 2>&1 && break
  done
  driver answer Open Open "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)" ||
    echo "no open dialog"
  for _ in $(seq 100); do
    [ "$(read_driver panels "$TITLE" StatBar | head -n 1)" = "$(winepath -w "$E2E_WORK/flood.orv" 2>/dev/null)" ] && break
    sleep 0.1
  done
  echo "$kind: the ordinary file opened through the menu from $(( (opening - started) / 1000000 )) to $(( ($(date +%s%N) - started) / 1000000 )) ms after the start"
  touch "$GO"
  wait "$peers"
  next=$(sed -n 's/^next //p' "$E2E_WORK/peers.$kind")
  measure_stop "${next:-no}"
  close_flooded
done
