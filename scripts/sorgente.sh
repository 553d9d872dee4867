#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's source of a package at a version, unpacked in FOLDER/sorgente, from this
# release's first mirror whatever apt's own sources say (they often have no deb-src).
# Usage: sorgente.sh PACKAGE VERSION FOLDER
set -euo pipefail
pacchetto=$1 versione=$2 lavoro=$3
. /etc/os-release
mkdir -p "$lavoro/apt/lists/partial" "$lavoro/apt/fonti"
cat >"$lavoro/apt/fonti/sorgenti.sources" <<FONTI
Types: deb-src
URIs: $("$(dirname "$0")/mirror.sh")
Suites: $VERSION_CODENAME
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
FONTI
apt_src=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$lavoro/apt/fonti" -o "Dir::State::Lists=$lavoro/apt/lists"
         -o APT::Sandbox::User=root)
(cd "$lavoro" && apt-get "${apt_src[@]}" update -qq && apt-get "${apt_src[@]}" source -qq --download-only "$pacchetto=$versione") >&2 ||
    { echo "could not download the source of $pacchetto $versione" >&2; exit 1; }
dpkg-source -x "$lavoro/${pacchetto}_${versione#*:}.dsc" "$lavoro/sorgente" >/dev/null ||
    { echo "could not unpack the source of $pacchetto $versione" >&2; exit 1; }
