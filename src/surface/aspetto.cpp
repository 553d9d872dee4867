// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/aspetto.h"

#include <QLabel>
#include <QLineEdit>

QFont CarattereDiProgetto(qreal punti)
{
    // Liberation Sans, which the program carries, has widths close enough to MS Sans
    // Serif's for every caption to fit the control it was placed in; Windows' own
    // MS Sans Serif is a bitmap face of other widths.
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPointSizeF(punti);
    return carattere;
}

void Intestazione(QLabel *label, Peso peso)
{
    QFont carattere = CarattereDiProgetto(13.5);
    carattere.setBold(peso == Peso::Grassetto);
    label->setFont(carattere);
    QPalette tavolozza = label->palette();
    tavolozza.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(tavolozza);
}

void setBackColor(QLineEdit *casella, QColor colore)
{
    QPalette tavolozza = casella->palette();
    tavolozza.setColor(QPalette::Base, colore);
    casella->setPalette(tavolozza);
}
