// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with the program's own main(): watches the opening screen for its first
// paint and reports the time. Nothing else of the start-up is changed.

#include "misure.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

void sorvegliaForm1()
{
    // An application-wide filter, installed as the application object is made,
    // before main() creates any screen.
    static misure::PrimoDipinto attesa([](long long ns) { misure::riferisciEdEsci(ns); }, QStringLiteral("Form1"));
    QCoreApplication::instance()->installEventFilter(&attesa);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(sorvegliaForm1)
