// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and peak memory, each taken from a helper process that reports one line:
// the program's against a bare Qt window's.

#include "lancio.h"

#include <benchmark/benchmark.h>

namespace {

void avvio(benchmark::State &stato, const char *programma, std::vector<std::string> argomenti = {})
{
    Rapporto rapporto;
    long long avvioNs = 0;
    std::string errore;
    if (!lancia(programma, argomenti, rapporto, avvioNs, errore)) { // warms the file cache
        stato.SkipWithError(errore.c_str());
        return;
    }
    for (auto _ : stato) {
        if (!lancia(programma, argomenti, rapporto, avvioNs, errore)) {
            stato.SkipWithError(errore.c_str());
            return;
        }
        stato.SetIterationTime(double(rapporto.dipintoNs - avvioNs) / 1e9);
    }
}

void Avvio_Ordelio(benchmark::State &stato)
{
    avvio(stato, ORDELIO_AVVIO);
}
BENCHMARK(Avvio_Ordelio)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void Avvio_FinestraNuda(benchmark::State &stato)
{
    avvio(stato, ORDELIO_FINESTRA_NUDA);
}
BENCHMARK(Avvio_FinestraNuda)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Not a floor: the same window with one button, to tell the cost of the first text
// (the font set-up) from the rest of the start-up.
void Avvio_FinestraConPulsante(benchmark::State &stato)
{
    avvio(stato, ORDELIO_FINESTRA_NUDA, {"pulsante"});
}
BENCHMARK(Avvio_FinestraConPulsante)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void picco(benchmark::State &stato, const char *programma, std::vector<std::string> argomenti)
{
    Rapporto rapporto;
    long long avvioNs = 0, massimo = 0;
    std::string errore;
    for (auto _ : stato) {
        if (!lancia(programma, argomenti, rapporto, avvioNs, errore)) {
            stato.SkipWithError(errore.c_str());
            return;
        }
        massimo = std::max(massimo, rapporto.piccoKb);
    }
    stato.counters["picco_kB"] = double(massimo);
}

void Memoria_Strada(benchmark::State &stato)
{
    picco(stato, ORDELIO_STRADA, {});
}
BENCHMARK(Memoria_Strada)->Iterations(3)->Unit(benchmark::kMillisecond);

void Memoria_FinestraNuda(benchmark::State &stato)
{
    picco(stato, ORDELIO_FINESTRA_NUDA, {"massimizzata"});
}
BENCHMARK(Memoria_FinestraNuda)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
