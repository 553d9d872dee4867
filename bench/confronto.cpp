// SPDX-License-Identifier: GPL-3.0-or-later
#include "confronto.h"

#include <cmath>
#include <cstdio>

void Confronto::ReportRuns(const std::vector<Run> &corse)
{
    ConsoleReporter::ReportRuns(corse);
    for (const Run &corsa : corse) {
        if (corsa.run_type != Run::RT_Iteration || corsa.error_occurred)
            continue;
        const std::string &nome = corsa.run_name.function_name;
        // Every figure in microseconds, whatever unit it was shown in.
        m_tempi[nome] = corsa.GetAdjustedRealTime() * 1e6 / benchmark::GetTimeUnitMultiplier(corsa.time_unit);
        auto c = corsa.counters.find("picco_kB");
        if (c != corsa.counters.end())
            m_picchi[nome] = c->second.value;
    }
}

void Confronto::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %12s %12s %8s %8s\n", "figure / floor", "figure", "floor", "ratio", "target");
    riga("Form4 activation / arithmetic + fill", tempo("Form4_Attivazione"),
         tempo("Curva_Aritmetica") + tempo("Curva_Riempimento"), 2, "us");
    riga("Form2 scroll change / arithmetic + fill", tempo("Form2_Scorrimento"),
         tempo("Anello_Aritmetica") + tempo("Anello_Riempimento"), 2, "us");
    riga("start-up / bare window", tempo("Avvio_Ordelio") / 1000, tempo("Avvio_FinestraNuda") / 1000, 1.5, "ms");
    riga("peak memory / bare window (MiB)", picco("Memoria_Strada") / 1024, picco("Memoria_FinestraNuda") / 1024, 2,
         "MiB");
    std::printf("(start-up of a bare window with one button: %.1f ms)\n", tempo("Avvio_FinestraConPulsante") / 1000);
    std::printf("(Form4 activation with its repaint: %.0f us; Form2 scroll change with its repaint: %.0f us)\n",
                tempo("Form4_AttivazioneERidisegno"), tempo("Form2_ScorrimentoERidisegno"));
    if (!completo())
        std::printf("MISSING figures:%s\n", m_mancanti.c_str());
}

double Confronto::tempo(const std::string &nome)
{
    return cerca(m_tempi, nome);
}

double Confronto::picco(const std::string &nome)
{
    return cerca(m_picchi, nome);
}

double Confronto::cerca(const std::map<std::string, double> &figure, const std::string &nome)
{
    const auto figura = figure.find(nome);
    if (figura != figure.end())
        return figura->second;
    m_mancanti += ' ' + nome;
    return NAN;
}

void Confronto::riga(const char *nome, double figura, double pavimento, double obiettivo, const char *unita)
{
    const double rapporto = figura / pavimento;
    std::printf("%-44s %9.1f %-2s %9.1f %-2s %7.2fx %7.1fx %s\n", nome, figura, unita, pavimento, unita, rapporto,
                obiettivo, rapporto <= obiettivo ? "ok" : "MISSED");
}
