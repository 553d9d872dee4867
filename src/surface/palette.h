// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The 16-colour palette of the drawing surface. An index outside 0 to 15
// throws std::out_of_range.
QColor QBColor(int indice);

// The colour's name in Italian, as a screen reader says it.
QString NomeColore(int indice);
