#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants faults a user would notice, one at a time, in a throw-away worktree of HEAD,
# and checks that the test suite fails for each. Prints one line a fault; exits 1 if
# any fault went unnoticed. Needs what `make test` installs.
# Usage: scripts/guasti.sh [NUMBER...]   (all faults when none is given)
set -uo pipefail
sorgente=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
albero=$(mktemp -d /tmp/ordelio-guasti.XXXXXX)
trap 'git -C "$sorgente" worktree remove --force "$albero" >/dev/null 2>&1; rm -rf "$albero"' EXIT
git -C "$sorgente" worktree add -q --detach "$albero" HEAD

# file | sed expression | what the user would see
guasti=(
  "src/screens/plot/curva.cpp|s/const float t = float(Alfa) \* P1;/const double t = double(Alfa) * P1;/|A's angle in double, not a 4-byte float"
  "src/screens/plot/curva.cpp|s/const double u = double(t) \* c.Ve;/const double u = float(double(t) * c.Ve);/|B's angle rounded to a float"
  "src/surface/gradi.h|s/= 3.1415927f \/ 180;/= 3.1416f \/ 180;/|another P1"
  "src/screens/plot/curva.cpp|s/Miocolor < 15/Miocolor < 16/|palette cycle past 15"
  "src/screens/calibration/form2.cpp|s/if (Incr > nuovo)/if (Incr < nuovo)/|calibration clears on the wrong move"
  "src/screens/calibration/form2.cpp|s/if (Incr > IncrMinimo)/if (Incr >= IncrMinimo)/|calibration threshold"
  "src/screens/calibration/form2.cpp|s/^    Incr = IncrIniziale;/    if (!Incr) Incr = IncrIniziale;/|no reset to 0.51 at activation"
  "src/screens/calibration/form2.cpp|s/Alfa += 0.1/Alfa += 0.2/|ring with half the dots"
  "src/surface/attivazione.cpp|s/if (s_attivo != m_schermo) {/if (true) {/|every window activation counts"
  "src/surface/numeri.cpp|s/ .. !std::isfinite(valore)//|inf and nan accepted"
  "src/screens/constants/form3.cpp|s/LeggiText2() \&\& LeggiText3()/LeggiText2() \& LeggiText3()/|validation chain goes on past a rejected box"
  "src/screens/constants/form3.cpp|s/if (Miocolor > 6)/if (Miocolor > 7)/|colour reset"
  "src/screens/constants/form3.cpp|s/setBackColor(casella, Rosso);/setBackColor(casella, Bianco);/|rejected box not red"
  "src/screens/constants/form3.cpp|s/setBackColor(text, Bianco);/(void)text;/|boxes not white again"
  "src/screens/plot/form4.cpp|s/constexpr float Spostamento = 10;/constexpr float Spostamento = 12;/|axes moved"
  "src/screens/plot/form4.cpp|/Form4::Command2_Click/,/^}/s/    Cls();//|Cancella e riprendi keeps the curves"
  "src/screens/plot/form4.cpp|s/setDrawWidth(proiettore() ? 4 : 2)/setDrawWidth(proiettore() ? 4 : 1)/|one-pixel dots"
  "src/screens/plot/curva.cpp|s/const bool dentro = std::fabs(X) <= double(CX) \&\& /const bool dentro = /|no clipping across"
  "src/surface/schermo.cpp|s/const float CY = float(ScaleHeight() \/ 2.0);/const float CY = float(ScaleHeight() \/ 2.0 + 1);/|axes cross below the middle"
  "src/screens/intro/pagina.cpp|s/constexpr qreal PassoTab = 720.0/constexpr qreal PassoTab = 780.0/|tab stops moved"
  "src/screens/plot/curva.cpp|s/float(CY + Y)/float(CY - Y)/|the dots upside down"
  "src/screens/plot/animazione.cpp|s/return m_tracciato.pixel(p.x, p.y);/return m_tracciato.pixel(p.x, p.y + 1);/|the animated point off its dot"
  "src/screens/plot/form4.cpp|s/tasto({Qt::Key_Space}, \[this\] { m_animazione.pausa(); });/tasto({Qt::Key_Space}, [] {});/|the space bar does not pause"
  "src/screens/plot/animazione.cpp|s/m_velocita = std::min(m_velocita + 1, int(Velocita.size()) - 1);/m_velocita = std::min(m_velocita + 1, int(Velocita.size()));/|faster past the fastest pace"
  "src/screens/plot/foglio.cpp|s/Qt::KeepAspectRatio/Qt::IgnoreAspectRatio/|the PDF stretched to the page"
  "src/surface/esporta.cpp|/pixelDelDisegno.setDevicePixelRatio(1);/d|the copy and the PNG shrunk at 125 % and more"
  "src/screens/plot/foglio.cpp|s/return t.pixel(x, y) \* s;/return QPointF(posto.width() - t.pixel(x, y).x() * s, t.pixel(x, y).y() * s);/|the PDF's X mirrored"
  "src/screens/plot/animazione.cpp|s/if (!p.dentro)/if (false)/|the animation draws a point that is not finite"
  "src/surface/esporta.cpp|s/if (contenuto.isEmpty()) {/if (false) {/|an empty PNG written over a file, as success"
  "src/surface/esporta.cpp|s/return radice + '.' + SuffissoDelFiltro(scelto);/return nome;/|PNG bytes under another suffix"
  "src/surface/attivazione.cpp|s/m_nuovaRichiesta.start();/(void)0;/|a maximize the desktop dropped is not asked again"
  "src/surface/attivazione.cpp|s/^            dimensioneRicevuta();\$/            ;/|the activation does not wait for the maximized size"
  "src/surface/attivazione.cpp|s/m_sospesa \&\& s_attivo == m_schermo \&\& m_schermo->isVisible()/m_sospesa/|a put-off activation runs after another screen came in front"
  "src/surface/attivazione.cpp|s/const bool giaMassimizzata = m_massimizzataDalDesktop;/const bool giaMassimizzata = false;/|asking again takes a maximized window out of maximized"
  "src/screens/plot/foglio.cpp|s/std::max<qsizetype>(1, perPagina \/ 2)/righe.size()/|a long heading leaves the figure no room"
  "src/surface/esporta.cpp|s/while (radice.endsWith('.'))/if (false)/|figura. saved as figura..png"
  "src/surface/esporta.cpp|s/if (!cartella.isDir())/if (false)/|a missing folder not named in the message"
  "src/screens/plot/lezione.cpp|s/{QStringLiteral(\"colore\"), c.colore}/{QStringLiteral(\"colore\"), 1}/|a curve's colour not saved: every curve of a lesson opens in blue"
  "src/screens/plot/form4.cpp|/app::Form2().Incr = lezione.calibrazione;/d|the calibration not restored: the next curve after a lesson at another height"
  "src/screens/plot/lezione.cpp|s/if (errore.error != QJsonParseError::NoError \&\& dati.contains/if (false \&\& dati.contains/|a truncated lesson not called damaged, but no lesson at all"
  "src/screens/plot/lezione.cpp|s/if (dati.size() > DimensioneMassima)/if (false)/|a lesson file of any size read whole and accepted"
  "src/surface/palette.cpp|/^QColor ColoreDaProiettore/{n;s/^{\$/{ if (colore == QColor(255, 255, 0)) return colore;/}|the projector mode leaving yellow as it is, pale on the white ground"
)

cmake -S "$albero" -B "$albero/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null && cmake --build "$albero/build" -j2 >/dev/null ||
    { echo "the worktree does not build" >&2; exit 2; }
scelti=("$@")
[ ${#scelti[@]} -gt 0 ] || scelti=($(seq 1 ${#guasti[@]}))
mancati=0
for n in "${scelti[@]}"; do
    IFS='|' read -r file espressione cosa <<<"${guasti[$((n - 1))]}"
    sed -i "$espressione" "$albero/$file"
    if git -C "$albero" diff --quiet; then
        echo "$n: NOT PLANTED ($cosa): the code has changed"; mancati=1; continue
    fi
    if ! cmake --build "$albero/build" -j2 >/dev/null 2>&1; then
        echo "$n: does not build ($cosa)"
    elif (cd "$albero/build" && QT_QPA_PLATFORM=offscreen ctest -E 'tst_installazione|tst_desktop' >"$albero/ctest.log" 2>&1); then
        echo "$n: UNNOTICED: $cosa"; mancati=1
    else
        echo "$n: caught by $(grep -o '[0-9]* - tst_[a-z0-9]*' "$albero/ctest.log" | sed 's/^[0-9]* - //' | tr '\n' ' ')- $cosa"
    fi
    git -C "$albero" checkout -q -- "$file"
done
exit $mancati
