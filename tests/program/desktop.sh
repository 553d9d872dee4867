#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program as a user meets it, on real desktops inside Xvfb: X11 window
# managers, and Wayland compositors nested in an X window with and without XWayland.
# Real keys and window switches, checked on screenshots (palette colours on screen)
# and by the exit status. The program is started as a session would start it: in a
# Wayland session it chooses its platform itself.
# A desktop that this release cannot run is said to be skipped. LINGUA=en runs the
# program in English, where the decimal separator is the point. REPEAT=N runs each row
# N times, GNOME's (mutter's) at least 3: a fault that comes one run in five shows.
# Usage: desktop.sh ORDELIO DESKTOP...   (openbox mutter-x11 weston weston+xwayland
#        mutter mutter+xwayland kwin kwin+xwayland; wine: ORDELIO.EXE under Wine and openbox;
#        chromium: ORDELIO is the page's folder, served on localhost, in Chromium under openbox)
set -u
programma=$1
shift
comando=("$programma")
[[ $programma == *.exe ]] && comando=(wine "$programma")
case ${LINGUA:-it} in
it) locale=it_IT.UTF-8 sbagliato=period giusto=comma ;;
en) locale=en_US.UTF-8 sbagliato=comma giusto=period ;;
esac
# SCALA=1.5: the display scaling of a laptop, on a larger screen; the Linux program takes
# it from QT_SCALE_FACTOR, the Windows one from Wine's settings (windows.sh).
SCALA=${SCALA:-1} schermo=1024x768
[ "$SCALA" = 1 ] || { schermo=1920x1080 && [[ $programma == *.exe ]] || export QT_SCALE_FACTOR=$SCALA; }
fallito=0
lavoro=$(mktemp -d)
gruppi=()
# Each desktop's processes in a group of their own, ended with it.
sfondo() { setsid "$@" & gruppi+=($!); }
chiudi() { for g in "${gruppi[@]}"; do kill -- -"$g" 2>/dev/null; done; gruppi=(); sleep 1; }
trap 'chiudi; rm -rf "$lavoro"' EXIT
export HOME=$lavoro XDG_RUNTIME_DIR=$lavoro ASAN_OPTIONS=${ASAN_OPTIONS:-}:strict_string_checks=0
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
chmod 700 "$lavoro"

# The palette colours the road looks for on the screen.
PAGINA='#FFFFFF' ANELLO='#800000' CASELLA_ROSSA='#FF0000' PRIMA_CURVA='#000080' SECONDA_CURVA='#008000' TERZA_CURVA='#008080'
# The page's own ground, around the program's windows.
SCHERMO_WEB='#EFEFEF'

# A failure keeps the screen as it was, one file for each.
errore() { errori=$((errori + 1)) && local s=${TMPDIR:-/tmp}/ordelio-$desktop-$giro-$errori.png; echo "FAIL $desktop (run $giro): $* (screen in $s)"; import -window root "$s"; }
# How many pixels of this colour the screen shows.
conta() { import -window root png:- | convert - -format %c histogram:info:- | awk -v c="$1" '$3 == c { n = $1 } END { print n + 0 }'; }
# Runs the command until it succeeds, for ten seconds at most.
entro() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; return 1; }
almeno() { [ "$2" -le "$(conta "$1")" ] 2>/dev/null; }
nessuno() { [ "$(conta "$1")" -eq 0 ]; }
chiusa() { ! xdotool search --name "^$1\$" >/dev/null; }
finito() { ! kill -0 "$1" 2>/dev/null; }
gestito() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
rosso_dopo() { tasti Return; [ "$(conta $CASELLA_ROSSA)" -gt "$1" ]; } # closes the message, until the box is red
tasti() { xdotool key --delay 150 "$@"; sleep 0.3; }
attiva() { xdotool search --name "^$1\$" windowactivate --sync; } # as a click on its window would

avvia_desktop() { # starts Xvfb and the desktop; sets xvfb and the program's environment
    : >"$lavoro/display"
    sfondo Xvfb -displayfd 3 -screen 0 "$schermo"x24 -dpi 96 -nolisten tcp 3>"$lavoro/display" 2>/dev/null
    entro test -s "$lavoro/display"
    n=$(cat "$lavoro/display") && export DISPLAY=:$n && ambiente=(DISPLAY=":$n")
    touch "$lavoro/prima" # X sockets made after this are the compositor's
    case $desktop in
    chromium) # the page as a school's web space serves it, in a browser in the user's language
        sfondo /usr/bin/python3 "$(dirname "$0")/../../scripts/web/servi.py" "$programma" 0 >"$lavoro/indirizzo" 2>/dev/null
        mkdir -p "$lavoro/profilo/Default" && entro test -s "$lavoro/indirizzo"
        # Its offer to translate the Italian page would take the focus, until the user closed it.
        lingua=${locale%%.*} && echo "{\"intl\": {\"accept_languages\": \"${lingua/_/-}\"}, \"translate\": {\"enabled\": false}}" \
            >"$lavoro/profilo/Default/Preferences"
        # Its own file pickers close at once here: the figure comes as the download, in the
        # user's Downloads, that other browsers give.
        comando=(chromium --no-sandbox --kiosk --no-first-run --disable-gpu --password-store=basic
                 --disable-blink-features=FileSystemAccessLocal,FileSystemAccess
                 --user-data-dir="$lavoro/profilo" "$(cat "$lavoro/indirizzo")") ;& # under openbox
    openbox | wine) sfondo openbox --sm-disable >"$lavoro/log" 2>&1 ;;
    mutter-x11) sfondo dbus-run-session -- mutter --x11 --replace >"$lavoro/log" 2>&1 ;;
    weston*) sfondo weston --backend=x11-backend.so --width=1024 --height=768 --socket=w$n --idle-time=0 \
                 $([ "$desktop" = weston+xwayland ] && echo --xwayland) >"$lavoro/log" 2>&1 ;;
    mutter*) # mutter 49 on runs no more nested, but in its devkit: a viewer of its screen through PipeWire
        devkit=$(mutter --help 2>&1 | grep -q -- --nested || echo 'pipewire & sleep 1; wireplumber & sleep 1; GSK_RENDERER=cairo GDK_BACKEND=x11')
        MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 sfondo dbus-run-session -- sh -c "$devkit exec mutter --wayland-display=w$n \
            $([ -n "$devkit" ] && echo --devkit || echo --wayland --nested) $([ "$desktop" = mutter ] && echo --no-x11)" >"$lavoro/log" 2>&1 ;;
    kwin*) # a copy, as Debian's binary carries a file capability that a container refuses
        cp /usr/bin/kwin_wayland "$lavoro/kwin_wayland"
        sfondo dbus-run-session -- "$lavoro/kwin_wayland" --x11-display ":$n" --width 1024 --height 768 --socket w$n \
            --no-lockscreen $([ "$desktop" = kwin+xwayland ] && echo --xwayland) >"$lavoro/log" 2>&1 ;;
    esac
    compositore=${gruppi[-1]}
    case $desktop in
    openbox | wine | mutter-x11 | chromium) entro gestito ;;
    *) entro test -S "$lavoro/w$n" && sleep 2
       [[ $desktop == mutter* && -n $devkit ]] && entro xdotool search --name '^Mutter Development Kit$' windowmove 0 0 windowsize 1024 768
       ambiente=(WAYLAND_DISPLAY=w$n XDG_SESSION_TYPE=wayland)
       # XWayland's display: the first X socket that the compositor made (mutter makes a
       # second one, for its own services). A dead server's socket may be made anew.
       x=$(find /tmp/.X11-unix -name 'X*' -newer "$lavoro/prima" -printf '%f\n' | sort -V | head -n1)
       if [[ $desktop == *xwayland ]]; then
           [ -n "$x" ] || errore "the compositor made no X display"
           ambiente+=(DISPLAY=":${x#X}")
           # mutter's XWayland asks for the key that this mutter gives its session's programs
           chiave() { find "$lavoro" -maxdepth 1 -name '.mutter-Xwaylandauth.*' -newer "$lavoro/prima" | grep -m1 .; }
           [[ $desktop == mutter* ]] && { entro chiave >/dev/null || errore "mutter gave no key"; ambiente+=(XAUTHORITY="$(chiave)"); }
       fi
       xdotool mousemove 512 700 ;; # the nested desktop's window takes the keys
    esac
}

x11() { [ "$desktop" = openbox ] || [ "$desktop" = wine ] || [ "$desktop" = mutter-x11 ]; }
# Why this release cannot run the desktop, if it cannot.
manca() {
    case $desktop in
    mutter-x11) mutter --help 2>&1 | grep -q -- --x11 || echo "this mutter has no X11 backend" ;;
    mutter*) mutter --help 2>&1 | grep -q -- --nested || [ -x /usr/libexec/mutter-devkit ] || echo "this mutter runs neither nested nor in its devkit" ;;
    esac
}

# The user's steps, in the order of the road.
avvia_ordelio() {
    env -u DISPLAY LC_ALL=$locale "${ambiente[@]}" "${comando[@]}" >"$lavoro/programma.log" 2>&1 & pid=$!
    entro almeno $PAGINA 200000 || errore "Form1 does not show its page"
    if [ "$desktop" = chromium ]; then # the browser's empty page is white too: Form1 on the page's grey,
        entro almeno $SCHERMO_WEB 300000 || errore "the page does not show Form1"
        xdotool mousemove 300 330 click 1 # and clicked, as a page takes keys once clicked
    fi
    # any window of that name: mutter's frame on X11 bears it too
    x11 && ! xdotool search --name '^Form1$' getwindowgeometry %@ | awk -v s="$SCALA" -F '[ x]+' '
        /Geometry/ && ($3 - 778 * s) ^ 2 <= 1 && ($4 - 571 * s) ^ 2 <= 1 { trovata = 1 } END { exit !trovata }' &&
        errore "Form1 is not 778x571 at ${SCALA}x"
    # with XWayland there, the program takes it, as X11 programs do in a Wayland session
    [[ $desktop == *xwayland ]] && ! entro env "${ambiente[@]}" xdotool search --name '^Form1$' >/dev/null &&
        errore "the program did not open its window on XWayland"
}
avanti_dalla_pagina() { # Form2 maximized, its first ring as wide as half the screen
    tasti Tab Return
    entro almeno $ANELLO 1000 || errore "no ring on Form2"
    [ "$(import -window root png:- | convert - -fill black +opaque $ANELLO -trim -format %w info:)" -gt 400 ] ||
        errore "the ring is not at the maximized size"
}
chiudi_form1_dopo_avanti() { # closing Form1 now ends nothing
    attiva Form1 && tasti alt+F4
    entro chiusa Form1 && kill -0 $pid || errore "closing Form1 ended the program"
    attiva Form2
}
tara_e_continua() { tasti Right Tab Tab Return; entro nessuno $ANELLO || errore "Form3 does not come in front"; } # 0.55, "OK - continua"
sbaglia_e_corregge() { # not a number in the user's format, then the first curve
    rossi=$(conta $CASELLA_ROSSA)
    tasti Tab Tab Tab Tab Tab Tab ctrl+a 2 $sbagliato 5 Tab Return
    entro rosso_dopo $((rossi + 500)) || errore "the box did not turn red"
    sleep 1 && almeno $CASELLA_ROSSA $((rossi + 501)) || errore "closing the message turned the box white" # no activation
    tasti 2 $giusto 5 Tab Return # the emptied box has the focus
    entro almeno $PRIMA_CURVA 1000 || errore "no first curve on Form4"
}
# Whether two screenshots are the same, pixel for pixel (ImageMagick 7 adds a ratio).
uguali() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
# F5 by its key (Xvfb's evdev keymap): by its name, xdotool presses it at a level that adds
# Alt with Debian testing's keymaps
F5=71
blu() { convert "$1" -format %c histogram:info:- | grep -q "$PRIMA_CURVA"; }
# Wine hands the picture over to X only after it was asked which types it has, as
# programs that paste do.
appunti() { xclip -selection clipboard -t TARGETS -o >/dev/null && xclip -selection clipboard -t image/png -o >"$lavoro/appunti.png" 2>/dev/null && blu "$lavoro/appunti.png"; }
# The first curve's width and height in an image: the same on screen, in the copy and in the PNG.
curva() { convert "$1" -fill white +opaque "$PRIMA_CURVA" -trim -format %wx%h info:; }
figura_fuori() { # the figure copied, saved, printed; its curve shown as it is made
    sullo_schermo=$(import -window root png:- | curva png:-)
    tasti ctrl+c
    entro appunti || errore "Ctrl+C put no image/png with the curve on the clipboard"
    tipi="png pdf" && [ "$desktop" = wine ] && tipi=png # the PDF is the same code on Windows
    for tipo in $tipi; do # Windows' own dialog takes a Windows name
        nome=$lavoro/figura.$tipo && [ "$desktop" = wine ] && nome=Z:${nome//\//\\}
        if [ "$desktop" = chromium ]; then # the page asks for the type, the browser downloads
            tasti ctrl+s && sleep 1 && { [ "$tipo" = png ] || tasti Tab; } && tasti Return
            entro test -s "$lavoro/Downloads/figura.$tipo" && mv "$lavoro/Downloads/figura.$tipo" "$lavoro"
        else
            tasti ctrl+s && entro xdotool search --name '^Salva la figura$' >/dev/null && sleep 0.5
            tasti Home shift+End && xdotool type "$nome" && tasti Return
        fi
        entro test -s "$lavoro/figura.$tipo" || errore "Ctrl+S wrote no $tipo"
        # Under openbox, Wine gives the focus back to no window when its dialog closes
        # (Windows gives it to the screen): a click on the screen, as the user would.
        [ "$desktop" = wine ] && attiva Form4
    done
    blu "$lavoro/figura.png" || errore "the PNG has no curve"
    for i in appunti figura; do [ "$(curva "$lavoro/$i.png")" = "$sullo_schermo" ] ||
        errore "$i.png holds the curve at $(curva "$lavoro/$i.png"), the screen at $sullo_schermo"; done
    [ "$desktop" = wine ] || { pdftoppm -r 40 -png "$lavoro/figura.pdf" "$lavoro/pdf" && blu "$lavoro/pdf-1.png"; } ||
        errore "the PDF has no curve"
    stampa=Stampa && [ "$desktop" = wine ] && stampa=Ordelio # Wine has no printer: the program says so
    if [ "$desktop" = chromium ]; then # the browser prints a PDF that it downloads
        tasti ctrl+p && entro test -s "$lavoro/Downloads/figura da stampare.pdf" || errore "Ctrl+P gave no PDF"
        sleep 5 # until the notice of the download has gone
    else
        tasti ctrl+p && entro xdotool search --name "^$stampa\$" >/dev/null || errore "Ctrl+P opened no $stampa window"
        tasti Escape && entro chiusa $stampa || errore "Esc did not close the $stampa window"
    fi
    import -window root "$lavoro/prima.png"
    tasti $F5 && import -window root "$lavoro/a.png" && sleep 1 && import -window root "$lavoro/b.png"
    ! uguali "$lavoro/a.png" "$lavoro/b.png" || errore "F5 shows nothing moving"
    tasti Escape && import -window root "$lavoro/dopo.png"
    uguali "$lavoro/prima.png" "$lavoro/dopo.png" || errore "Esc did not leave the figure as it was"
}
riprendi_e_avanti() { # "RIPRENDI", then "AVANTI" again: the next colour
    tasti Tab Tab Return
    entro nessuno $PRIMA_CURVA || errore "RIPRENDI does not bring Form3 in front"
    tasti Return
    entro almeno $SECONDA_CURVA 1000 || errore "the second AVANTI draws no curve in the next colour"
    # Under Wine at 150 % it lands one device pixel below the first: not mended yet.
    [[ $desktop == wine && $SCALA != 1 ]] || entro nessuno $PRIMA_CURVA ||
        errore "the second curve, of the same constants, does not cover the first"
}
torna_a_form4() { # from another program no curve; from Form3 one more
    sfondo xmessage -title Altro "un altro programma"
    entro attiva Altro && attiva Form4
    sleep 1
    nessuno $TERZA_CURVA || errore "coming back from another program drew a curve"
    attiva Form3 && attiva Form4
    entro almeno $TERZA_CURVA 1000 || errore "switching to Form4 drew no curve"
}
esci() { # "ESCI", after "RIPRENDI" in the order of the keys
    tasti Tab Return
    [ "$desktop" = chromium ] && { entro xdotool search --name '^Ordelio .chiuso' >/dev/null ||
        errore "ESCI did not end the program"; return; } # the page stays, and says so
    entro finito $pid || { errore "ESCI did not end the program"; kill $pid; }
    wait $pid || errore "the program ended with status $?: $(tail -n 3 "$lavoro/programma.log")"
}
salva_la_lezione() { # by its keys; then the screen as it is before ESCI
    tasti ctrl+shift+s && entro xdotool search --name '^Salva la lezione$' >/dev/null && sleep 0.5
    tasti Home shift+End && xdotool type "$lavoro/3B.ordelio" && tasti Return
    entro test -s "$lavoro/3B.ordelio" || errore "Ctrl+Shift+S wrote no lesson"
    import -window root "$lavoro/lezione.png"
}
riapri_la_lezione() { # ordelio FILE: Form4 as it was, pixel for pixel, once the focus is back on RIPRENDI
    env -u DISPLAY LC_ALL=$locale "${ambiente[@]}" "${comando[@]}" "$lavoro/3B.ordelio" >"$lavoro/programma.log" 2>&1 & pid=$!
    entro almeno $TERZA_CURVA 1000 && tasti shift+Tab && import -window root "$lavoro/riaperta.png" || errore "ordelio FILE shows no lesson"
    uguali "$lavoro/lezione.png" "$lavoro/riaperta.png" || errore "the lesson opened is not Form4 as it was saved"
    tasti Tab Return && entro finito $pid || { errore "ESCI did not end the lesson's program"; kill $pid; }
}
chiudi_form1_prima_di_avanti() { # it ends the program
    "${comando[@]}" >/dev/null 2>&1 & pid=$!
    entro almeno $PAGINA 200000 && tasti alt+F4
    entro finito $pid || { errore "closing Form1 did not end the program"; kill $pid; }
    wait $pid || errore "closing Form1 did not end the program with 0"
}

# Whether the desktop itself is still running (a dead child not yet reaped is a zombie).
vivo() { [[ "$(ps -o stat= -p "$compositore")" == [^Z]* ]]; }
strada() { # the road; the steps that switch windows or close one by hand only where the
    # desktop lets a program's test do so (X11)
    avvia_ordelio; avanti_dalla_pagina; x11 && chiudi_form1_dopo_avanti; tara_e_continua # Form1, Form2
    sbaglia_e_corregge; [[ $desktop == openbox || $desktop == wine || $desktop == chromium ]] && figura_fuori
    riprendi_e_avanti; x11 && torna_a_form4; [ "$desktop" = openbox ] && salva_la_lezione
    esci; [ "$desktop" = openbox ] && riapri_la_lezione # Form3, Form4; the lesson
    x11 && chiudi_form1_prima_di_avanti
}

for desktop in "$@"; do
    perche=$(manca)
    [ -n "$perche" ] && echo "$desktop: skipped, $perche" && continue
    volte=${REPEAT:-1} passate=0
    [[ $desktop == mutter* && $volte -lt 3 ]] && volte=3
    for giro in $(seq "$volte"); do
        # A nested compositor that dies under the road is the test machine's fault, not
        # the program's: the road runs once more on a new one.
        for volta in 1 2; do
            errori=0 morto=0
            find "$lavoro" -mindepth 1 -delete # each run a new user's: the figure saved last time asks to be replaced
            avvia_desktop; strada; vivo || morto=1; chiudi
            [ "$errori" -eq 0 ] && passate=$((passate + 1)) && break
            echo "$desktop: the desktop's log ends:" && tail -n 15 "$lavoro/log" | sed 's/^/    /'
            [ "$morto" = 1 ] && [ "$volta" = 1 ] || { fallito=1; break; }
            echo "$desktop: the desktop died during the road: once more, on a new one"
        done
    done
    echo "$desktop: done, $passate of $volte runs passed${LINGUA:+ ($LINGUA)}, at ${SCALA}x"
done
exit $fallito
