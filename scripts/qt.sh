#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt cross-built from Debian's own qt6-base source, with this machine's Qt tools for the
# host: patched, configured with a toolchain and settings, built, installed under a prefix
# that is marked ready only when whole. Says how long it took.
# Usage: qt.sh NAME VERSION PREFIX TOOLCHAIN SETTING...
set -euo pipefail
nome=$1 versione=$2 prefisso=$3 toolchain=$4
shift 4
lavoro=$(mktemp -d "/var/tmp/ordelio-qt-$nome.XXXXXX")
trap 'rm -rf --one-file-system "$lavoro"' EXIT
"$(dirname "$0")/sorgente.sh" qt6-base "$versione" "$lavoro"
# The platform's own fixes to Qt, scripts/NAME/qt-*.patch, if any.
for toppa in "$(dirname "$0")/$nome"/qt-*.patch; do
    [ ! -e "$toppa" ] || patch -d "$lavoro/sorgente" -p1 -s <"$toppa"
done
inizio=$SECONDS
cmake -S "$lavoro/sorgente" -B "$lavoro/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefisso" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/cmake \
    "$@" >"$lavoro/configura.log" 2>&1 ||
    { tail -n 40 "$lavoro/configura.log" >&2; echo "[qt-$nome] configure failed" >&2; exit 1; }
cmake --build "$lavoro/build" --parallel "$(nproc)" >"$lavoro/compila.log" 2>&1 ||
    { tail -n 40 "$lavoro/compila.log" >&2; echo "[qt-$nome] build failed" >&2; exit 1; }
rm -rf "$prefisso"
cmake --install "$lavoro/build" >/dev/null
touch "$prefisso/.pronto"
echo "[qt-$nome] qt6-base $versione built in $((SECONDS - inizio)) s" >&2
