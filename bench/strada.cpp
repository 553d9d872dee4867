// SPDX-License-Identifier: GPL-3.0-or-later
// The whole road of a user, in one process: the opening screen, the calibration with
// the bar moved, the constants, the plot and seven more curves through "RIPRENDI" and
// "AVANTI", all four screens left open; then the peak memory of the process. Linked
// with the program's own main(), which starts it as a user would.

#include "misure.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"
#include "surface/barra.h"

#include <QDeadlineTimer>
#include <QScrollBar>

#include <cstdio>
#include <cstdlib>

namespace {

// Runs the event loop until `schermo` is the program's active screen and has run its
// activation; a road that stalls is a failed measurement, not a figure.
void attendiAttivo(const Schermo &schermo)
{
    QDeadlineTimer scadenza(5000);
    while (!schermo.isActiveWindow() && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // A maximized screen runs its activation once it has its maximized size.
    while (schermo.size() == QSize(0, 0) && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int giro = 0; giro < 5; ++giro)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!schermo.isActiveWindow()) {
        std::fprintf(stderr, "%s non è diventato attivo\n", qPrintable(schermo.objectName()));
        std::exit(1);
    }
}

void strada()
{
    attendiAttivo(app::Form1());
    app::Form1().Command1_Click();
    attendiAttivo(app::Form2());
    app::Form2().HScroll1->setValue(3); // factor 0.57
    app::Form2().Command1_Click();
    attendiAttivo(app::Form3());
    app::Form3().Command2_Click();
    attendiAttivo(app::Form4());
    for (int curva = 0; curva < 7; ++curva) {
        app::Form4().Command1_Click();
        attendiAttivo(app::Form3());
        app::Form3().Command2_Click();
        attendiAttivo(app::Form4());
    }
    if (app::Form3().Miocolor != 1) {
        std::fprintf(stderr, "la strada non ha disegnato le otto curve (Miocolor %d)\n", app::Form3().Miocolor);
        std::exit(1);
    }
    for (const Schermo *schermo :
         {static_cast<const Schermo *>(&app::Form2()), static_cast<const Schermo *>(&app::Form3()),
          static_cast<const Schermo *>(&app::Form4())})
        if (!schermo->isMaximized()) {
            std::fprintf(stderr, "%s non è massimizzato\n", qPrintable(schermo->objectName()));
            std::exit(1);
        }
    misure::riferisciEdEsci(misure::orologioNs());
}

} // namespace

void iniziaLaStrada()
{
    // Once main() has shown the opening screen and started the event loop.
    QTimer::singleShot(0, &strada);
}

Q_COREAPP_STARTUP_FUNCTION(iniziaLaStrada)
