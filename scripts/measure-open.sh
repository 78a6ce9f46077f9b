#!/usr/bin/env bash
# How long the real program takes to show a configuration, as a user sees it:
# from starting orvane.exe under Wine to a main window that answers messages
# with the file's layouts in its layout box. Writes two files (small: 10
# remotes of 40 commands and 10 layouts of 20 actions; large: 2 000 remotes
# of 5 commands and 50 layouts of 40 actions), then starts the program with
# no file and with each file, RUNS times each, and prints the medians beside
# the empty start measured in the same run, with the program's resident
# memory once its window answers.
#
#   scripts/measure-open.sh [--runs N] [--only small|large] [--exe FILE] [--keep DIR]
#
# --exe measures another build of orvane.exe (say, one kept from before a
# change) with this build's driver; --keep copies the files written to DIR.
#
# Needs the windows build (build/windows). Runs in a throwaway Wine prefix
# and virtual X server of its own (tests/wine/with-wine). Not a test: its
# figures depend on the machine and on what else runs on it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${ORVANE_MEASURE_INSIDE:-}" ]; then
  export ORVANE_MEASURE_INSIDE=1
  exec "$root/tests/wine/with-wine" "$0" "$@"
fi

runs=3
only=""
keep=""
exe=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    --exe) exe=$(realpath "$2"); shift 2 ;;
    *) echo "usage: $0 [--runs N] [--only small|large] [--exe FILE] [--keep DIR]" >&2; exit 2 ;;
  esac
done

bin="$root/build/windows"
exe=${exe:-$bin/orvane.exe}
[ -f "$exe" ] && [ -f "$bin/orvane-driver.exe" ] || {
  echo "build the windows preset first (make build)" >&2
  exit 1
}
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-measure.XXXXXX")
trap 'wineserver -k >/dev/null 2>&1; [ -n "$keep" ] && cp "$work"/*.orv "$keep"/ 2>/dev/null; rm -rf "$work"' EXIT
TITLE="Orvane 4.0b"

driver() { wine "$bin/orvane-driver.exe" "$@" 2>/dev/null | tr -d '\r'; }

# A version 4 file: REMOTES remotes of COMMANDS commands (codes of VALUES
# four-digit values), LAYOUTS layouts of ACTIONS actions, each action with
# three triggers from three remotes and two descriptions.
write_file() { # name remotes commands values layouts actions
  awk -v R="$2" -v C="$3" -v V="$4" -v L="$5" -v A="$6" 'BEGIN {
    ORS = "\r\n"
    nodes = R * (C + 1)
    for (l = 0; l < L; l++) for (a = 0; a < A; a++) {
      g = l * A + a
      for (t = 0; t < 3; t++) {
        n = ((g + t * 7) % R) * (C + 1) + 1 + (g + t) % C
        tc[l, a, t] = n
        ta[n, ++tas[n]] = "L" l "A" a
      }
    }
    print "[File information]"; print "Program=Orvane 4.0b"; print "Version=4"
    print "Web=https://orvane.example/"; print "Date=01.01.2030 10:00:00"
    print "Commands=" nodes; print "Layouts=" L
    for (n = 0; n < nodes; n++) {
      level = n % (C + 1) != 0
      print ""; print "[C" n "]"
      print "Name=" (level ? "Command " n % (C + 1) : "Remote " int(n / (C + 1)))
      print "Level=" level; print "Sound="; print "Recognition=1"; print "Typematic=1"
      if (level) {
        code = ""
        for (v = 0; v < V; v++) code = code sprintf("%04X", (n * 37 + v * 101) % 65536)
        print "Digits=4"; print "Code=" code
      } else {
        print "Digits=0"; print "Code="
      }
      print "TrigCount=" tas[n] + 0
      for (i = 1; i <= tas[n]; i++) print "TA" i - 1 "=" ta[n, i]
    }
    for (l = 0; l < L; l++) {
      print ""; print "[L" l "]"
      print "Name=" (l ? "Layout " l : "Default")
      print "Application=" (l ? "player" l ".exe" : ""); print "WndTitle=" (l ? "Player " l : "")
      print "ActCount=" A
      for (a = 0; a < A; a++) {
        print ""; print "[L" l "A" a "]"
        print "Name=Action " a; print "TrigEn=0"; print "TrigType=" a % 2; print "AllAtOnce=0"
        print "TrigCount=3"
        for (t = 0; t < 3; t++) print "TC" t "=" tc[l, a, t]
        print "ActCount=2"
        print "A0=\241SendKeys\241NCNE15Delay:500DestWnd:Player " l "KeepActive:N"
        print "A1=\241Mixer\241WaveVolume:1Increment:5Delay:250"
      }
    }
  }' >"$work/$1.orv"
}

# Seconds from the start to a window answering with LAYOUTS layouts, and the
# program's resident memory then, in KB.
open_once() { # layouts [file]
  local layouts=$1 args=() start end count
  # Named the Windows way before the clock starts: winepath is a Wine process too.
  [ -n "${2:-}" ] && args=("$(winepath -w "$2" 2>/dev/null)")
  start=$(date +%s.%N)
  wine "$exe" "${args[@]}" >/dev/null 2>&1 &
  local pid=$!
  # The reading blocks until the window's thread takes messages again.
  for _ in $(seq 600); do
    count=$(driver --timeout 300000 items "$TITLE" LayoutCoBx | wc -l)
    [ "$count" = "$layouts" ] && break
  done
  end=$(date +%s.%N)
  [ "$count" = "$layouts" ] || { echo "the window showed $count layouts, not $layouts" >&2; exit 1; }
  # The wine process started becomes the program's own.
  local rss
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
  driver close "$TITLE"
  wait "$pid"
  echo "$(echo "$end - $start" | bc) ${rss:-0}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

wine reg delete 'HKCU\Software\Orvane' /f >/dev/null 2>&1
# The first start writes the settings' defaults; it is not measured.
open_once 1 >/dev/null

cases=("empty 1")
[ "$only" != large ] && { write_file small 10 40 36 10 20; cases+=("small 10"); }
[ "$only" != small ] && { write_file large 2000 5 48 50 40; cases+=("large 50"); }

# Round by round, so that what else the machine does weighs on every case alike.
for _ in $(seq "$runs"); do
  for c in "${cases[@]}"; do
    set -- $c
    file=""
    [ "$1" != empty ] && file="$work/$1.orv"
    t=$(open_once "$2" $file) || exit 1
    echo "${t% *}" >>"$work/$1.times"
    echo "${t#* }" >>"$work/$1.rss"
  done
done
for c in "${cases[@]}"; do
  set -- $c
  median <"$work/$1.times" >"$work/$1.median"
  median <"$work/$1.rss" >"$work/$1.rss.median"
  echo "$1: $(tr '\n' ' ' <"$work/$1.times")" >&2
done

base=$(cat "$work/empty.median")
mb() { echo "scale=1; $(cat "$work/$1.rss.median") / 1024" | bc; }
printf '%-8s %10s %10s %12s %8s %12s\n' case size seconds "minus empty" ratio "resident MB"
printf '%-8s %10s %10.2f %12s %8s %12.1f\n' empty - "$base" - - "$(mb empty)"
for c in "${cases[@]:1}"; do
  set -- $c
  t=$(cat "$work/$1.median")
  printf '%-8s %9dK %10.2f %12.2f %8.2f %12.1f\n' "$1" $(($(stat -c %s "$work/$1.orv") / 1024)) "$t" \
    "$(echo "$t - $base" | bc)" "$(echo "scale=2; $t / $base" | bc)" "$(mb "$1")"
done
echo "(median of $runs runs each; seconds from start to a window that answers with the file's layouts,"
echo " and the program's resident memory then)"
