// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/curva.h"

#include <cmath>

PuntoCurva Punto(std::int16_t Alfa, float P1, const CostantiCurva &c, float CX, float CY)
{
    const float t = float(Alfa) * P1;
    const double u = double(t) * c.Ve;
    const double X = c.Va * std::cos(double(t)) + c.Vb * std::sin(double(t));
    const double Y = c.Vc * std::cos(u) + c.Vd * std::sin(u);
    // Offsets that are not finite numbers fail the test, so such a point is skipped like
    // one beyond the axes.
    const bool dentro = std::fabs(X) <= double(CX) && std::fabs(Y) <= double(CY);
    return {{X, Y}, float(CX + X), float(CY + Y), dentro};
}

std::int16_t ColoreSeguente(std::int16_t Miocolor)
{
    return Miocolor >= 1 && Miocolor < 15 ? std::int16_t(Miocolor + 1) : std::int16_t(1);
}
