// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the program, each figure beside its goal, in one run on an
// offscreen 1920 by 1080 screen: the drawing handlers against their floors, the figure
// out of the plot and the animation against their times, start-up and peak memory
// (from helper processes) against a bare Qt window. Exits 1 if any figure misses its
// goal or is missing.

#include "misure.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"
#include "surface/barra.h"
#include "surface/gradi.h"
#include "surface/palette.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr int Larghezza = 1920, Altezza = 1080;
const CostantiCurva Tipiche{20, 15, 10, 5, 2, 0};

// The screen shown, if it is not yet, active and at the screen's size; null, with the
// benchmark failed, if it is not. `prima` runs the first time it is shown.
template <typename Schermata>
Schermata *mostra(benchmark::State &stato, Schermata &s, void (*prima)(Schermata &))
{
    if (!s.isVisible()) {
        s.Show();
        QDeadlineTimer scadenza(5000);
        while ((!s.isActiveWindow() || s.size() != QSize(Larghezza, Altezza)) && !scadenza.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        prima(s);
        QCoreApplication::processEvents();
    }
    if (s.size() == QSize(Larghezza, Altezza))
        return &s;
    stato.SkipWithError(qPrintable(s.objectName() + QStringLiteral(" non è di 1920x1080")));
    return nullptr;
}

// The plot with the typical constants, the calibration bar at 3 (factor 0.57). The first
// time it draws the seven curves of a lesson, one in each colour of "AVANTI".
Form4 *plot(benchmark::State &stato)
{
    app::Form2().Incr = 0.57;
    Form3 &c = app::Form3();
    c.VALa = Tipiche.Va, c.VALb = Tipiche.Vb, c.VALc = Tipiche.Vc, c.VALd = Tipiche.Vd, c.VALe = Tipiche.Ve;
    Form4 *f = mostra<Form4>(stato, app::Form4(), [](Form4 &f) {
        for (int d = 3; d <= 8; ++d) {
            app::Form3().VALe = double(d);
            f.Form_Activate();
        }
        app::Form3().VALe = Tipiche.Ve;
    });
    return f;
}

Form2 *calibrazione(benchmark::State &stato)
{
    return mostra<Form2>(stato, app::Form2(), [](Form2 &f) { f.HScroll1->setValue(3); }); // factor 0.57
}

// One frame of the animation: the point a degree on, the overlay painted over the
// retained image; `intero` paints the whole window, as after an expose.
void fotogramma(benchmark::State &stato, bool intero)
{
    Form4 *f = plot(stato);
    if (!f || f->tracciati().elenco().size() != 7)
        return stato.SkipWithError("Form4 non ha le sette curve");
    Animazione &animazione = f->animazione();
    f->MostraComeNasce();
    animazione.passo(0); // paused: the loop sets the pace
    QCoreApplication::processEvents();
    for (auto _ : stato) {
        if (animazione.Alfa() == 360)
            animazione.passo(-360);
        animazione.avanza();
        intero ? f->repaint() : QCoreApplication::processEvents();
    }
    f->MostraComeNasce();
    QCoreApplication::processEvents();
}

void salva(benchmark::State &stato, const char *nome)
{
    QTemporaryDir cartella;
    if (Form4 *f = plot(stato))
        for (auto _ : stato)
            if (!f->SalvaLaFiguraIn(cartella.filePath(QString::fromUtf8(nome))))
                return stato.SkipWithError("il file non è stato scritto");
}

// A handler on its screen; with `ridisegno`, each run followed by the one repaint of the
// whole maximized window that comes after it: what the user waits for. The bar stays at
// 3, so the factor never goes down and nothing is cleared.
template <typename Schermata>
void gestore(benchmark::State &stato, Schermata *(*schermo)(benchmark::State &), void (Schermata::*g)(), bool ridisegno)
{
    if (Schermata *s = schermo(stato))
        for (auto _ : stato) {
            (s->*g)();
            if (ridisegno)
                s->repaint();
        }
}

// The floors: the handlers' arithmetic alone (the plot's point rule, the ring's), and
// their dots written straight into an image, 2 by 2 pixels for the curve and 1 for the
// ring, as the screens draw them. Every number is read from the screens before the clock.
template <typename Dove>
void perOgniPunto(bool curva, float CX, float CY, const Dove &dove)
{
    if (curva)
        for (int Alfa = 0; Alfa <= 360; ++Alfa) {
            if (const PuntoCurva p = Punto(std::int16_t(Alfa), GradoInRadianti, Tipiche, CX, CY); p.dentro)
                dove(p.x, p.y);
        }
    else
        for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
            const double t = double(GradoInRadianti) * Alfa;
            dove(float(std::cos(t) * double(Form2::R) + CX), float(std::sin(t) * double(Form2::R) + CY));
        }
}

void pavimento(benchmark::State &stato, bool curva, bool riempimento)
{
    const Schermo *s = curva ? static_cast<Schermo *>(plot(stato)) : calibrazione(stato);
    if (!s)
        return;
    const float CX = curva ? app::Form4().CX : app::Form2().CX, CY = curva ? app::Form4().CY : app::Form2().CY;
    if (!riempimento) {
        for (auto _ : stato)
            perOgniPunto(curva, CX, CY, [](float x, float y) {
                benchmark::DoNotOptimize(x);
                benchmark::DoNotOptimize(y);
            });
        return;
    }
    const int lato = curva ? 2 : 1;
    std::vector<QPoint> angoli; // the dots' top-left pixels
    perOgniPunto(curva, CX, CY, [&](float x, float y) {
        angoli.emplace_back(int(std::round(double(x) * Larghezza / double(s->ScaleWidth()) - lato / 2.0)),
                            int(std::round(double(y) * Altezza / double(s->ScaleHeight()) - lato / 2.0)));
    });
    QImage immagine(Larghezza, Altezza, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    const QRgb colore = QBColor(4).rgba();
    for (auto _ : stato) {
        for (const QPoint &p : angoli)
            for (int y = p.y(); y < p.y() + lato; ++y)
                std::fill_n(reinterpret_cast<QRgb *>(immagine.scanLine(y)) + p.x(), lato, colore);
        benchmark::ClobberMemory();
    }
}

// A long session: ten thousand curves, each activation of the plot followed by one of the
// constants screen. The figure is how much more resident memory the last thousand hold
// than the first thousand: every curve goes into the same retained image.
void diecimilaCurve(benchmark::State &stato)
{
    Form4 *f = plot(stato);
    long long primo = 0, ultimo = 0;
    for (auto _ : stato)
        for (int i = 1; f && i <= 10000; ++i) {
            f->Form_Activate();
            app::Form3().Form_Activate();
            if (i % 100 == 0)
                QCoreApplication::processEvents(); // paints, as the event loop would
            if (i % 50 == 0 && (i <= 1000 || i > 9000))
                (i <= 1000 ? primo : ultimo) = std::max(i <= 1000 ? primo : ultimo, misure::statoKb("VmRSS:"));
        }
    stato.counters["valore"] = double(ultimo - primo);
}

// A helper's start-up to its first paint, from one launch to its report, after one launch
// that warms the file cache; or (`picco`) its peak memory.
void aiutante(benchmark::State &stato, const char *programma, const char *modo, bool picco)
{
    QProcess processo;
    long long dipintoNs = 0, piccoKb = 0, massimo = 0;
    const auto lancia = [&] {
        const long long avvioNs = misure::orologioNs();
        processo.start(QString::fromUtf8(programma), {QString::fromUtf8(modo)});
        if (processo.waitForFinished(60000) && processo.exitCode() == 0
            && std::sscanf(processo.readAllStandardOutput().constData(), "dipinto_ns=%lld picco_kB=%lld", &dipintoNs,
                           &piccoKb)
                   == 2) {
            massimo = std::max(massimo, piccoKb);
            return double(dipintoNs - avvioNs) / 1e9;
        }
        stato.SkipWithError((programma + (": " + processo.readAllStandardError())).constData());
        return -1.0;
    };
    if (!picco && lancia() < 0)
        return;
    for (auto _ : stato)
        if (const double secondi = lancia(); secondi < 0)
            return;
        else if (!picco)
            stato.SetIterationTime(secondi);
    if (picco)
        stato.counters["valore"] = double(massimo);
}

// Prints the usual table, then each figure beside its goal: a multiple of its floors, or
// a time. Every figure is in milliseconds, or in kB when it is memory.
class Obiettivi : public benchmark::ConsoleReporter
{
public:
    bool riuscito = true;

    void ReportRuns(const std::vector<Run> &corse) override
    {
        ConsoleReporter::ReportRuns(corse);
        for (const Run &c : corse)
            if (c.run_type == Run::RT_Iteration && !c.error_occurred)
                m_figure[c.run_name.function_name] =
                    c.counters.contains("valore")
                        ? c.counters.at("valore").value
                        : c.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(c.time_unit);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-46s %10s %10s %8s %8s\n", "figure", "measured", "floor", "ratio", "goal");
        riga("Form4 activation / arithmetic + fill (ms)", "Form4_Attivazione",
             {"Curva_Aritmetica", "Curva_Riempimento"}, 2);
        riga("Form2 scroll change / arithmetic + fill (ms)", "Form2_Scorrimento",
             {"Anello_Aritmetica", "Anello_Riempimento"}, 2);
        riga("start-up to Form1 painted / bare window (ms)", "Avvio_Ordelio", {"Avvio_FinestraNuda"}, 1.5);
        riga("peak memory after the road / bare window (kB)", "Memoria_Strada", {"Memoria_FinestraNuda"}, 2);
        riga("animation frame (ms)", "Animazione_Fotogramma", {}, 2);
        riga("copy to the clipboard (ms)", "Figura_Copia", {}, 50);
        riga("PNG saved (ms)", "Figura_SalvaPng", {}, 50);
        riga("PDF saved, seven curves (ms)", "Figura_SalvaPdf", {}, 200);
        // Figures the performance notes quote without a goal of their own.
        riga("Form4 activation and its repaint (ms)", "Form4_AttivazioneERidisegno", {}, 0);
        riga("Form2 scroll change and its repaint (ms)", "Form2_ScorrimentoERidisegno", {}, 0);
        riga("animation frame, whole window (ms)", "Animazione_FotogrammaIntero", {}, 0);
        riga("start-up, bare window with a button (ms)", "Avvio_FinestraConPulsante", {}, 0);
        riga("growth over ten thousand curves (kB)", "Memoria_DiecimilaCurve", {}, 0);
    }

private:
    double figura(const char *nome) const { return m_figure.contains(nome) ? m_figure.at(nome) : NAN; }

    void riga(const char *cosa, const char *nome, std::initializer_list<const char *> pavimenti, double obiettivo)
    {
        double pavimento = pavimenti.size() ? 0 : 1;
        for (const char *p : pavimenti)
            pavimento += figura(p);
        const double rapporto = figura(nome) / pavimento;
        const char *esito = std::isnan(rapporto) ? "MISSING" : obiettivo > 0 && rapporto > obiettivo ? "MISSED" : "ok";
        riuscito = riuscito && esito[0] == 'o';
        std::printf("%-46s %10.3f ", cosa, figura(nome));
        if (pavimenti.size())
            std::printf("%10.3f %7.2fx %7.1fx %s\n", pavimento, rapporto, obiettivo, esito);
        else
            std::printf("%28s %s\n", obiettivo > 0 ? qPrintable(QString::number(obiettivo)) : "", esito);
    }

    std::map<std::string, double> m_figure;
};

} // namespace

int main(int argc, char *argv[])
{
    // The screen the figures are taken on, for this process and the helpers it starts;
    // the offscreen platform's notes on what it cannot do would bury the figures.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORDELIO_SCHERMO_BENCH, 1);
    setenv("QT_LOGGING_RULES", "default.warning=false;qt.qpa.*.warning=false", 1);
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    using benchmark::kMillisecond, benchmark::kMicrosecond, benchmark::RegisterBenchmark, benchmark::State;
    // In this order: the figure's benchmarks find the seven curves of the first showing.
    RegisterBenchmark("Animazione_Fotogramma", fotogramma, false)->Unit(kMicrosecond);
    RegisterBenchmark("Animazione_FotogrammaIntero", fotogramma, true)->Unit(kMicrosecond);
    RegisterBenchmark("Figura_Copia", [](State &s) {
        if (Form4 *f = plot(s))
            for (auto _ : s)
                f->CopiaLaFigura();
    })->Unit(kMillisecond);
    RegisterBenchmark("Figura_SalvaPng", salva, "figura.png")->Unit(kMillisecond);
    RegisterBenchmark("Figura_SalvaPdf", salva, "figura.pdf")->Unit(kMillisecond);
    for (const bool ridisegno : {false, true}) {
        const std::string e = ridisegno ? "ERidisegno" : "";
        RegisterBenchmark(("Form4_Attivazione" + e).c_str(), gestore<Form4>, plot, &Form4::Form_Activate, ridisegno)
            ->Unit(kMicrosecond);
        RegisterBenchmark(("Form2_Scorrimento" + e).c_str(), gestore<Form2>, calibrazione, &Form2::HScroll1_Change,
                          ridisegno)
            ->Unit(kMicrosecond);
    }
    for (const bool curva : {true, false})
        for (const bool riempimento : {false, true})
            RegisterBenchmark(
                (std::string(curva ? "Curva_" : "Anello_") + (riempimento ? "Riempimento" : "Aritmetica")).c_str(),
                pavimento, curva, riempimento)
                ->Unit(kMicrosecond);
    RegisterBenchmark("Memoria_DiecimilaCurve", diecimilaCurve)->Iterations(1)->Unit(kMillisecond);
    const std::tuple<const char *, const char *, const char *> avvii[] = {
        {"Avvio_Ordelio", ORDELIO_AIUTANTE, "avvio"},
        {"Avvio_FinestraNuda", ORDELIO_FINESTRA_NUDA, ""},
        {"Avvio_FinestraConPulsante", ORDELIO_FINESTRA_NUDA, "pulsante"}};
    for (const auto &[nome, programma, modo] : avvii)
        RegisterBenchmark(nome, aiutante, programma, modo, false)->UseManualTime()->Iterations(20)->Unit(kMillisecond);
    RegisterBenchmark("Memoria_Strada", aiutante, ORDELIO_AIUTANTE, "strada", true)->Iterations(3)->Unit(kMillisecond);
    RegisterBenchmark("Memoria_FinestraNuda", aiutante, ORDELIO_FINESTRA_NUDA, "massimizzata", true)
        ->Iterations(3)
        ->Unit(kMillisecond);
    Obiettivi obiettivi;
    benchmark::RunSpecifiedBenchmarks(&obiettivi);
    benchmark::Shutdown();
    app::ChiudiSchermi();
    return obiettivi.riuscito ? 0 : 1;
}
