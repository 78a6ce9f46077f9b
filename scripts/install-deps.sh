#!/usr/bin/env bash
# Installs, with apt, whatever the build and the tests need and is not there yet.
# Safe to run again: it does nothing when every tool is present.
# `install-deps.sh fuzz` also installs clang with libFuzzer, for `make fuzz`;
# `install-deps.sh bench` Google Benchmark, for `make bench`;
# `install-deps.sh dist` NSIS and zip, for `make dist` and `make test-dist`.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
have_cmd make || need+=(make)
have_pkg googletest || need+=(googletest)
have_pkg libgtest-dev || need+=(libgtest-dev)
have_cmd i686-w64-mingw32-g++ || need+=(g++-mingw-w64-i686)
have_pkg wine32:i386 || need+=(wine wine32:i386)
have_cmd Xvfb || need+=(xvfb)
have_cmd xauth || need+=(xauth)
have_cmd socat || need+=(socat)
# The network peers of some end-to-end tests.
have_cmd python3 || need+=(python3)
have_cmd xdotool || need+=(xdotool)
have_cmd import || need+=(imagemagick)
have_cmd file || need+=(file)
# The mixer tests' audio server (a null sink, started by the test itself).
have_cmd pulseaudio || need+=(pulseaudio)
# What the sound test reads the server's streams with.
have_cmd pactl || need+=(pulseaudio-utils)
# Wine's own fonts (caption buttons, check marks) and a metric-compatible text face.
have_pkg fonts-wine || need+=(fonts-wine)
have_pkg fonts-liberation || need+=(fonts-liberation)
if [ "${1:-}" = fuzz ]; then
  have_cmd clang++ || need+=(clang)
  have_pkg libclang-rt-14-dev || need+=(libclang-rt-14-dev)
fi

if [ "${1:-}" = bench ]; then
  have_pkg libbenchmark-dev || need+=(libbenchmark-dev)
fi

if [ "${1:-}" = dist ]; then
  have_cmd makensis || need+=(nsis)
  have_cmd zip || need+=(zip)
  have_cmd unzip || need+=(unzip)
fi

[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
