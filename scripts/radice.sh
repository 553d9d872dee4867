#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pristine minimal Debian root of a release, made once with debootstrap from this
# machine's mirror and kept as a tarball in ORDELIO_FRESH_CACHE; prints the tarball.
# Usage: radice.sh 12|13|testing
set -euo pipefail
. "$(dirname "$0")/radice-lib.sh"
suite=$(radice_suite "$1")
suite=${suite%% *}
cache=${ORDELIO_FRESH_CACHE:-/var/cache/ordelio-fresh}
tarball=$cache/debian-$1-minbase.tar.gz
# Testing changes every day: a root older than a week is made again.
[ "$1" = testing ] && find "$tarball" -mtime +7 -delete 2>/dev/null || true
if [ ! -f "$tarball" ]; then
    mirror=$("$(dirname "$0")/mirror.sh")
    mkdir -p "$cache"
    nuova=$(mktemp -d /var/tmp/ordelio-radice.XXXXXX)
    trap 'rm -rf --one-file-system "$nuova"' EXIT
    echo "[radice] making a minimal Debian $1 ($suite) root from $mirror" >&2
    debootstrap --variant=minbase "$suite" "$nuova/radice" "$mirror" >"$nuova/debootstrap.log" 2>&1 || {
        tail -n 5 "$nuova/debootstrap.log" >&2
        echo "[radice] debootstrap failed" >&2
        exit 1
    }
    # A part of its own: two runs may make the same root at once.
    tar -C "$nuova/radice" -czf "$tarball.$$.part" . && mv "$tarball.$$.part" "$tarball"
fi
echo "$tarball"
