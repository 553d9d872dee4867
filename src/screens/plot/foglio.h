// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRectF>

class Figura;
class QPagedPaintDevice;
class QPainter;

// The figure on paper, drawn again from its numbers so that it is sharp at any size.

// The place of the figure in `spazio`: the shape of the screen's client area, so that
// a circle on the screen is a circle on paper, as large as fits, centred.
QRectF PostoDellaFigura(QSizeF area, QRectF spazio);

// Draws the figure's axes and dots where the screen has them, in `pagina` (the
// painter's coordinates); above it, when asked, a title line with the constants of
// each curve in its colour.
void DisegnaFoglio(QPainter &pittore, QRectF pagina, const Figura &figura, bool titolo);

// An A4 page in landscape with 15 mm margins, for the PDF and the printer alike.
void ImpostaPagina(QPagedPaintDevice &dispositivo);

// The figure as a one-page PDF.
QByteArray FiguraInPdf(const Figura &figura, bool titolo);
