// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt window, nothing but a title. With "massimizzata" it opens
// maximized, as the program's later screens do, for the memory comparison; with
// "pulsante" it holds one push button, the least that draws text.

#include "misure.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    const QByteArray modo = argc > 1 ? argv[1] : "";
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Finestra"));
    finestra.resize(778, 571); // the opening screen's client size
    if (modo == "pulsante")
        (new QPushButton(QStringLiteral("AVANTI"), &finestra))->setGeometry(240, 376, 193, 57);
    misure::PrimoDipinto attesa;
    finestra.installEventFilter(&attesa);
    modo == "massimizzata" ? finestra.showMaximized() : finestra.show();
    return applicazione.exec();
}
