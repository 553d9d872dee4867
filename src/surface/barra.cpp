// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/barra.h"

#include <QKeyEvent>

BarraOrizzontale::BarraOrizzontale(QWidget *contenitore) : QScrollBar(Qt::Horizontal, contenitore)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BarraOrizzontale::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Right || evento->key() == Qt::Key_Left) {
        const bool avanti = (evento->key() == Qt::Key_Right) != isRightToLeft();
        triggerAction(avanti ? SliderSingleStepAdd : SliderSingleStepSub);
        return;
    }
    QScrollBar::keyPressEvent(evento);
}
