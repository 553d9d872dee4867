#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Serves a folder on localhost, .wasm as application/wasm, as browsers want it.
# Usage: servi.py FOLDER PORT   (PORT 0: any free one; the address is printed)
import functools
import http.server
import sys

cartella, porta = sys.argv[1], int(sys.argv[2])
Gestore = functools.partial(http.server.SimpleHTTPRequestHandler, directory=cartella)
Gestore.func.extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm'}
with http.server.ThreadingHTTPServer(('127.0.0.1', porta), Gestore) as server:
    print(f'http://localhost:{server.server_address[1]}/ordelio.html', flush=True)
    server.serve_forever()
