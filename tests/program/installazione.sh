#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a desktop installs it: `cmake --install` into a throw-away root, then
# the Debian package that CPack makes, checked by lintian.
# Usage: installazione.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
errore() { echo "FAIL: $*" >&2; exit 1; }

id=org.ordelio.Ordelio
DESTDIR=$tmp/radice cmake --install "$build" --prefix /usr >/dev/null
cd "$tmp/radice/usr/share"
desktop-file-validate applications/$id.desktop || errore "desktop entry does not validate"
appstreamcli validate --no-net metainfo/$id.metainfo.xml || errore "metainfo does not validate"
rsvg-convert icons/hicolor/scalable/apps/$id.svg >/dev/null || errore "icon does not render"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pacchetto" >/dev/null || errore "cpack failed"
deb=$(ls "$tmp"/pacchetto/ordelio_*.deb)
lintian --fail-on error,warning "$deb" || errore "lintian finds errors or warnings"
# What the program needs at run time besides its libraries: the faces and Qt's Italian texts.
dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation2, qt6-translations-l10n, .*libqt6widgets6' || errore "Depends lacks the faces or Qt"

dpkg-deb -x "$deb" "$tmp/estratto"
for f in bin/ordelio share/applications/$id.desktop share/mime/packages/$id.xml share/man/man1/ordelio.1.gz share/doc/ordelio/copyright share/doc/ordelio/guida.md; do
    test -e "$tmp/estratto/usr/$f" || errore "package lacks /usr/$f"
done
! ldd "$tmp/estratto/usr/bin/ordelio" | grep 'not found' || errore "unresolved libraries"
echo "installation and package: ok"
