#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's promise on a machine that has nothing: a minimal Debian root of the
# release asked for, only make and git installed in it, a clone of the commit under
# test, then `make test`, and on Debian 13 and testing `make test-desktop` too.
# Usage: test-fresh.sh [12|13|testing]   (12 when none is given)
#
# The pristine root is made once with debootstrap and kept as a tarball (radice.sh),
# one for each release; every run unpacks it afresh (radice-lib.sh, as the browser's
# build does), so nothing of an earlier run is left. The mirror and the apt settings
# are this machine's own. A failed run says where
# it stopped, and keeps its log, and the road's screens at its failures, in
# ORDELIO_FRESH_LOGS.
set -euo pipefail
trap 'echo "[test-fresh] FAILED at line $LINENO: $BASH_COMMAND" >&2' ERR

debian=${1:-12}
qui=$(cd "$(dirname "$0")" && pwd)
. "$qui/radice-lib.sh"
radice_suite "$debian" >/dev/null || exit 2
# What runs in the root: the README's `make test`, and the other desktops where the
# release is not the one CI also runs on this machine.
obiettivi="test"
[ "$debian" != 12 ] && obiettivi="test test-desktop"

sorgente=$(git -C "$qui/.." rev-parse --show-toplevel)
commit=$(git -C "$sorgente" rev-parse HEAD)
registri=${ORDELIO_FRESH_LOGS:-/var/tmp/ordelio-fresh}

[ "$(id -u)" -eq 0 ] || { echo "[test-fresh] it makes and enters a Debian root: run it as root" >&2; exit 1; }
mkdir -p "$registri"
lavoro=$(mktemp -d /var/tmp/ordelio-fresh.XXXXXX)
radice=$lavoro/radice
registro=$registri/$(date +%Y%m%d-%H%M%S)-debian$debian-${commit:0:12}.log

trap 'radice_togli "$lavoro" || exit 1' EXIT
trap 'exit 130' INT TERM

inizio=$SECONDS
fase() {
    echo "[test-fresh] debian $debian, $1: $((SECONDS - inizio)) s"
    inizio=$SECONDS
}

"$qui/radice.sh" "$debian" >/dev/null
fase "pristine root"

radice_fai "$radice" "$debian"
radice_monta "$radice" "$sorgente" /mnt/origine
fase "fresh root unpacked"

dentro() { radice_dentro "$radice" "$@"; }
contati() { dentro dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed'; }

esito=0
dentro sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq make git' >"$registro" 2>&1 &&
    dentro git clone -q /mnt/origine /root/ordelio >>"$registro" 2>&1 &&
    dentro git -C /root/ordelio -c advice.detachedHead=false checkout -q "$commit" >>"$registro" 2>&1 || esito=$?
[ "$esito" -eq 0 ] || { tail -n 25 "$registro"; echo "[test-fresh] could not install make and git or clone $commit: $registro" >&2; exit 1; }
fase "make and git installed, $commit cloned"

for obiettivo in $obiettivi; do
    prima=$(contati)
    dentro sh -c "cd /root/ordelio && make $obiettivo" >>"$registro" 2>&1 || esito=$?
    fase "make $obiettivo installed $(($(contati) - prima)) packages"
    [ "$esito" -eq 0 ] || break
done
grep -E '^(.*: (done|skipped|FAIL).*|[0-9]+% tests passed.*|The following tests FAILED:|.*\(Failed\).*)$' "$registro" || true
if [ "$esito" -ne 0 ]; then
    tail -n 40 "$registro"
    # The road's screens at its failures, kept beside the log.
    for f in "$radice"/tmp/ordelio-*.png; do [ -e "$f" ] && cp "$f" "${registro%.log}-${f##*/}" && echo "[test-fresh] kept ${registro%.log}-${f##*/}"; done
    echo "[test-fresh] debian $debian: make $obiettivo FAILED (status $esito); the whole log is $registro" >&2
    exit "$esito"
fi
rm -f "$registro"
echo "[test-fresh] debian $debian: passed"
