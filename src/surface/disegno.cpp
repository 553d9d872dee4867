// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/disegno.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

bool finito(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// The whole number nearest to v, halves upward; v must fit an int.
int vicino(double v)
{
    const double w = v + 0.5;
    const int i = int(w);
    return w < i ? i - 1 : i;
}

// Top-left corner of the square dot of side `larghezza` centred on `centro`.
QPointF angoloDelPunto(QPointF centro, int larghezza)
{
    return QPointF(std::floor(centro.x() - larghezza / 2.0 + 0.5), std::floor(centro.y() - larghezza / 2.0 + 0.5));
}

// Cuts the segment to the rectangle (Liang-Barsky), so that the painter never sees
// coordinates far outside the image. False when nothing of it is inside.
bool taglia(QLineF &segmento, const QRectF &r)
{
    const double dx = segmento.dx(), dy = segmento.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segmento.x1() - r.left(), r.right() - segmento.x1(), segmento.y1() - r.top(),
                         r.bottom() - segmento.y1()};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF inizio = segmento.pointAt(t0);
    segmento = QLineF(inizio, segmento.p1() + QPointF(dx, dy) * t1);
    return true;
}

} // namespace

void Disegno::copri(QSize area, qreal dpr)
{
    m_area = area;
    // At least one pixel: an area squeezed to nothing still keeps what was drawn.
    const QSize richiesta = (QSizeF(area) * dpr).toSize().expandedTo(QSize(1, 1));
    if (!m_immagine.isNull() && dpr == m_dpr && m_immagine.width() >= richiesta.width()
        && m_immagine.height() >= richiesta.height())
        return;

    const QSize vecchia = m_immagine.isNull() ? QSize() : (QSizeF(m_immagine.size()) * (dpr / m_dpr)).toSize();
    QImage nuova(richiesta.expandedTo(vecchia), QImage::Format_ARGB32_Premultiplied);
    if (nuova.isNull())
        throw std::runtime_error("memoria insufficiente per l'immagine del disegno");
    nuova.fill(Qt::transparent);
    nuova.setDevicePixelRatio(dpr);
    if (!m_immagine.isNull()) {
        QPainter pittore(&nuova);
        pittore.drawImage(QPointF(0, 0), m_immagine);
    }
    m_immagine = nuova;
    m_dpr = dpr;
}

void Disegno::cancella()
{
    m_immagine.fill(Qt::transparent);
}

void Disegno::punto(QPointF centro, int larghezza, QColor colore)
{
    // Only a centre within a dot's width of the area can touch it; the test also
    // keeps far points, and points that are not numbers, away from the int arithmetic.
    if (!(centro.x() > -larghezza && centro.x() < m_area.width() + larghezza && centro.y() > -larghezza
          && centro.y() < m_area.height() + larghezza))
        return;
    const int sinistra = vicino(centro.x() - larghezza / 2.0), alto = vicino(centro.y() - larghezza / 2.0);
    riempi(sinistra, alto, sinistra + larghezza, alto + larghezza, colore.rgba());
}

void Disegno::riempi(int sinistra, int alto, int destra, int basso, QRgb rgb)
{
    const int x0 = dispositivo(std::max(sinistra, 0)), x1 = dispositivo(std::min(destra, m_area.width()));
    const int y0 = dispositivo(std::max(alto, 0)), y1 = dispositivo(std::min(basso, m_area.height()));
    if (x0 >= x1 || y0 >= y1)
        return;
    const qsizetype passo = m_immagine.bytesPerLine() / qsizetype(sizeof(QRgb));
    auto *riga = reinterpret_cast<QRgb *>(m_immagine.bits()) + y0 * passo;
    for (int y = y0; y < y1; ++y, riga += passo)
        std::fill(riga + x0, riga + x1, rgb);
}

int Disegno::dispositivo(int logico) const
{
    return m_dpr == 1 ? logico : int(std::lround(logico * m_dpr));
}

void Disegno::linea(QPointF da, QPointF a, int larghezza, QColor colore)
{
    if (!finito(da) || !finito(a) || larghezza < 1)
        return;
    const QPointF mezzo(larghezza / 2.0, larghezza / 2.0);
    QLineF segmento(angoloDelPunto(da, larghezza) + mezzo, angoloDelPunto(a, larghezza) + mezzo);
    const QRectF area(QPointF(0, 0), QSizeF(m_area));
    if (!taglia(segmento, area.adjusted(-larghezza, -larghezza, larghezza, larghezza)))
        return;

    // A line along the pixel grid is the rectangle that the dots at its ends span.
    if (segmento.x1() == segmento.x2() || segmento.y1() == segmento.y2()) {
        const double m = larghezza / 2.0;
        const QRectF rettangolo = QRectF(segmento.p1(), segmento.p2()).normalized() + QMarginsF(m, m, m, m);
        riempi(vicino(rettangolo.left()), vicino(rettangolo.top()), vicino(rettangolo.right()),
               vicino(rettangolo.bottom()), colore.rgba());
        return;
    }

    QPainter pittore(&m_immagine);
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.setClipRect(area);
    pittore.setPen(QPen(colore, larghezza, Qt::SolidLine, Qt::SquareCap));
    pittore.drawLine(segmento);
}

QColor Disegno::colore(QPointF punto) const
{
    if (!finito(punto))
        return QColor();
    const double x = std::floor(punto.x() * m_dpr), y = std::floor(punto.y() * m_dpr);
    if (x < 0 || y < 0 || x >= m_immagine.width() || y >= m_immagine.height())
        return QColor();
    const QRgb rgb = m_immagine.pixel(int(x), int(y));
    return qAlpha(rgb) == 0 ? QColor() : QColor::fromRgba(rgb);
}
