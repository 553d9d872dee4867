// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

// What has been drawn on a screen, kept in an image so that it survives being
// covered and the window growing. Coordinates are logical pixels of the client
// area; drawing is clipped to that area and never antialiased, so every pixel
// drawn has exactly the colour asked for.
class Disegno
{
public:
    // Makes the image cover a client area of this size at this device pixel ratio,
    // keeping what is drawn. The image never shrinks.
    void copri(QSize area, qreal dpr);
    void cancella();

    // A square dot `larghezza` pixels wide centred on the point.
    void punto(QPointF centro, int larghezza, QColor colore);
    // A segment with a pen `larghezza` pixels wide, its ends covering the dots that
    // punto() would draw there.
    void linea(QPointF da, QPointF a, int larghezza, QColor colore);

    // The colour drawn at a point, or an invalid colour where nothing is.
    QColor colore(QPointF punto) const;
    const QImage &immagine() const { return m_immagine; }
    QSize area() const { return m_area; }
    qreal dpr() const { return m_dpr; }

private:
    int dispositivo(int logico) const; // logical pixels to device pixels
    // Fills the logical pixels from (sinistra, alto) up to, not including, (destra, basso),
    // as far as they lie in the area.
    void riempi(int sinistra, int alto, int destra, int basso, QRgb rgb);

    QSize m_area;
    qreal m_dpr = 1;
    QImage m_immagine;
};
