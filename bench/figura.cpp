// SPDX-License-Identifier: GPL-3.0-or-later
// The figure taken out of the plot and the animation of how a curve is made, each
// figure beside its target, on the same offscreen 1920 by 1080 screen as the other
// figures: one frame of the animation against the 2 ms that 60 frames a second
// allow, copying and saving the PNG against 50 ms, the PDF against 200 ms.

#include "esegui.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <map>

namespace {

constexpr int Larghezza = 1920, Altezza = 1080;

// Form4 maximized with the seven curves of a lesson, one in each colour of "AVANTI".
Form4 *preparaForm4(benchmark::State &stato)
{
    app::Form2().Incr = 0.57;
    Form3 &costanti = app::Form3();
    Form4 &plot = app::Form4();
    if (!plot.isVisible()) {
        costanti.VALa = 20.0, costanti.VALb = 15.0, costanti.VALc = 10.0, costanti.VALd = 5.0, costanti.VALe = 2.0;
        plot.Show();
        QDeadlineTimer scadenza(5000);
        while ((!plot.isActiveWindow() || plot.size() != QSize(Larghezza, Altezza)) && !scadenza.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (int d = 3; d <= 8; ++d) {
            costanti.VALe = double(d);
            plot.Form_Activate();
        }
        QCoreApplication::processEvents();
    }
    if (plot.size() != QSize(Larghezza, Altezza) || plot.figura().tracciati().size() != 7) {
        stato.SkipWithError("Form4 non è di 1920x1080 con sette curve");
        return nullptr;
    }
    return &plot;
}

// One frame: the point a degree on, the overlay painted over the retained image in
// the part of the window that changed, as the event loop paints it.
void Animazione_Fotogramma(benchmark::State &stato)
{
    Form4 *plot = preparaForm4(stato);
    if (!plot)
        return;
    Animazione &animazione = plot->animazione();
    plot->MostraComeNasce();
    animazione.passo(0); // paused: the loop below sets the pace
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        if (animazione.Alfa() == 360)
            animazione.passo(-360);
        animazione.avanza();
        QCoreApplication::processEvents();
    }
    plot->MostraComeNasce();
    QCoreApplication::processEvents();
}
BENCHMARK(Animazione_Fotogramma)->Unit(benchmark::kMicrosecond);

// Not a target: the same with the whole window painted again, as after an expose.
void Animazione_FotogrammaIntero(benchmark::State &stato)
{
    Form4 *plot = preparaForm4(stato);
    if (!plot)
        return;
    Animazione &animazione = plot->animazione();
    plot->MostraComeNasce();
    animazione.passo(0);
    for (auto _ : stato) {
        if (animazione.Alfa() == 360)
            animazione.passo(-360);
        animazione.avanza();
        plot->repaint();
    }
    plot->MostraComeNasce();
    QCoreApplication::processEvents();
}
BENCHMARK(Animazione_FotogrammaIntero)->Unit(benchmark::kMicrosecond);

void Figura_Copia(benchmark::State &stato)
{
    Form4 *plot = preparaForm4(stato);
    if (!plot)
        return;
    for (auto _ : stato)
        plot->CopiaLaFigura();
}
BENCHMARK(Figura_Copia)->Unit(benchmark::kMillisecond);

void salva(benchmark::State &stato, const char *nome)
{
    Form4 *plot = preparaForm4(stato);
    QTemporaryDir cartella;
    if (!plot)
        return;
    for (auto _ : stato)
        if (!plot->SalvaLaFiguraIn(cartella.filePath(QString::fromUtf8(nome)))) {
            stato.SkipWithError("il file non è stato scritto");
            return;
        }
}

void Figura_SalvaPng(benchmark::State &stato)
{
    salva(stato, "figura.png");
}
BENCHMARK(Figura_SalvaPng)->Unit(benchmark::kMillisecond);

void Figura_SalvaPdf(benchmark::State &stato)
{
    salva(stato, "figura.pdf");
}
BENCHMARK(Figura_SalvaPdf)->Unit(benchmark::kMillisecond);

// Prints the usual table, then each figure against its target.
class Obiettivi : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &corse) override
    {
        ConsoleReporter::ReportRuns(corse);
        for (const Run &corsa : corse)
            if (corsa.run_type == Run::RT_Iteration && !corsa.error_occurred)
                m_ms[corsa.benchmark_name()] =
                    corsa.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(corsa.time_unit);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %10s %10s\n", "figure / target", "figure", "target");
        riga("animation frame (overlay and its repaint)", "Animazione_Fotogramma", 2);
        riga("copy to the clipboard", "Figura_Copia", 50);
        riga("PNG saved", "Figura_SalvaPng", 50);
        riga("PDF saved (seven curves)", "Figura_SalvaPdf", 200);
        std::printf("(animation frame with the whole window painted again: %.2f ms)\n",
                    ms("Animazione_FotogrammaIntero"));
    }

private:
    double ms(const std::string &nome) const
    {
        auto t = m_ms.find(nome);
        return t == m_ms.end() ? NAN : t->second;
    }
    void riga(const char *descrizione, const std::string &nome, double obiettivo) const
    {
        const double figura = ms(nome);
        std::printf("%-44s %7.2f ms %7.0f ms %s\n", descrizione, figura, obiettivo,
                    figura <= obiettivo ? "ok" : "MISSED");
    }

    std::map<std::string, double> m_ms;
};

} // namespace

int main(int argc, char *argv[])
{
    Obiettivi obiettivi;
    return EseguiBanco(argc, argv, obiettivi);
}
