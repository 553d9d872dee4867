#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program: it imports only DLLs that every Windows 10 and 11 has; then the
# whole-program road under Wine and openbox, in Italian, then at a laptop's 150 % in
# Italian and in English, where the decimal separator is the point. The dots of many curves, printed by PUNTI and
# PUNTI.EXE, must be the same to the bit: sin and cos are MinGW's own code on Windows.
# Usage: windows.sh ORDELIO.EXE PUNTI PUNTI.EXE
set -u
exe=$(readlink -f "$1")
di_windows='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|dwmapi|uxtheme|version|shlwapi|netapi32|userenv|wtsapi32|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|opengl32|setupapi|authz|crypt32|secur32|msvcrt|shcore|mpr|dxva2|cfgmgr32|api-ms-win-[a-z0-9-]+)\.dll$|^winspool\.drv$'
estranee=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | grep -v -E "$di_windows")
[ -z "$estranee" ] || { echo "FAIL: the program imports DLLs that Windows does not have: $estranee"; exit 1; }
echo "imports: only Windows' own DLLs"

WINEPREFIX=$(mktemp -d) && export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
env -u DISPLAY wineboot -i >/dev/null 2>&1
# The user's settings, where Windows keeps them: the regional ones, the display scaling.
imposta() { wine reg add "HKCU\\Control Panel\\$1" /v "$2" /d "$3" ${4:+/t $4} /f >/dev/null 2>&1; }
regione() { imposta International LocaleName $1 && imposta International Locale $2 && imposta International sDecimal $3 &&
    imposta International sThousand $4 && wineserver -w; }
esito=0
linux=$("$2") windows=$(wine "$3" | tr -d '\r')
if [ -z "$linux" ]; then echo "FAIL: PUNTI printed no dots"; esito=1
elif [ "$linux" = "$windows" ]; then echo "dots: the same as on Linux"
else echo "FAIL: the Windows dots differ from Linux's: $(diff <(echo "$linux") <(echo "$windows") | head -n 4)"; esito=1; fi
regione it-IT 00000410 , . && LINGUA=it bash "$(dirname "$0")/desktop.sh" "$exe" wine || esito=1
imposta Desktop LogPixels 144 REG_DWORD && wineserver -w # a laptop's 150 %: 144 dots an inch (100 % is 96)
LINGUA=it SCALA=1.5 bash "$(dirname "$0")/desktop.sh" "$exe" wine || esito=1
regione en-US 00000409 . , && LINGUA=en SCALA=1.5 bash "$(dirname "$0")/desktop.sh" "$exe" wine || esito=1
exit $esito
