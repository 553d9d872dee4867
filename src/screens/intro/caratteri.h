// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The faces of the explanatory page travel inside the program, so that the page
// looks the same on every machine: Liberation Mono for the body, Liberation Serif
// for the formulas (it has their Greek letters).

// Registers the bundled faces; throws std::runtime_error if one cannot be loaded.
void RegistraCaratteri();

enum class Forma { Diritta, Corsiva };

// Sizes are in points at 96 dots per inch of logical pixels, whatever the screen:
// 12 pt is 16 pixels, so the page keeps its proportions.
QFont CarattereCorpo(qreal punti = 12);
QFont CarattereFormule(qreal punti, Forma forma);
