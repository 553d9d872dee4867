// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The point of a curve at one angle, as offsets from the crossing of the axes.
struct Scostamento
{
    double X;
    double Y; // positive downward
};

// The point at Alfa whole degrees: ellipse A's angle t is Alfa times P1 rounded to a
// 4-byte float, ellipse B's angle is t times Ve, the rest in double precision.
Scostamento PuntoCurva(std::int16_t Alfa, float P1, double Va, double Vb, double Vc, double Vd, double Ve);

// Whether a point lies within the axes. A point whose offsets are not finite numbers
// fails too, so it is skipped like one beyond the axes.
bool DentroGliAssi(Scostamento punto, float CX, float CY);

// The palette index of the next curve: 1 to 15, then 1 again.
std::int16_t ColoreSeguente(std::int16_t Miocolor);
