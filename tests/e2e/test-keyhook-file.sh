#!/usr/bin/env bash
# The keyboard hook library that orvane.exe carries inside itself: each
# running copy writes it out as ~fs<second><N>.dll in the temporary folder,
# the keyhook.dll of the build with a random key of that copy's own after its
# marker; copies running together get names of their own, and each copy's
# file goes when that copy ends.
source "$(dirname "$0")/lib.sh"

LIBRARY="$ORVANE_BIN/keyhook.dll"
[ -f "$LIBRARY" ] || fail "keyhook.dll is not built in $ORVANE_BIN"
other_pid=""
stop_other() { [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null; wait "$other_pid" 2>/dev/null; other_pid=""; }
trap 'stop_other; e2e_cleanup' EXIT

# The folder GetTempPath names: TMP, else TEMP.
windows_temp=$(wine cmd /c echo %TMP% | tr -d '\r')
[ "$windows_temp" = "%TMP%" ] && windows_temp=$(wine cmd /c echo %TEMP% | tr -d '\r')
TEMP_DIR=$(winepath -u "$windows_temp")
[ -d "$TEMP_DIR" ] || fail "the temporary folder $windows_temp ($TEMP_DIR) does not exist"

library_files() { find "$TEMP_DIR" -maxdepth 1 -type f -regex '.*/~fs[0-9]+\.dll' -printf '%f\n' | sort; }
# Copies of the program killed by other tests leave their files behind.
BEFORE=$(library_files)
new_files() { comm -13 <(echo "$BEFORE") <(library_files) | sed '/^$/d'; }

# Waits until there are COUNT new library files and prints the newest names
# that are not in KNOWN (a blank-separated list).
wait_new_file() { # COUNT KNOWN
  local waited=0
  until [ "$(new_files | wc -l)" -ge "$1" ]; do
    [ $waited -ge 100 ] && fail "no new ~fs*.dll in $windows_temp (files: $(library_files | paste -sd' '))"
    sleep 0.2
    waited=$((waited + 1))
  done
  new_files | grep -vxF -f <(printf '%s\n' $2) || true
}

KEY_AT=$(($(grep -obUaF 'Orvane hook key:' "$LIBRARY" | cut -d: -f1) + 16))
without_key() { head -c "$KEY_AT" "$1"; tail -c +$((KEY_AT + 17)) "$1"; }
key_of() { tail -c +$((KEY_AT + 1)) "$1" | head -c 16 | od -An -tx1 | tr -d ' \n'; }
same_as_library() { # NAME
  cmp -s <(without_key "$TEMP_DIR/$1") <(without_key "$LIBRARY") ||
    fail "$1 ($(stat -c %s "$TEMP_DIR/$1") bytes) differs from keyhook.dll ($(stat -c %s "$LIBRARY") bytes)"
  [ "$(key_of "$TEMP_DIR/$1")" != 00000000000000000000000000000000 ] || fail "$1 carries no key"
}

reset_registry

# --- one copy ------------------------------------------------------------------
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "no main window titled \"$TITLE\""
first=$(wait_new_file 1 "")
[ "$(echo "$first" | wc -l)" = 1 ] || fail "one copy wrote several files: $first"
same_as_library "$first"
pass "the running program has written keyhook.dll out as $first"

# --- a later copy ends the first: the first one's file goes with it ------------
first_pid=$ORVANE_PID
wine "$ORVANE_BIN/orvane.exe" >"$E2E_WORK/second.out" 2>&1 &
other_pid=$!
orvane_wait_exit 30 || fail "the first copy did not end when a second one started"
[ "$ORVANE_STATUS" = 0 ] || fail "the first copy ended with status $ORVANE_STATUS"
driver --timeout 20000 wait "$TITLE" || fail "the second copy shows no window"
second=$(wait_new_file 1 "$first")
[ -n "$second" ] || fail "the second copy wrote no file of its own"
[ ! -e "$TEMP_DIR/$first" ] || fail "$first is still there after its copy ended"
same_as_library "$second"
pass "a copy ended by a later one deletes its file; the later one wrote $second"

# --- two copies at once --------------------------------------------------------
wine reg add 'HKCU\Software\Orvane' /v "Multiple instances" /t REG_DWORD /d 1 /f >/dev/null 2>&1
orvane_start
driver --timeout 30000 wait "$TITLE" || fail "the third copy shows no window"
third=$(wait_new_file 2 "$second")
[ -n "$third" ] && [ "$third" != "$second" ] || fail "the copies share one file: $(new_files | paste -sd' ')"
same_as_library "$third"
same_as_library "$second"
[ "$(key_of "$TEMP_DIR/$second")" != "$(key_of "$TEMP_DIR/$third")" ] || fail "the copies' files share one key"
pass "two copies running together have files of their own: $second and $third"

driver close "$TITLE" || fail "could not close a main window"
driver close "$TITLE" || fail "could not close the other main window"
orvane_wait_exit 15 || fail "a copy did not end when its window was closed"
waited=0
while kill -0 "$other_pid" 2>/dev/null; do
  [ $waited -ge 150 ] && fail "the other copy did not end when its window was closed"
  sleep 0.1
  waited=$((waited + 1))
done
other_pid=""
[ -z "$(new_files)" ] || fail "files left behind after both copies ended: $(new_files | paste -sd' ')"
pass "both files are gone once the copies have ended"
