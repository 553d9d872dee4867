// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/plot/curva.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>

#include <optional>
#include <vector>

// What one activation drew: its axes at its scale, and its curve unless a rejected box
// left it out. Enough to draw the same again at any size.
struct Tracciato
{
    QSizeF area; // the client area, logical pixels
    float ScaleWidth, ScaleHeight, P1, CX, CY;
    int DrawWidth;
    bool proiettore; // drawn in the projector mode: the curve in its darker shade
    std::optional<CostantiCurva> curva;
    bool operator==(const Tracciato &) const = default;

    // Where a point in the drawing's user units lands, in logical pixels of its area.
    QPointF pixel(float x, float y) const;
    // The curve's colour as drawn.
    QColor colore() const;
    // The curve's point at Alfa, as CALCOLA placed it.
    PuntoCurva punto(int Alfa) const { return Punto(std::int16_t(Alfa), P1, *curva, CX, CY); }
};

// The plot's drawings since it was last cleared, oldest first. A drawing equal to an
// earlier one covers every pixel of it, so the earlier one leaves the list: the list
// stays short however many times the same curves come round again.
class Tracciati
{
public:
    void aggiungi(const Tracciato &tracciato);
    void cancella() { m_elenco.clear(); }

    const std::vector<Tracciato> &elenco() const { return m_elenco; }
    // The last drawing that has a curve, or none.
    const Tracciato *ultimaCurva() const;

private:
    std::vector<Tracciato> m_elenco;
};
