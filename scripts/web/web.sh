#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program for the browser, in build-web/: Qt for WebAssembly is built once from
# Debian 13's own qt6-base source with Debian 13's emscripten, then the program against
# it. On an older Debian both happen inside a Debian 13 root, kept in ORDELIO_WEB_CACHE
# beside the Qts; Qt is kept under a folder named by the full Debian version of its
# source and a hash of the settings and of emscripten's version, and built again only
# when one of them changes. The root is made again only when the packages it needs change.
# Usage: web.sh [TARGET...]   (the build's targets, "all" among them; all when none is given)
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
sorgente=$(cd "$qui/../.." && pwd)
cache=${ORDELIO_WEB_CACHE:-/var/cache/ordelio-web}
[ "$(id -u)" -eq 0 ] || { echo "[web] it installs packages and may enter a Debian root: run it as root" >&2; exit 1; }
mkdir -p "$cache/qt"

# What builds Qt and the program: emscripten, Qt's host tools of the same version, and
# what the program takes from Debian at build time (its faces, Qt's Italian texts).
pacchetti="emscripten qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils fonts-liberation2"
pacchetti+=" qt6-translations-l10n"
. /etc/os-release
if [ "$VERSION_CODENAME" = trixie ]; then
    dentro() { "$@"; }
    progetto=$sorgente qtcache=$cache/qt
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $pacchetti >/dev/null
else
    radice=$cache/debian-13 progetto=/mnt/ordelio qtcache=/mnt/qt
    smonta() { for m in $(findmnt -rn -o TARGET | grep -F "$radice/" | sort -r); do umount -l "$m" 2>/dev/null || true; done; }
    trap smonta EXIT
    dentro() { chroot "$radice" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
    pronta=$(printf '%s' "$pacchetti" | sha256sum | cut -c1-12)
    if [ "$(cat "$radice/.pronta" 2>/dev/null)" != "$pronta" ]; then
        echo "[web] a Debian 13 root with emscripten, in $radice" >&2
        rm -rf --one-file-system "$radice" && mkdir -p "$radice"
        tar -C "$radice" -xzf "$("$sorgente/scripts/radice.sh" 13)"
        rm -f "$radice/etc/apt/sources.list" "$radice"/etc/apt/sources.list.d/*
        printf 'Types: deb\nURIs: %s\nSuites: trixie trixie-updates\nComponents: main\n' \
            "$("$sorgente/scripts/mirror.sh")" >"$radice/etc/apt/sources.list.d/debian.sources"
        # Only the settings made on this machine (a proxy, say), as in the fresh roots.
        for f in /etc/apt/apt.conf.d/*; do dpkg -S "$f" >/dev/null 2>&1 || cp -a "$f" "$radice/etc/apt/apt.conf.d/"; done
        pronta_dopo=$pronta
    fi
    cp /etc/resolv.conf "$radice/etc/resolv.conf"
    mount -t proc proc "$radice/proc"
    mount --rbind /dev "$radice/dev" && mount --make-rslave "$radice/dev"
    mkdir -p "$radice$progetto" "$radice$qtcache"
    mount --bind "$sorgente" "$radice$progetto"
    mount --bind "$cache/qt" "$radice$qtcache"
    if [ -n "${pronta_dopo:-}" ]; then
        dentro sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $pacchetti" >/dev/null
        echo "$pronta_dopo" >"$radice/.pronta"
    fi
fi

# Qt's configure looks for emscripten in an emsdk: one whose emscripten is Debian's.
dentro sh -c "mkdir -p /root/emsdk/upstream && ln -sfn /usr/share/emscripten /root/emsdk/upstream/emscripten &&
              echo \"EMSCRIPTEN_ROOT = '/upstream/emscripten'\" >/root/emsdk/.emscripten"
qt=$(dentro env EMSDK=/root/emsdk ORDELIO_QT_WEB_CACHE="$qtcache" bash "$progetto/scripts/web/qt.sh")
versione=$(dentro dpkg-query -W -f='${Version}' qt6-base-dev-tools)
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
# CMake reads a toolchain only when it first configures: a build against another Qt starts afresh.
fresco=$(grep -qsxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$sorgente/build-web/CMakeCache.txt" || echo --fresh)
dentro env EMSDK=/root/emsdk sh -c "cd $progetto && cmake --preset web $fresco -DCMAKE_TOOLCHAIN_FILE=$toolchain \
    -DORDELIO_QT_SORGENTE=$versione >/dev/null && cmake --build --preset web ${*:+--target $*}"
