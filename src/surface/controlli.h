// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A control with its caption or text, placed in its container.
template <typename Controllo>
Controllo *Crea(const QString &testo, QWidget *contenitore, QRect posto)
{
    auto *controllo = new Controllo(testo, contenitore);
    controllo->setGeometry(posto);
    return controllo;
}
