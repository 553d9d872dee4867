// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

// The coordinate scale of a drawing surface: how many units span its client area
// across and down, origin at the top-left corner, y growing downward. The width and
// height are 4-byte floats, as the screens compute them.
class Scala
{
public:
    enum Modo { Utente = 0, Twip = 1, Centimetri = 7 };

    // Dots per inch of the client area, across and down; 96 unless told.
    explicit Scala(QPointF dpi = QPointF(96, 96));

    int ScaleMode() const { return m_modo; }
    // Utente keeps the current extent as user units; Twip and Centimetri follow the area.
    void setScaleMode(int modo, QSizeF area);

    float ScaleWidth(QSizeF area) const;
    float ScaleHeight(QSizeF area) const;
    // Setting either extent puts the scale in user units.
    void setScaleWidth(float larghezza, QSizeF area);
    void setScaleHeight(float altezza, QSizeF area);

    // The point (x, y) in logical pixels of an area of the given size.
    QPointF inPixel(float x, float y, QSizeF area) const;

private:
    double unitaPerPixelX() const;
    double unitaPerPixelY() const;
    void fissaUtente(QSizeF area);

    QPointF m_dpi;
    int m_modo = Twip;
    float m_larghezza = 0; // user units, only in Utente
    float m_altezza = 0;
};
