// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The constants and the palette index of one curve, as CALCOLA drew it.
struct CostantiCurva
{
    double Va, Vb, Vc, Vd, Ve;
    int colore;
    bool operator==(const CostantiCurva &) const = default;
};

// The point of a curve at one angle, as offsets from the origin of the axes.
struct Scostamento
{
    double X;
    double Y; // positive downward
};

// The point of a curve at one angle, as the plot places it.
struct PuntoCurva
{
    Scostamento scostamento;
    float x, y;  // the dot in user units: the origin plus each offset, rounded to a 4-byte float
    bool dentro; // within the axes and finite: the plot draws it; otherwise it is skipped
};

// The one rule for a dot, used wherever one is placed: at Alfa whole degrees ellipse A's
// angle t is Alfa times P1 rounded to a 4-byte float, ellipse B's angle is t times Ve,
// the rest in double precision; (CX, CY) is the origin of the axes, which also bound it.
PuntoCurva Punto(std::int16_t Alfa, float P1, const CostantiCurva &c, float CX, float CY);

// The palette index of the next curve: 1 to 15, then 1 again.
std::int16_t ColoreSeguente(std::int16_t Miocolor);
