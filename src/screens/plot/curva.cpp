// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/curva.h"

#include <cmath>

Scostamento PuntoCurva(std::int16_t Alfa, float P1, double Va, double Vb, double Vc, double Vd, double Ve)
{
    const float t = float(Alfa) * P1;
    const double u = double(t) * Ve;
    const double X = Va * std::cos(double(t)) + Vb * std::sin(double(t));
    const double Y = Vc * std::cos(u) + Vd * std::sin(u);
    return {X, Y};
}

bool DentroGliAssi(Scostamento punto, float CX, float CY)
{
    return std::fabs(punto.X) <= double(CX) && std::fabs(punto.Y) <= double(CY);
}

std::int16_t ColoreSeguente(std::int16_t Miocolor)
{
    return Miocolor >= 1 && Miocolor < 15 ? std::int16_t(Miocolor + 1) : std::int16_t(1);
}
