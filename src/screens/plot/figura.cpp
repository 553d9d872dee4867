// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/figura.h"

#include "surface/scala.h"

#include <algorithm>

QPointF InPixel(const Tracciato &tracciato, float x, float y)
{
    Scala scala;
    scala.setScaleWidth(tracciato.ScaleWidth, tracciato.area);
    scala.setScaleHeight(tracciato.ScaleHeight, tracciato.area);
    return scala.inPixel(x, y, tracciato.area);
}

void Figura::aggiungi(const Tracciato &tracciato)
{
    std::erase(m_tracciati, tracciato);
    m_tracciati.push_back(tracciato);
}

const Tracciato *Figura::ultimaCurva() const
{
    const auto ultimo =
        std::find_if(m_tracciati.rbegin(), m_tracciati.rend(), [](const Tracciato &t) { return t.curva.has_value(); });
    return ultimo == m_tracciati.rend() ? nullptr : &*ultimo;
}
