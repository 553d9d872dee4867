// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

// A control with its caption or text, placed in its container.
template <typename Controllo>
Controllo *Crea(const QString &testo, QWidget *contenitore, QRect posto)
{
    auto *controllo = new Controllo(testo, contenitore);
    controllo->setGeometry(posto);
    return controllo;
}

// The order Tab goes through the controls, first to last.
inline void OrdineDiTabulazione(std::initializer_list<QWidget *> controlli)
{
    for (auto c = controlli.begin(); c + 1 < controlli.end(); ++c)
        QWidget::setTabOrder(*c, *(c + 1));
}
