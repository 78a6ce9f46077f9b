#!/usr/bin/env bash
# The release as a Windows user meets it, under Wine in a fresh prefix
# (run through tests/wine/with-wine by `make test-dist`, after `make dist`):
#   - setup.exe /S installs the program, its languages, the samples, the
#     shortcuts and the installed-programs entry;
#   - the program starts from its shortcut's target, lists the shipped
#     languages, and opens "Sample.orv" with its remotes and layouts;
#   - the silent uninstaller removes the files, the shortcuts, the entry, and
#     the file type and Run entries the program made, and keeps the settings;
#   - installing over an older version keeps the settings, the user's own
#     configurations and the samples the user changed; the uninstaller keeps
#     those files too, and asks before it removes the settings;
#   - the portable zip, unpacked to a folder of its own, runs the same.
cd "$(dirname "$0")/../.."
source=$(pwd)
export ORVANE_BIN="$source/build/windows"
# Shortcuts made under Wine would otherwise land in this machine's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
source tests/e2e/lib.sh

version=$(tr -d '[:space:]' <"$ORVANE_BIN/orvane-version.txt")
setup="$source/dist/orvane-$version-setup.exe"
zip="$source/dist/orvane-$version-portable.zip"
[ -f "$setup" ] && [ -f "$zip" ] || fail "no release for $version in dist/ (make dist)"

same() { # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected
$2
-- got --
$3"
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
value_of() { # key, name: the data of a value, whatever its type
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

# The languages as the program lists them: each file's name up to its first ".".
shipped_languages=$(for f in lang/*.lng; do [ -f "$f" ] && basename "$f" | cut -d. -f1; done)
# What the commands tree and the layouts show for Sample.orv.
sample_tree="My remote [image 0 selected 0]
$(for c in Power Play Pause Stop Previous Next "Volume up" "Volume down" Mute OK Info "Full screen"; do
    echo "  $c [image 1 selected 4]"; done)"
sample_layouts="Default
Media player"

start_exe() { # windows path of the program, arguments
  wine "$@" >"$E2E_WORK/orvane.out" 2>&1 &
  ORVANE_PID=$!
  driver --timeout 30000 wait "$TITLE" || fail "no main window from $1"
}
# Closes the program; a question about unsaved changes is answered No.
close_all() {
  driver close "$TITLE"
  driver --timeout 2000 answer Orvane No >/dev/null 2>&1
  orvane_wait_exit 20 || fail "the program did not close"
}
# The shipped languages in the settings dialog, and Sample.orv opened from
# the program's folder; $1 is the program's folder as Windows names it.
check_program() {
  local folder=$1 where=$2
  start_exe "$folder\\orvane.exe"
  driver click "$TITLE" SettingsBtn
  driver --timeout 10000 wait Settings || fail "$where: no settings dialog"
  same "$where: languages listed" "$shipped_languages" "$(read_driver items Settings LangCoBx)"
  driver click Settings AcceptBtn
  close_all
  start_exe "$folder\\orvane.exe" "$folder\\Sample.orv"
  same "$where: remotes and commands of Sample.orv" "$sample_tree" "$(read_driver nodes "$TITLE" CommandsTree)"
  same "$where: layouts of Sample.orv" "$sample_layouts" "$(read_driver items "$TITLE" LayoutCoBx)"
  same "$where: actions of the default layout" "Volume up
Volume down
Mute
Show the time" "$(read_driver items "$TITLE" ActionCoBx)"
  close_all
}
# Runs an uninstaller silently and waits for the copy of itself that it runs.
uninstall() {
  wine "$1" /S >/dev/null 2>&1 || fail "the uninstaller failed"
  for _ in $(seq 120); do has_key "$uninstall_key" || break; sleep 0.5; done
  wineserver -w
  for _ in $(seq 20); do [ -e "$dir/uninstall.exe" ] || break; sleep 0.5; done
}

wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
dir="$WINEPREFIX/drive_c/Program Files/Orvane"
win_dir='C:\Program Files\Orvane'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvane"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane'
reset_registry

# ---- setup.exe /S installs --------------------------------------------------------
wine "$setup" /S || fail "setup.exe /S failed"
wineserver -w
for f in orvane.exe Sample.orv MyMsgList.txt uninstall.exe; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
cmp -s "$dir/orvane.exe" "$ORVANE_BIN/orvane.exe" || fail "the installed orvane.exe is not the one built"
cmp -s "$dir/Sample.orv" package/Sample.orv || fail "the installed Sample.orv is not the shipped one"
for f in lang/*.lng; do
  [ -f "$f" ] || continue
  cmp -s "$dir/Lang/$(basename "$f")" "$f" || fail "not installed in Lang: $(basename "$f")"
done
[ -f "$menu/Orvane.lnk" ] && [ -f "$menu/Uninstall Orvane.lnk" ] || fail "no Start menu shortcuts: $(ls "$menu" 2>&1)"
same "installed-programs name" "Orvane" "$(value_of "$uninstall_key" DisplayName)"
same "installed-programs version" "$version" "$(value_of "$uninstall_key" DisplayVersion)"
same "installed-programs publisher" "Orvane" "$(value_of "$uninstall_key" Publisher)"
size=$(($(value_of "$uninstall_key" EstimatedSize)))
[ "$size" -ge $(($(stat -c %s "$dir/orvane.exe") / 1024)) ] || fail "installed-programs size $size KB is too small"
strings -el -n 3 "$dir/orvane.exe" | grep -A1 -x ProductVersion | grep -qx "$version" ||
  fail "orvane.exe carries no product version $version"
pass "setup.exe /S installs the program, its languages, the samples, the shortcuts and its entry"

# ---- The program from its shortcut's target ----------------------------------------
target=$(strings "$menu/Orvane.lnk" | grep -i '^[A-Z]:.*orvane\.exe$' | head -n 1)
same "the shortcut's target" "$win_dir\\orvane.exe" "$target"
check_program "$win_dir" "installed"
has_key 'HKCR\.orv' || fail "the first start registered no file type"
same "Run entry" "$win_dir\\orvane.exe" "$(value_of 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' Orvane)"
pass "the installed program starts from its shortcut, lists the languages and opens Sample.orv"

# ---- The silent uninstaller -------------------------------------------------------
uninstall "$dir/uninstall.exe"
[ -e "$dir" ] && fail "the program folder is left: $(ls -R "$dir")"
[ -e "$menu" ] && fail "the shortcuts are left: $(ls "$menu")"
has_key "$uninstall_key" && fail "the installed-programs entry is left"
has_key 'HKCR\.orv' && fail "the .orv file type is left"
has_key 'HKCR\Orvane' && fail "the Orvane file class is left"
[ -n "$(value_of 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' Orvane)" ] && fail "the Run entry is left"
has_key 'HKCU\Software\Orvane' || fail "the silent uninstaller removed the settings"
pass "the silent uninstaller removes files, shortcuts, entry, file type and Run entry, and keeps the settings"

# ---- Installing over an older version ----------------------------------------------
older="$E2E_WORK/orvane-0.9-setup.exe"
makensis -V1 -DVERSION=0.9 -DSTAGE="$ORVANE_BIN/dist/Orvane" -DOUTFILE="$older" package/orvane.nsi >/dev/null ||
  fail "could not build an older installer"
wine "$older" /S || fail "the older setup failed"
wineserver -w
same "older version installed" "0.9" "$(value_of "$uninstall_key" DisplayVersion)"
set_dword Tolerance 33
printf 'Mine\r\n' >"$dir/Mine.orv"
printf 'Close it=WM_CLOSE,0,0\r\n' >>"$dir/MyMsgList.txt"
cp "$dir/MyMsgList.txt" "$E2E_WORK/mine.txt"
wine "$setup" /S || fail "setup.exe /S over the older version failed"
wineserver -w
same "version after the upgrade" "$version" "$(value_of "$uninstall_key" DisplayVersion)"
same "a setting after the upgrade" "0x21" "$(value_of 'HKCU\Software\Orvane' Tolerance)"
[ -f "$dir/Mine.orv" ] || fail "the upgrade removed the user's configuration"
cmp -s "$dir/MyMsgList.txt" "$E2E_WORK/mine.txt" || fail "the upgrade replaced the user's message list"
# This time as a user uninstalls, saying Yes to removing the settings.
wine "$dir/uninstall.exe" >/dev/null 2>&1 &
uninstaller="~Orvane $version Uninstall"
driver --timeout 30000 answer "$uninstaller" Uninstall || fail "no uninstaller window"
asked=""
for _ in $(seq 60); do
  read_driver dialogtext "$uninstaller" 2>/dev/null | grep -qx "Remove your Orvane settings as well?" && asked=1 && break
  sleep 0.5
done
[ -n "$asked" ] || fail "the uninstaller did not ask about the settings"
driver answer "$uninstaller" Yes || fail "could not answer Yes"
driver --timeout 30000 answer "$uninstaller" Close || fail "the uninstaller did not finish"
for _ in $(seq 120); do has_key "$uninstall_key" || break; sleep 0.5; done
wineserver -w
same "what the uninstaller leaves" "Mine.orv
MyMsgList.txt" "$(ls "$dir")"
has_key 'HKCU\Software\Orvane' && fail "the settings are left after Yes"
pass "an upgrade keeps settings and the user's files; the uninstaller keeps those files and asks about the settings"

# ---- The portable zip ------------------------------------------------------------
mkdir -p "$E2E_WORK/Any folder"
unzip -q "$zip" -d "$E2E_WORK/Any folder" || fail "the zip does not unpack"
portable=$(winepath -w "$E2E_WORK/Any folder/Orvane-$version")
check_program "$portable" "portable"
pass "the portable zip runs from a folder of its own"
