// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/plot/curva.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

class Tracciati;
class QPagedPaintDevice;
class QPainter;

// The figure on paper, drawn again from its numbers so that it is sharp at any size.

// The place of the figure in `spazio`: the shape of the screen's client area, so that
// a circle on the screen is a circle on paper, as large as fits, centred.
QRectF PostoDellaFigura(QSizeF area, QRectF spazio);

// A curve's constants as the page's heading and the plot's description write them:
// "A: 20 e 15; B: 10 e 5; d = 2", no comma but the decimal one.
QString TestoCostanti(const CostantiCurva &c);

// Draws the figure's axes and dots where the screen has them, in `pagina` (the
// painter's coordinates); above it, when asked, a heading with the constants of each
// curve in its colour, in at most half the page: the rest of it follows on the next
// pages of a device that has pages, and is left out on one that has not.
void DisegnaFoglio(QPainter &pittore, QRectF pagina, const Tracciati &tracciati, bool intestazione);

// An A4 page in landscape with 15 mm margins, for the PDF and the printer alike, and the
// part of it that is printed, in the painter's coordinates.
void ImpostaPagina(QPagedPaintDevice &dispositivo);
QRectF AreaStampabile(const QPagedPaintDevice &dispositivo);

// The figure as a one-page PDF.
QByteArray FiguraInPdf(const Tracciati &tracciati, bool intestazione);
