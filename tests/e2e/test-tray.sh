#!/usr/bin/env bash
# The running program in the notification area, as a user meets it: started
# with "Load minimized" it shows only its icon; a code from the TCP/IP server
# flashes the icon red and it turns blue again; a double click on the icon asks
# for the restore password, a wrong letter case keeps the window hidden and the
# right password brings it back.
source "$(dirname "$0")/lib.sh"

SOCAT_PID=""
trap '[ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null; e2e_cleanup' EXIT
SHOTS=${ORVANE_SHOTS:-$E2E_WORK}

# The colour of one pixel of the screen, as RRGGBB.
pixel() { # X Y NAME
  import -window root "$SHOTS/$3.png" 2>/dev/null || fail "no screenshot"
  convert "$SHOTS/$3.png" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#'
}
# Whether a colour is mostly blue or mostly red.
is_blue() { local r=$((16#${1:0:2})) b=$((16#${1:4:2})); [ "$b" -gt 150 ] && [ "$r" -lt 100 ]; }
is_red() { local r=$((16#${1:0:2})) b=$((16#${1:4:2})); [ "$r" -gt 150 ] && [ "$b" -lt 100 ]; }
main_shown() { xdotool search --onlyvisible --name "^$TITLE\$" >/dev/null 2>&1; }

# A server that, once told to, sends a code every 50 ms for three seconds.
PORT=$((20000 + RANDOM % 10000))
socat TCP-LISTEN:$PORT,bind=127.0.0.1,reuseaddr SYSTEM:"for i in \$(seq 600); do [ -e '$E2E_WORK/go' ] && break; sleep 0.1; done; for i in \$(seq 60); do printf A; sleep 0.05; done; touch '$E2E_WORK/sent'; cat >/dev/null" >/dev/null 2>&1 &
SOCAT_PID=$!

# Earlier tests in this prefix may have left icons in Wine's tray (a program
# ended by force cannot remove its own); a fresh wineserver starts it empty.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
first_start
set_dword "Load minimized" 1
set_dword "Use serial port" 0
set_dword "Use TCP/IP" 1
set_text "TCP/IP client host" "127.0.0.1"
set_dword "TCP/IP client port" "$PORT"
# "Abc", enciphered with the start byte 5A.
set_text "Restore" "5AEA20B0"

orvane_start
tray=""
for _ in $(seq 100); do
  tray=$(xdotool search --onlyvisible --name "^Wine System Tray\$" 2>/dev/null | head -n 1)
  [ -n "$tray" ] && break
  sleep 0.2
done
[ -n "$tray" ] || fail "no icon in the notification area"
# Wine puts its tray window at the top left of the screen; the middle of the
# first icon is here.
ICON_X=12 ICON_Y=32
sleep 2
main_shown && fail "the main window shows although \"Load minimized\" is set"
colour=$(pixel "$ICON_X" "$ICON_Y" tray-idle)
is_blue "$colour" || fail "the idle icon is not blue: $colour"
pass "started minimised: a blue icon in the tray and no window"

touch "$E2E_WORK/go"
# Look again and again while the codes arrive: on a loaded machine one
# screenshot can fall between two codes, when the icon is briefly blue.
red=""
for _ in $(seq 40); do
  sleep 0.2
  colour=$(pixel "$ICON_X" "$ICON_Y" tray-codes)
  is_red "$colour" && { red=1; break; }
  [ -e "$E2E_WORK/sent" ] && break
done
[ -n "$red" ] || fail "the icon is never red while codes arrive: last $colour"
for _ in $(seq 100); do [ -e "$E2E_WORK/sent" ] && break; sleep 0.1; done
for _ in $(seq 10); do
  sleep 0.5
  colour=$(pixel "$ICON_X" "$ICON_Y" tray-after)
  is_blue "$colour" && break
done
is_blue "$colour" || fail "the icon did not turn blue again: $colour"
pass "codes from the TCP/IP server flash the icon red, then it is blue again"

double_click_icon() { xdotool mousemove "$ICON_X" "$ICON_Y" click --repeat 2 --delay 80 1; }
enter_password() { # TEXT
  driver --timeout 10000 wait "Settings protection" || fail "no password dialog after a double click"
  driver settext "Settings protection" PasswordEdBx "$1"
  driver click "Settings protection" OKBtn
}

double_click_icon
enter_password abc
sleep 2
main_shown && fail "the window came back with the password in the wrong case"
pass "\"abc\" is not the password \"Abc\": the window stays hidden"

double_click_icon
enter_password Abc
for _ in $(seq 50); do main_shown && break; sleep 0.2; done
main_shown || fail "the right password did not bring the window back"
sleep 1
main_shown || fail "the window went back to the tray"
pass "\"Abc\" brings the window back"

close_program
