#!/usr/bin/env bash
# The interface in another language: the German file shipped in "Lang" beside
# the program, chosen in the settings dialog, translates the main window's
# buttons and the dialog itself at once; after a restart it is still
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
driver click "$TITLE" SettingsBtn
driver wait Settings || fail "no settings dialog"
read_driver items Settings LangCoBx | grep -qx Deutsch || fail "languages: $(read_driver items Settings LangCoBx)"
driver select Settings LangCoBx Deutsch
driver wait "$SETTINGS_DE" || fail "the settings dialog kept its caption"

# Accepts the settings dialog and waits until it has gone.
accept_settings() {
  driver click "$SETTINGS_DE" AcceptBtn
  for _ in $(seq 50); do driver --timeout 100 wait "$SETTINGS_DE" >/dev/null 2>&1 || return 0; done
  fail "the settings dialog stayed"
}
# Closing after the settings dialog asks about unsaved changes, in German.
close_unsaved() {
  driver close "$TITLE"
  driver --timeout 10000 wait Orvane || fail "no question about unsaved changes"
  [ "$(read_driver dialogtext Orvane | paste -sd' ')" = "$(german "Save changes to the configuration file?")" ] ||
    fail "the question reads: $(read_driver dialogtext Orvane)"
  driver answer Orvane No
  orvane_wait_exit 20 || fail "the program did not close"
}
check_main() {
  local control
  # The menus are another process's menu handles, which Wine does not let the
  # driver read; the native tests hold the menu captions.
  for control in RunBtn SettingsBtn HelpBtn NewBtn RemoteCommandsGrpBx; do
    [ "$(read_driver text "$TITLE" $control)" = "$(german MainForm.$control.Caption)" ] ||
      fail "$control reads \"$(read_driver text "$TITLE" $control)\""
  done
  [ "$(read_driver items "$TITLE" TrigTypeRGrp | paste -sd,)" = "$(german MainForm.TrigTypeRGrp.Items)" ] ||
    fail "the trigger modes read $(read_driver items "$TITLE" TrigTypeRGrp | paste -sd,)"
}
check_settings() {
  local control
  for control in LaunchChBx LoadChBx LanguageLbl AcceptBtn; do
    [ "$(read_driver text "$SETTINGS_DE" $control)" = "$(german SettingsForm.$control.Caption)" ] ||
      fail "settings $control reads \"$(read_driver text "$SETTINGS_DE" $control)\""
  done
}
check_main
check_settings
wineserver -w >/dev/null 2>&1 &
sleep 1
[ "$(wine reg query 'HKCU\Software\Orvane' /v Language 2>/dev/null | tr -d '\r' | awk '/Language/ {print $NF}')" = Deutsch ] ||
  fail "the language was not stored"
accept_settings
close_unsaved
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
check_main
driver click "$TITLE" SettingsBtn
driver wait "$SETTINGS_DE" || fail "no German settings dialog after the restart"
check_settings
accept_settings
# Coming back from the dialog may switch the origins on again, and fail again.
if driver --timeout 3000 wait "$RESULT_DE" >/dev/null 2>&1; then driver answer "$RESULT_DE" OK; fi
close_unsaved
pass "after a restart the windows and the start's messages are German"
