#!/bin/sh
# Screenshots of the four screens, taken by the whole-program test of the typical
# road (its own Xvfb and openbox), so that they show what the tests check.
# Usage: scripts/screenshots.sh BUILD_DIR OUTPUT_DIR
set -eu
build=${1:-build}
uscita=${2:-docs/screenshots}
test -x "$build/tests/program/tst_programma" || { echo "build first: $build/tests/program/tst_programma is missing" >&2; exit 1; }
mkdir -p "$uscita"
uscita=$(cd "$uscita" && pwd)
ORDELIO_SCHERMATE="$uscita" "$build/tests/program/tst_programma" stradaTipicaDaForm1AESCI
ls -l "$uscita"/form1.png "$uscita"/form2.png "$uscita"/form3.png "$uscita"/form4.png
