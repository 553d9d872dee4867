#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# PNGs of the four screens along the typical road, and of the plot's animation, each
# window with its frame, under a private Xvfb and openbox at 1024 by 768, driven from the
# keyboard as a user would.
# Usage: scripts/screenshots.sh BUILD_DIR OUTPUT_DIR
set -eu
build=${1:-build}
uscita=${2:-docs/screenshots}
mkdir -p "$uscita"
casa=$(mktemp -d)
Xvfb :97 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$casa"' EXIT
export DISPLAY=:97 HOME="$casa" XDG_RUNTIME_DIR="$casa" LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=xcb
sleep 1
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
"$build/ordelio" &
foto() { # waits for the window to be active, then takes it with its frame
    for _ in $(seq 50); do [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ] && break; sleep 0.2; done
    sleep 1
    import -frame -window "$(xdotool getactivewindow)" "$uscita/$2"
}
foto Form1 form1.png
xdotool key --delay 100 Tab Return
foto Form2 form2.png
xdotool key --delay 100 Right Tab Tab Return
foto Form3 form3.png
xdotool key Return
foto Form4 form4.png
xdotool key --delay 100 Tab Tab Return
sleep 1
xdotool key --delay 100 Tab Tab Tab Tab Tab Tab ctrl+a 3 Tab Return
foto Form4 form4.png
# How the last curve is made, stopped half way round: F5, a pause, 180 steps of a degree.
xdotool key F5 space
xdotool key --repeat 180 --delay 10 Right
foto Form4 animazione.png
ls -l "$uscita"/form1.png "$uscita"/form2.png "$uscita"/form3.png "$uscita"/form4.png "$uscita"/animazione.png
