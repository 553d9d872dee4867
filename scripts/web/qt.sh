#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for WebAssembly, built once from Debian's own qt6-base source of the same version as
# the Qt tools it runs beside (on Debian 13), with Debian's emscripten: static, single
# threaded, release, only what the program uses, in Qt's unity build. Kept in
# ORDELIO_QT_WEB_CACHE under a folder named by the full Debian version of the source and
# a hash of the settings and emscripten's version. Prints the folder of the installed Qt.
set -euo pipefail
cache=${ORDELIO_QT_WEB_CACHE:-/var/cache/ordelio-web/qt}
versione=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)

# Core, Gui, Widgets and PrintSupport (for the PDF), with the browser's platform plugin;
# every other module and image format off. Threads stay off: they would need a page
# served with cross-origin isolation, which a school's web space rarely sets. Qt's wasm
# exceptions stay off, as Debian's emscripten wants. OpenGL stays on: the browser's
# platform plugin does not build without it.
impostazioni=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_UNITY_BUILD=ON -DFEATURE_thread=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_opengl=ON -DFEATURE_printsupport=ON
)
emscripten=$(dpkg-query -W -f='${Version}' emscripten)
impronta=$({ printf '%s\n' "${impostazioni[@]}" "$emscripten"; } | sha256sum | cut -c1-12)
prefisso=$cache/qt-$(printf '%s' "$versione" | tr -c 'A-Za-z0-9.+-' '_')-$impronta

if [ -f "$prefisso/.pronto" ]; then
    echo "$prefisso"
    exit 0
fi
echo "[qt-web] emscripten $emscripten" >&2
"$(dirname "$0")/../qt.sh" web "$versione" "$prefisso" /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    "${impostazioni[@]}" >&2
echo "$prefisso"
