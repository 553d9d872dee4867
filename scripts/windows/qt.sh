#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for Windows, cross-built once from Debian's own qt6-base source of the same
# version as this machine's Qt tools: static, release, only what the program uses.
# The result is kept in ORDELIO_QT_WINDOWS_CACHE under a folder named by the full Debian
# version of the source and a hash of the settings, the toolchain file, the compiler's
# version and the patches beside this script, and built again when one of them changes.
# Prints the folder of the installed Qt.
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
cache=${ORDELIO_QT_WINDOWS_CACHE:-/var/cache/ordelio-qt-windows}
versione=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Core, Gui, Widgets and PrintSupport with the Windows platform plugin and style; every
# other module and image format off. OpenGL stays on: the Windows platform plugin does
# not build without it, and opengl32.dll is Windows' own. Debian's source leaves out
# wintab, which only tablet input needs. Screen readers go through UI Automation, which
# is Qt's own code and stays.
impostazioni=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
    -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_freetype=OFF -DFEATURE_sessionmanager=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
    -DFEATURE_opengl=ON -DFEATURE_printsupport=ON
)
compilatore=$(x86_64-w64-mingw32-g++-posix --version)
compilatore=${compilatore%%$'\n'*}
impronta=$({ printf '%s\n' "${impostazioni[@]}" "$compilatore"; cat "$qui/mingw.cmake" "$qui"/qt-*.patch; } | sha256sum | cut -c1-12)
prefisso=$cache/qt-$(printf '%s' "$versione" | tr -c 'A-Za-z0-9.+-' '_')-$impronta

if [ -f "$prefisso/.pronto" ]; then
    echo "$prefisso"
    exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "the cross-built Qt is missing and goes to $cache: run as root" >&2; exit 1; }

"$qui/../qt.sh" windows "$versione" "$prefisso" "$qui/mingw.cmake" "${impostazioni[@]}" >&2
echo "$prefisso"
