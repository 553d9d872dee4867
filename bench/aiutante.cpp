// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with the program's own main(), which starts as a user starts it. Given "avvio"
// it reports when the opening screen first painted; given "strada" it goes the whole road of a user first, then reports: the bar
// moved, eight curves through "RIPRENDI" and "AVANTI", all four screens left open.

#include "misure.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"
#include "surface/barra.h"

#include <QDeadlineTimer>

#include <cstdlib>

namespace {

// A road that stalls is a failed measurement, not a figure.
void fallita(const QString &perche)
{
    std::fprintf(stderr, "%s\n", qPrintable(perche));
    std::exit(1);
}

// Runs the event loop until `schermo` is active and, maximized, has its size.
void attendiAttivo(const Schermo &schermo)
{
    QDeadlineTimer scadenza(5000);
    while ((!schermo.isActiveWindow() || schermo.size() == QSize(0, 0)) && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int giro = 0; giro < 5; ++giro)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!schermo.isActiveWindow())
        fallita(schermo.objectName() + QStringLiteral(" non è diventato attivo"));
}

void strada()
{
    attendiAttivo(app::Form1());
    app::Form1().Command1_Click();
    attendiAttivo(app::Form2());
    app::Form2().HScroll1->setValue(3); // factor 0.57
    app::Form2().Command1_Click();
    for (int curva = 0; curva < 8; ++curva) {
        if (curva > 0)
            app::Form4().Command1_Click();
        attendiAttivo(app::Form3());
        app::Form3().Command2_Click();
        attendiAttivo(app::Form4());
    }
    if (app::Form3().Miocolor != 1)
        fallita(QStringLiteral("la strada non ha disegnato le otto curve"));
    for (const Schermo *schermo : std::initializer_list<const Schermo *>{&app::Form2(), &app::Form3(), &app::Form4()})
        if (!schermo->isMaximized())
            fallita(schermo->objectName() + QStringLiteral(" non è massimizzato"));
    misure::riferisciEdEsci(misure::orologioNs());
}

void sorveglia()
{
    // Installed as the application object is made, before main() creates any screen.
    const QString modo = QCoreApplication::arguments().value(1);
    if (modo == QStringLiteral("avvio"))
        QCoreApplication::instance()->installEventFilter(new misure::PrimoDipinto(QStringLiteral("Form1")));
    else if (modo == QStringLiteral("strada"))
        QTimer::singleShot(0, &strada); // once main() has shown the opening screen
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(sorveglia)
