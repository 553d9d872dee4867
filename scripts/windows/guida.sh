#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Italian guide as one page that a Windows user opens with a double click: HTML
# from the Markdown, its pictures inside the page.
# Usage: guida.sh GUIDA.md PAGINA.html
set -eu
guida=$1
pagina=$2
cartella=$(dirname "$guida")
{
    printf '<!DOCTYPE html>\n<html lang="it">\n<head>\n<meta charset="utf-8">\n'
    printf '<title>Ordelio: guida</title>\n'
    printf '<style>body{font-family:sans-serif;max-width:50em;margin:auto;padding:1em;line-height:1.5}'
    printf 'img{max-width:100%%}table{border-collapse:collapse}td,th{border:1px solid #999;padding:.2em .5em}</style>\n'
    printf '</head>\n<body>\n'
    cmark-gfm --extension table --to html "$guida"
    printf '</body>\n</html>\n'
} >"$pagina.tmp"
# Each picture the guide shows goes into the page itself.
awk -v cartella="$cartella" '{
    while (match($0, /src="[^"]*\.png"/)) {
        file = substr($0, RSTART + 5, RLENGTH - 6)
        comando = "base64 -w0 \"" cartella "/" file "\""
        comando | getline dati
        close(comando)
        $0 = substr($0, 1, RSTART - 1) "src=\"data:image/png;base64," dati "\"" substr($0, RSTART + RLENGTH)
    }
    print
}' "$pagina.tmp" >"$pagina"
rm -f "$pagina.tmp"
