// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The 16-colour palette of the drawing surface. An index outside 0 to 15
// throws std::out_of_range.
QColor QBColor(int indice);

// The colour's name in Italian, as a screen reader says it.
QString NomeColore(int indice);

// The contrast of the colour against white, 1 to 21, by the relative luminance of the
// web's accessibility guidelines.
double ContrastoSulBianco(QColor colore);

// The colour as the projector mode draws it: one that reads at 4.5:1 or more on white
// stays as it is; any other gets darker, hue and saturation kept, until it reads so.
QColor ColoreDaProiettore(QColor colore);
