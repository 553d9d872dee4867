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

// Top-left corner of the square dot of side `larghezza` centred on `centro`.
QPointF angoloDelPunto(QPointF centro, int larghezza)
{
    return QPointF(std::round(centro.x() - larghezza / 2.0), std::round(centro.y() - larghezza / 2.0));
}

// Cuts the segment to the rectangle (Liang-Barsky), so that the painter never sees
// coordinates far outside the image. False when nothing of it is inside.
bool taglia(QLineF &segmento, const QRectF &r)
{
    const double dx = segmento.dx(), dy = segmento.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segmento.x1() - r.left(), r.right() - segmento.x1(),
                         segmento.y1() - r.top(), r.bottom() - segmento.y1()};
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
    if (!finito(centro) || larghezza < 1)
        return;
    const QRectF quadrato(angoloDelPunto(centro, larghezza), QSizeF(larghezza, larghezza));
    const QRectF visibile = quadrato & QRectF(QPointF(0, 0), QSizeF(m_area));
    if (visibile.isEmpty())
        return;

    const int x0 = int(std::lround(visibile.left() * m_dpr)), x1 = int(std::lround(visibile.right() * m_dpr));
    const int y0 = int(std::lround(visibile.top() * m_dpr)), y1 = int(std::lround(visibile.bottom() * m_dpr));
    const QRgb rgb = colore.rgba();
    for (int y = std::max(y0, 0); y < std::min(y1, m_immagine.height()); ++y) {
        auto *riga = reinterpret_cast<QRgb *>(m_immagine.scanLine(y));
        std::fill(riga + std::max(x0, 0), riga + std::min(x1, m_immagine.width()), rgb);
    }
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
