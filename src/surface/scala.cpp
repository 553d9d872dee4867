// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/scala.h"

#include <cmath>
#include <stdexcept>

namespace {

double unitaPerPollice(int modo)
{
    return modo == Scala::Centimetri ? 2.54 : 1440.0;
}

void verificaEstensione(float valore)
{
    if (valore == 0.0f || !std::isfinite(valore))
        throw std::invalid_argument("larghezza o altezza della scala non valida");
}

} // namespace

Scala::Scala(QPointF dpi) : m_dpi(dpi) {}

void Scala::setScaleMode(int modo, QSizeF area)
{
    if (modo == Utente)
        fissaUtente(area);
    else if (modo == Twip || modo == Centimetri)
        m_modo = modo;
    else
        throw std::invalid_argument("modalità di scala non valida");
}

float Scala::ScaleWidth(QSizeF area) const
{
    return m_modo == Utente ? m_larghezza : float(area.width() * unitaPerPixelX());
}

float Scala::ScaleHeight(QSizeF area) const
{
    return m_modo == Utente ? m_altezza : float(area.height() * unitaPerPixelY());
}

void Scala::setScaleWidth(float larghezza, QSizeF area)
{
    verificaEstensione(larghezza);
    fissaUtente(area);
    m_larghezza = larghezza;
}

void Scala::setScaleHeight(float altezza, QSizeF area)
{
    verificaEstensione(altezza);
    fissaUtente(area);
    m_altezza = altezza;
}

QPointF Scala::inPixel(float x, float y, QSizeF area) const
{
    return QPointF(double(x) * area.width() / double(ScaleWidth(area)),
                   double(y) * area.height() / double(ScaleHeight(area)));
}

double Scala::unitaPerPixelX() const
{
    return unitaPerPollice(m_modo) / m_dpi.x();
}

double Scala::unitaPerPixelY() const
{
    return unitaPerPollice(m_modo) / m_dpi.y();
}

void Scala::fissaUtente(QSizeF area)
{
    if (m_modo == Utente)
        return;
    m_larghezza = ScaleWidth(area);
    m_altezza = ScaleHeight(area);
    m_modo = Utente;
}
