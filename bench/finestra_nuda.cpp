// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt window, nothing but a title. With "massimizzata" it opens
// maximized, as the program's later screens do, for the memory comparison; with
// "pulsante" it holds one push button, the least that draws text.

#include "misure.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <cstring>
#include <functional>

int main(int argc, char *argv[])
{
    const bool massimizzata = argc > 1 && std::strcmp(argv[1], "massimizzata") == 0;
    const bool pulsante = argc > 1 && std::strcmp(argv[1], "pulsante") == 0;
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Finestra"));
    finestra.resize(778, 571); // the opening screen's client size
    if (pulsante)
        (new QPushButton(QStringLiteral("AVANTI"), &finestra))->setGeometry(240, 376, 193, 57);
    misure::PrimoDipinto attesa([](long long ns) { misure::riferisciEdEsci(ns); });
    finestra.installEventFilter(&attesa);
    if (massimizzata)
        finestra.showMaximized();
    else
        finestra.show();
    return applicazione.exec();
}
