// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing handlers, timed in this process, and the memory of a long session.

#include "banco.h"

#include "app/schermi.h"
#include "screens/constants/form3.h"

#include <QCoreApplication>
#include <QFile>

#include <functional>

#include <unistd.h>

using namespace banco;

namespace {

// Times the handler on its screen; with `ridisegno`, each run followed by the one
// repaint of the whole maximized window that follows it: what the user waits for.
void cronometra(benchmark::State &stato, Schermo &schermo, const std::function<void()> &gestore, bool ridisegno)
{
    if (inFallo(stato, schermo))
        return;
    for (auto _ : stato) {
        gestore();
        if (ridisegno)
            schermo.repaint();
    }
}

void Form4_Attivazione(benchmark::State &stato)
{
    Form4 &plot = mostraForm4();
    cronometra(
        stato, plot, [&] { plot.Form_Activate(); }, false);
}
BENCHMARK(Form4_Attivazione)->Unit(benchmark::kMicrosecond);

void Form4_AttivazioneERidisegno(benchmark::State &stato)
{
    Form4 &plot = mostraForm4();
    cronometra(
        stato, plot, [&] { plot.Form_Activate(); }, true);
}
BENCHMARK(Form4_AttivazioneERidisegno)->Unit(benchmark::kMicrosecond);

// The bar stays at 3, so the factor never goes down and nothing is cleared.
void Form2_Scorrimento(benchmark::State &stato)
{
    Form2 &calibrazione = mostraForm2();
    cronometra(
        stato, calibrazione, [&] { calibrazione.HScroll1_Change(); }, false);
}
BENCHMARK(Form2_Scorrimento)->Unit(benchmark::kMicrosecond);

void Form2_ScorrimentoERidisegno(benchmark::State &stato)
{
    Form2 &calibrazione = mostraForm2();
    cronometra(
        stato, calibrazione, [&] { calibrazione.HScroll1_Change(); }, true);
}
BENCHMARK(Form2_ScorrimentoERidisegno)->Unit(benchmark::kMicrosecond);

// A long session: ten thousand curves, each activation of the plot followed by one of
// the constants screen. The figure is how much resident memory the last thousand hold
// beyond the first thousand: every curve goes into the same retained image.
long residenteKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

void Memoria_DiecimilaCurve(benchmark::State &stato)
{
    Form4 &plot = mostraForm4();
    if (inFallo(stato, plot))
        return;
    long primo = 0, ultimo = 0;
    for (auto _ : stato) {
        for (int i = 1; i <= 10000; ++i) {
            plot.Form_Activate();
            app::Form3().Form_Activate();
            if (i % 100 == 0)
                QCoreApplication::processEvents(); // paints, as the event loop would
            if (i % 50 == 0 && i <= 1000)
                primo = std::max(primo, residenteKb());
            if (i % 50 == 0 && i > 9000)
                ultimo = std::max(ultimo, residenteKb());
        }
    }
    stato.counters["crescita_kB"] = double(ultimo - primo);
    stato.counters["colore"] = app::Form3().Miocolor;
}
BENCHMARK(Memoria_DiecimilaCurve)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
