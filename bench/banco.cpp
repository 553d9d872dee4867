// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco.h"

#include "app/schermi.h"
#include "screens/constants/form3.h"
#include "surface/barra.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace banco {

namespace {

void attendiAttivo(const Schermo &schermo)
{
    QDeadlineTimer scadenza(5000);
    while ((!schermo.isActiveWindow() || schermo.size() != QSize(Larghezza, Altezza)) && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

} // namespace

Form4 &mostraForm4()
{
    app::Form2().Incr = Incr;
    Form3 &costanti = app::Form3();
    costanti.VALa = 20.0;
    costanti.VALb = 15.0;
    costanti.VALc = 10.0;
    costanti.VALd = 5.0;
    costanti.VALe = 2.0;
    Form4 &plot = app::Form4();
    if (!plot.isVisible()) {
        plot.Show();
        attendiAttivo(plot);
    }
    return plot;
}

Form2 &mostraForm2()
{
    Form2 &calibrazione = app::Form2();
    if (!calibrazione.isVisible()) {
        calibrazione.Show();
        attendiAttivo(calibrazione);
        calibrazione.HScroll1->setValue(3); // runs the handler once: factor 0.57
    }
    return calibrazione;
}

bool inFallo(benchmark::State &stato, const Schermo &schermo)
{
    if (schermo.size() == QSize(Larghezza, Altezza))
        return false;
    stato.SkipWithError(
        qPrintable(QStringLiteral("%1 non è di %2x%3").arg(schermo.objectName()).arg(Larghezza).arg(Altezza)));
    return true;
}

} // namespace banco
