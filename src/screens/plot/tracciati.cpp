// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/tracciati.h"

#include "surface/palette.h"
#include "surface/scala.h"

#include <algorithm>

QPointF Tracciato::pixel(float x, float y) const
{
    Scala scala;
    scala.setScaleWidth(ScaleWidth, area);
    scala.setScaleHeight(ScaleHeight, area);
    return scala.inPixel(x, y, area);
}

QColor Tracciato::colore() const
{
    const QColor colore = QBColor(curva->colore);
    return proiettore ? ColoreDaProiettore(colore) : colore;
}

void Tracciati::aggiungi(const Tracciato &tracciato)
{
    std::erase(m_elenco, tracciato);
    m_elenco.push_back(tracciato);
}

const Tracciato *Tracciati::ultimaCurva() const
{
    const auto ultimo =
        std::find_if(m_elenco.rbegin(), m_elenco.rend(), [](const Tracciato &t) { return t.curva.has_value(); });
    return ultimo == m_elenco.rend() ? nullptr : &*ultimo;
}
