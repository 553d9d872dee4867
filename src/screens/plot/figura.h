// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

#include <optional>
#include <vector>

// The constants and the palette index of one curve, as CALCOLA drew it.
struct CostantiCurva
{
    double Va, Vb, Vc, Vd, Ve;
    int colore;
    bool operator==(const CostantiCurva &) const = default;
};

// What one activation drew: its axes at its scale, and its curve unless a rejected box
// left it out. Enough to draw the same again at any size.
struct Tracciato
{
    QSizeF area; // the client area, logical pixels
    float ScaleWidth, ScaleHeight, P1, CX, CY;
    int DrawWidth;
    std::optional<CostantiCurva> curva;
    bool operator==(const Tracciato &) const = default;
};

// Where a point in the drawing's user units lands, in logical pixels of its area.
QPointF InPixel(const Tracciato &tracciato, float x, float y);

// The plot's drawings since it was last cleared, oldest first. A drawing equal to an
// earlier one covers every pixel of it, so the earlier one leaves the list: the list
// stays short however many times the same curves come round again.
class Figura
{
public:
    void aggiungi(const Tracciato &tracciato);
    void cancella() { m_tracciati.clear(); }

    const std::vector<Tracciato> &tracciati() const { return m_tracciati; }
    // The last drawing that has a curve, or none.
    const Tracciato *ultimaCurva() const;

private:
    std::vector<Tracciato> m_tracciati;
};
