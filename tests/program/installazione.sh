#!/bin/sh
# The program as a desktop installs it: `cmake --install` into a throw-away root, then
# the Debian package that CPack makes, its contents and its dependencies.
# Usage: installazione.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

errore() { echo "FAIL: $*" >&2; exit 1; }

id=org.ordelio.Ordelio
radice=$tmp/radice
DESTDIR=$radice cmake --install "$build" --prefix /usr >/dev/null

test -x "$radice/usr/bin/ordelio" || errore "no /usr/bin/ordelio"
desktop=$radice/usr/share/applications/$id.desktop
metainfo=$radice/usr/share/metainfo/$id.metainfo.xml
icona=$radice/usr/share/icons/hicolor/scalable/apps/$id.svg
desktop-file-validate "$desktop" || errore "desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" || errore "metainfo does not validate"
grep -qx 'Categories=Education;Math;' "$desktop" || errore "desktop entry not in Education;Math"
grep -qx 'Exec=ordelio' "$desktop" || errore "desktop entry does not start ordelio"
grep -qx "Icon=$id" "$desktop" || errore "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || errore "metainfo launches another entry"
grep -q '<svg' "$icona" || errore "icon is not SVG"
rsvg-convert "$icona" >/dev/null || errore "icon does not render"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pacchetto" >/dev/null || errore "cpack failed"
set -- "$tmp"/pacchetto/ordelio_*.deb
test -f "$1" || errore "no .deb made"
deb=$1
dipende=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipende"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2; do
    echo "$dipende" | grep -q "\\b$p\\b" || errore "Depends lacks $p"
done
test "$(dpkg-deb -f "$deb" Package)" = ordelio || errore "package not named ordelio"

dpkg-deb -x "$deb" "$tmp/estratto"
for f in usr/bin/ordelio usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/doc/ordelio/LICENSE; do
    test -e "$tmp/estratto/$f" || errore "package lacks /$f"
done
# Every library the packaged binary needs is found on this system.
if ldd "$tmp/estratto/usr/bin/ordelio" | grep -q 'not found'; then errore "unresolved libraries"; fi
lintian --fail-on error,warning "$deb" || errore "lintian finds errors or warnings"
echo "installation and package: ok"
