# SPDX-License-Identifier: GPL-3.0-or-later
# One way to make, enter and remove a Debian root, sourced by test-fresh.sh and
# web/web.sh. A root is unpacked from the pristine tarball of radice.sh, reads this
# machine's mirror with this machine's apt settings, and has the system's file systems
# and the source mounted in it; it is removed only once nothing is mounted inside it, so
# that a removal can never go through a bind mount into the folder it shows.
radice_qui=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The suite of release 12, 13 or testing, and its -updates where it has them.
radice_suite() {
    case $1 in
    12) echo bookworm bookworm-updates ;;
    13) echo trixie trixie-updates ;;
    testing) echo testing ;;
    *) echo "[radice] unknown release '$1': give 12, 13 or testing" >&2; return 2 ;;
    esac
}

# A new root of the release in the folder RADICE, which must not exist: this machine's
# mirror for the release, and its security archive where this machine has one.
# Usage: radice_fai RADICE 12|13|testing
radice_fai() {
    local radice=$1 debian=$2 suite sicurezza f
    suite=$(radice_suite "$debian")
    sicurezza=$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | grep -v '^[[:space:]]*#' |
        grep -o -E 'https?://[^ ]*security[^ ]*' | head -n 1 || true)
    mkdir "$radice"
    tar -C "$radice" -xzf "$("$radice_qui/radice.sh" "$debian")"
    rm -f "$radice/etc/apt/sources.list" "$radice"/etc/apt/sources.list.d/*
    {
        printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\n' "$("$radice_qui/mirror.sh")" "$suite"
        if [ -n "$sicurezza" ]; then
            printf '\nTypes: deb\nURIs: %s\nSuites: %s-security\nComponents: main\n' "$sicurezza" "${suite%% *}"
        fi
    } >"$radice/etc/apt/sources.list.d/debian.sources"
    # Only the settings made on this machine (a proxy, say): a package's own file would be
    # a changed conffile in the root, and dpkg would stop to ask about it.
    for f in /etc/apt/apt.conf.d/*; do
        dpkg -S "$f" >/dev/null 2>&1 || cp -a "$f" "$radice/etc/apt/apt.conf.d/"
    done
    # The testing archive's Release file may be past its Valid-Until date on a mirror.
    if [ "$debian" = testing ]; then
        echo 'Acquire::Check-Valid-Until "false";' >"$radice/etc/apt/apt.conf.d/99ordelio-testing"
    fi
}

# The system's file systems in RADICE, a /tmp of its own, and this machine's name
# resolution; FOLDER at PLACE inside it, read-only.
# Usage: radice_monta RADICE FOLDER PLACE
radice_monta() {
    local radice=$1
    cp /etc/resolv.conf "$radice/etc/resolv.conf"
    mount -t proc proc "$radice/proc"
    mount --rbind /sys "$radice/sys"
    mount --make-rslave "$radice/sys"
    mount --rbind /dev "$radice/dev"
    mount --make-rslave "$radice/dev"
    mount -t tmpfs tmpfs "$radice/tmp"
    radice_lega "$2" "$radice$3" ro
}

# FOLDER seen at PLACE (a full path), read-write unless "ro" is given.
radice_lega() {
    mkdir -p "$2"
    mount --bind "$1" "$2"
    [ "${3:-}" != ro ] || mount -o remount,bind,ro "$2"
}

radice_montati() { findmnt -rn -o TARGET | awk -v r="$1/" 'index($0 "/", r) == 1'; }

# Everything mounted in RADICE unmounted, deepest first; fails, naming what is left, if
# anything still is.
radice_smonta() {
    local m
    for m in $(radice_montati "$1" | sort -r); do
        umount -l "$m" 2>/dev/null || true
    done
    m=$(radice_montati "$1")
    [ -z "$m" ] || { echo "[radice] still mounted in $1:" $m >&2; return 1; }
}

# RADICE removed, once nothing is mounted in it; left in place, and a failure, otherwise.
radice_togli() {
    radice_smonta "$1" || { echo "[radice] $1 is not removed" >&2; return 1; }
    rm -rf --one-file-system "$1"
}

# A command in RADICE, as root, with a clean environment.
# Usage: radice_dentro RADICE COMMAND...
radice_dentro() {
    local radice=$1
    shift
    chroot "$radice" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"
}
