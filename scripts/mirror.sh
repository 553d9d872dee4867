#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first Debian mirror that this machine's apt reads from, in either format of apt's
# sources (deb822 .sources files, or one-line .list files); not the security archive.
set -u
uris=$(
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '/^URIs:/ { for (i = 2; i <= NF; i++) print $i }'
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        sed -E -n 's/\[[^]]*\]//; s/^deb[[:space:]]+([^[:space:]]+).*/\1/p'
)
mirror=$(grep -v -E 'security' <<<"$uris" | grep -m1 .)
[ -n "$mirror" ] || { echo "no Debian mirror in this machine's apt sources (/etc/apt/sources.list, /etc/apt/sources.list.d)" >&2; exit 1; }
echo "$mirror"
