#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program for the browser, in build-web/: Qt for WebAssembly is built once from
# Debian 13's own qt6-base source with Debian 13's emscripten, then the program against
# it. On an older Debian both happen inside a Debian 13 root (radice-lib.sh), kept in
# ORDELIO_WEB_CACHE beside the Qts; Qt is kept under a folder named by the full Debian
# version of its source and a hash of the settings and of emscripten's version, and built
# again only when one of them changes. The root is made again only when the packages it
# needs change. Packages are installed only when one is missing, by root; anyone else is
# told the one command to run, as the Makefile does. build-web/ belongs to the owner of
# the checkout, whoever runs this.
# Usage: web.sh [TARGET...]   (the build's targets, "all" among them; all when none is given)
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
sorgente=$(cd "$qui/../.." && pwd)
cache=${ORDELIO_WEB_CACHE:-/var/cache/ordelio-web}

# What builds Qt and the program: emscripten, Qt's host tools of the same version, and
# what the program takes from Debian at build time (its faces, Qt's Italian texts).
pacchetti="emscripten qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils fonts-liberation2"
pacchetti+=" qt6-translations-l10n"
# Those not installed yet where the build runs, each after a space.
mancanti() {
    local p
    for p in $pacchetti; do
        dentro dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || printf ' %s' "$p"
    done
}
installa() {
    dentro sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $1" >/dev/null
}
fine() {
    [ "$(id -u)" -ne 0 ] || [ ! -d "$sorgente/build-web" ] || chown -R "$(stat -c %u:%g "$sorgente")" "$sorgente/build-web"
    [ -z "${radice:-}" ] || radice_smonta "$radice"
}

. /etc/os-release
if [ "$VERSION_CODENAME" = trixie ]; then
    dentro() { "$@"; }
    # A user who cannot write the machine's cache keeps a Qt of their own.
    [ "$(id -u)" -eq 0 ] || [ -w "$cache" ] || [ -n "${ORDELIO_WEB_CACHE:-}" ] ||
        cache=${XDG_CACHE_HOME:-$HOME/.cache}/ordelio-web
    progetto=$sorgente qtcache=$cache/qt emsdk=$HOME/emsdk
    trap 'fine || exit 1' EXIT
    mancano=$(mancanti)
    if [ -n "$mancano" ]; then
        [ "$(id -u)" -eq 0 ] || { echo "Missing packages. Run: sudo apt-get install$mancano"; exit 1; }
        echo "Installing:$mancano"
        installa "$mancano"
    fi
    mkdir -p "$qtcache"
else
    [ "$(id -u)" -eq 0 ] || { echo "[web] on Debian $VERSION_ID it builds in a Debian 13 root: run it as root" >&2; exit 1; }
    . "$qui/../radice-lib.sh"
    radice=$cache/debian-13 progetto=/mnt/ordelio qtcache=/mnt/qt emsdk=/root/emsdk
    mkdir -p "$cache/qt"
    # One run at a time; and before anything else, whatever a run that died hard left
    # mounted in the root, or this run stops here.
    exec 9>>"$cache/.blocco"
    flock -n 9 || { echo "[web] waiting for another run of web.sh to end" >&2; flock 9; }
    radice_smonta "$radice"
    trap 'fine || exit 1' EXIT
    dentro() { radice_dentro "$radice" "$@"; }
    pronta=$(printf '%s' "$pacchetti" | sha256sum | cut -c1-12)
    if [ "$(cat "$radice/.pronta" 2>/dev/null)" != "$pronta" ]; then
        echo "[web] a Debian 13 root with emscripten, in $radice" >&2
        radice_togli "$radice"
        radice_fai "$radice" 13
    fi
    # The checkout read-only but for build-web/; the Qts read-write, for qt.sh to add one.
    mkdir -p "$sorgente/build-web"
    radice_monta "$radice" "$sorgente" "$progetto"
    radice_lega "$sorgente/build-web" "$radice$progetto/build-web"
    radice_lega "$cache/qt" "$radice$qtcache"
    mancano=$(mancanti)
    [ -z "$mancano" ] || installa "$mancano"
    echo "$pronta" >"$radice/.pronta"
fi

# Qt's configure looks for emscripten in an emsdk: one whose emscripten is Debian's.
dentro sh -c "mkdir -p $emsdk/upstream && ln -sfn /usr/share/emscripten $emsdk/upstream/emscripten &&
              echo \"EMSCRIPTEN_ROOT = '/upstream/emscripten'\" >$emsdk/.emscripten"
qt=$(dentro env EMSDK=$emsdk ORDELIO_QT_WEB_CACHE="$qtcache" bash "$progetto/scripts/web/qt.sh")
versione=$(dentro dpkg-query -W -f='${Version}' qt6-base-dev-tools)
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
# CMake reads a toolchain only when it first configures: a build against another Qt starts afresh.
fresco=$(grep -qsxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$sorgente/build-web/CMakeCache.txt" || echo --fresh)
dentro env EMSDK=$emsdk sh -c "cd $progetto && cmake --preset web $fresco -DCMAKE_TOOLCHAIN_FILE=$toolchain \
    -DORDELIO_QT_SORGENTE=$versione >/dev/null && cmake --build --preset web ${*:+--target $*}"
