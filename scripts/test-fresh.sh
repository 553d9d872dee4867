#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's promise on a machine that has nothing: a minimal Debian 12 root, only
# make and git installed in it, a clone of the commit under test, then `make test`.
#
# The pristine root is made once with debootstrap and kept as a tarball in
# ORDELIO_FRESH_CACHE; every run unpacks it afresh, so nothing of an earlier run is
# left. The mirror and the apt settings are this machine's own. A failed run keeps
# its log in ORDELIO_FRESH_LOGS.
set -euo pipefail

sorgente=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$sorgente" rev-parse HEAD)
cache=${ORDELIO_FRESH_CACHE:-/var/cache/ordelio-fresh}
registri=${ORDELIO_FRESH_LOGS:-/var/tmp/ordelio-fresh}
tarball=$cache/debian12-minbase.tar.gz

[ "$(id -u)" -eq 0 ] || { echo "test-fresh makes and enters a Debian root: run it as root" >&2; exit 1; }
mkdir -p "$cache" "$registri"
lavoro=$(mktemp -d /var/tmp/ordelio-fresh.XXXXXX)
radice=$lavoro/radice
registro=$registri/$(date +%Y%m%d-%H%M%S)-${commit:0:12}.log

smonta() {
    local m
    # Deepest first, so that nothing is still mounted below what is unmounted.
    for m in $(findmnt -rn -o TARGET | grep -F "$radice" | sort -r); do
        umount -l "$m" 2>/dev/null || true
    done
}
pulisci() {
    smonta
    rm -rf --one-file-system "$lavoro"
}
trap pulisci EXIT
trap 'exit 130' INT TERM

inizio=$SECONDS
fase() {
    echo "[test-fresh] $1: $((SECONDS - inizio)) s"
    inizio=$SECONDS
}

# The first Debian mirror that this machine's apt reads from (deb822 or one-line format).
mirror() {
    {
        grep -h -E '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}'
        grep -h -E '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            sed -E 's/\[[^]]*\]//' | awk '{print $2}'
    } | grep -v -E 'security|updates' | head -n 1
}

if [ ! -f "$tarball" ]; then
    url=$(mirror)
    [ -n "$url" ] || { echo "no Debian mirror in this machine's apt sources" >&2; exit 1; }
    echo "[test-fresh] making a minimal Debian 12 root from $url"
    debootstrap --variant=minbase bookworm "$lavoro/nuova" "$url" >"$lavoro/debootstrap.log" 2>&1 ||
        { cp "$lavoro/debootstrap.log" "$registri/"; echo "debootstrap failed: $registri/debootstrap.log" >&2; exit 1; }
    tar -C "$lavoro/nuova" -czf "$tarball.part" . && mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$lavoro/nuova"
    fase "debootstrap"
fi

mkdir "$radice"
tar -C "$radice" -xzf "$tarball"
# The same package sources and apt settings as this machine, and its name resolution.
cp /etc/resolv.conf "$radice/etc/resolv.conf"
cp -a /etc/apt/sources.list.d/. "$radice/etc/apt/sources.list.d/" 2>/dev/null || true
[ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$radice/etc/apt/sources.list"
find "$radice/etc/apt/sources.list.d" -type f ! -name '*.sources' ! -name '*.list' -delete
cp -a /etc/apt/apt.conf.d/. "$radice/etc/apt/apt.conf.d/"
mount -t proc proc "$radice/proc"
mount --rbind /dev "$radice/dev"
mount --make-rslave "$radice/dev"
mount -t tmpfs tmpfs "$radice/tmp"
mkdir -p "$radice/mnt/origine"
mount --bind "$sorgente" "$radice/mnt/origine"
mount -o remount,bind,ro "$radice/mnt/origine"
fase "fresh root unpacked"

dentro() { chroot "$radice" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
contati() { dentro dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed'; }

esito=0
{
    dentro sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq make git' &&
        dentro git clone -q /mnt/origine /root/ordelio &&
        dentro git -C /root/ordelio -c advice.detachedHead=false checkout -q "$commit"
} >"$registro" 2>&1 || esito=$?
fase "make and git installed, $commit cloned"
prima=$(contati)

if [ "$esito" -eq 0 ]; then
    dentro sh -c 'cd /root/ordelio && make test' >>"$registro" 2>&1 || esito=$?
fi
dopo=$(contati)
fase "make test"
echo "[test-fresh] make test installed $((dopo - prima)) packages"
tail -n 25 "$registro"
if [ "$esito" -ne 0 ]; then
    echo "[test-fresh] FAILED (status $esito); the whole log is $registro" >&2
    exit "$esito"
fi
rm -f "$registro"
echo "[test-fresh] passed"
