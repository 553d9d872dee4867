#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Launch to Form1 mapped, the Linux and the Windows program taking turns on one Xvfb
# with openbox, Wine's server warm, and Wine's Notepad as Wine's own floor. Polls
# `xdotool search --onlyvisible` every 20 ms; prints min, median and max of each, in s.
# Usage: avvio.sh ORDELIO ORDELIO.EXE [RUNS]
set -u
linux=$(readlink -f "$1") exe=$(readlink -f "$2") giri=${3:-12}
lavoro=$(mktemp -d)
export WINEPREFIX=$lavoro/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
trap 'kill $xvfb $wm 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$lavoro"' EXIT
# Waits for the server to end: a desktop that Wine started without a display keeps none.
env -u DISPLAY wineboot -i >/dev/null 2>&1 && wineserver -w
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$lavoro/display" 2>/dev/null & xvfb=$!
until [ -s "$lavoro/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$lavoro/display")
openbox >/dev/null 2>&1 & wm=$!
wineserver -p # stays up between launches, as on a desktop where Wine is in use

# Adds to FILE the seconds from launch to a visible window with this title; then ends it.
misura() {
    local file=$1 titolo=$2 && shift 2
    local t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 & local pid=$!
    until xdotool search --onlyvisible --name "^$titolo\$" >/dev/null 2>&1; do
        sleep 0.02 && kill -0 $pid 2>/dev/null || { echo "$titolo did not show" >&2; exit 1; }
    done
    echo "$t0 $EPOCHREALTIME" | awk '{ printf "%.3f\n", $2 - $1 }' >>"$lavoro/$file"
    kill $pid; wait $pid 2>/dev/null
    while xdotool search --name "^$titolo\$" >/dev/null 2>&1; do sleep 0.05; done
}
sintesi() { sort -n "$lavoro/$1" | awk -v n="$1" '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%-8s %.2f to %.2f s, median %.2f s (%d runs)\n", n, v[1], v[NR], m, NR }'; }

misura caldo Form1 wine "$exe" && misura caldo 'Untitled - Notepad' wine notepad
for _ in $(seq "$giri"); do
    misura linux Form1 "$linux" && misura windows Form1 wine "$exe" && misura notepad 'Untitled - Notepad' wine notepad
done
sintesi linux && sintesi windows && sintesi notepad
