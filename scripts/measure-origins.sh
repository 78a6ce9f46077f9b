# Sourced by the measuring scripts that run the program with its origins on,
# after tests/e2e/lib.sh. serial_com1 makes a pseudo-terminal pair with socat,
# maps COM1 to one end ($E2E_WORK/com1) and leaves the other
# ($E2E_WORK/receiver) to the receiver's side, with the line settings a
# pseudo-terminal accepts.
SERIAL_SOCAT=""
serial_cleanup() {
  [ -n "$SERIAL_SOCAT" ] && kill "$SERIAL_SOCAT" 2>/dev/null
  wineserver -k >/dev/null 2>&1
}
trap 'serial_cleanup; e2e_cleanup' EXIT

serial_com1() {
  socat pty,raw,echo=0,link="$E2E_WORK/com1" pty,raw,echo=0,link="$E2E_WORK/receiver" &
  SERIAL_SOCAT=$!
  for _ in $(seq 100); do [ -e "$E2E_WORK/com1" ] && [ -e "$E2E_WORK/receiver" ] && break; sleep 0.1; done
  [ -e "$E2E_WORK/receiver" ] || fail "socat made no pseudo-terminals"
  # Wine reads the port mapping when its server starts.
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$E2E_WORK/com1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  # A pseudo-terminal has no modem lines, and Wine refuses to raise RTS on it.
  set_dword "Serial DTR" 1
  set_dword "Serial RTS" 0
}

# Every origin that can run here switched on, the program copied into APP
# with the TV card's test library beside it (polled every 50 ms), the serial
# receiver on COM1 (serial_com1 first) and the TCP/IP client pointed at
# 127.0.0.1:CODE_PORT. The AVerMedia and keyboard origins wait for messages.
all_origins() { # APP CODE_PORT
  local name
  for name in "Use serial port" "Use IR server" "Use AVerMedia" "Use BestBuy" "Use Creative iNFRA" \
    "Use keyboard trapping" "Use TCP/IP" "Origin enabled"; do
    set_dword "$name" 1
  done
  set_text "TCP/IP client host" "127.0.0.1"
  set_dword "TCP/IP client port" "$2"
  mkdir -p "$1"
  cp "$ORVANE_BIN/orvane.exe" "$ORVANE_BIN/doubles/grappler.dll" "$1/"
}
