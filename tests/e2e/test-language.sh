#!/usr/bin/env bash
# The interface in another language: the German file shipped in "Lang" beside
# the program, chosen in the settings dialog, translates the main window's
# buttons and menus and the dialog itself at once; after a restart it is still
# in force, and the message about a serial port that cannot be opened is German.
source "$(dirname "$0")/lib.sh"

PORTS='HKLM\Software\Wine\Ports'
map_com1() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  if [ -n "$1" ]; then
    wine reg add "$PORTS" /v COM1 /t REG_SZ /d "$1" /f >/dev/null 2>&1
  else
    wine reg delete "$PORTS" /v COM1 /f >/dev/null 2>&1
  fi
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}
trap 'map_com1 ""; e2e_cleanup' EXIT

[ -f "$ORVANE_BIN/Lang/Deutsch.lng" ] && [ -f "$ORVANE_BIN/Lang/English.lng" ] ||
  fail "the build put no language files beside orvane.exe"
# The German file's own words, as the profile reader gives them ("~" a tab).
german() { LC_ALL=C tr -d '\r' <"$ORVANE_SOURCE/lang/Deutsch.lng" | LC_ALL=C grep -m1 "^$1=" | cut -d= -f2- | LC_ALL=C sed 's/^ *//; s/ *$//'; }
SETTINGS_DE=$(german SettingsForm.Caption)
[ -n "$SETTINGS_DE" ] || fail "Deutsch.lng has no caption for the settings dialog"

first_start
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "no main window"
[ "$(read_driver text "$TITLE" RunBtn)" = "&Run!" ] || fail "not English at first"
read_driver items Settings LangCoBx | grep -qx Deutsch || fail "languages: $(read_driver items Settings LangCoBx)"
driver click "$TITLE" SettingsBtn
driver wait Settings || fail "no settings dialog"
driver select Settings LangCoBx Deutsch
driver wait "$SETTINGS_DE" || fail "the settings dialog kept its caption"

check_german() {
  local key control
  for control in RunBtn SettingsBtn HelpBtn NewBtn RemoteCommandsGrpBx; do
    [ "$(read_driver text "$TITLE" $control)" = "$(german MainForm.$control.Caption)" ] ||
      fail "$control reads \"$(read_driver text "$TITLE" $control)\""
  done
  for key in FileMenu OpenMenu SaveMenu CommandsMenu LearnMenu HelpMenu; do
    [ "$(read_driver menutext "$TITLE" $key)" = "$(german MainForm.$key.Caption)" ] ||
      fail "menu $key reads \"$(read_driver menutext "$TITLE" $key)\""
  done
  [ "$(read_driver items "$TITLE" TrigTypeRGrp | paste -sd,)" = "$(german MainForm.TrigTypeRGrp.Items)" ] ||
    fail "the trigger modes read $(read_driver items "$TITLE" TrigTypeRGrp | paste -sd,)"
  for control in LaunchChBx LoadChBx LanguageLbl AcceptBtn; do
    [ "$(read_driver text "$SETTINGS_DE" $control)" = "$(german SettingsForm.$control.Caption)" ] ||
      fail "settings $control reads \"$(read_driver text "$SETTINGS_DE" $control)\""
  done
}
check_german
wineserver -w >/dev/null 2>&1 &
sleep 1
[ "$(wine reg query 'HKCU\Software\Orvane' /v Language 2>/dev/null | tr -d '\r' | awk '/Language/ {print $NF}')" = Deutsch ] ||
  fail "the language was not stored"
driver click "$SETTINGS_DE" AcceptBtn
close_program
pass "Deutsch chosen in the settings dialog translates the windows at once"

# A restart keeps the language; COM1 mapped to a folder cannot be opened.
mkdir -p "$E2E_WORK/not-a-device"
map_com1 "$E2E_WORK/not-a-device"
for name in "Use AVerMedia" "Use BestBuy" "Use keyboard trapping" "Use TCP/IP"; do set_dword "$name" 0; done
set_dword "Use serial port" 1
set_dword "Origin enabled" 1
orvane_start
RESULT_DE=$(german "Initialization result")
driver --timeout 30000 wait "$RESULT_DE" || fail "no \"$RESULT_DE\" message"
[ "$(read_driver dialogtext "$RESULT_DE")" = "$(german "Cannot open serial port COM")1" ] ||
  fail "the message reads: $(read_driver dialogtext "$RESULT_DE")"
driver answer "$RESULT_DE" OK
driver --timeout 30000 wait "$TITLE" || fail "no main window"
check_german
close_program
pass "after a restart the windows and the start's messages are German"
