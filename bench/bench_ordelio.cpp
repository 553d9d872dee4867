// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the program, each figure side by side with the floor it is
// judged against, in one run. The drawing handlers run in this process on an
// offscreen 1920 by 1080 screen; start-up and peak memory are taken from separate
// helper processes, the program's against a bare Qt window's.

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "surface/barra.h"
#include "screens/constants/form3.h"
#include "screens/plot/curva.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"
#include "surface/scala.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QScrollBar>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int Larghezza = 1920, Altezza = 1080;
constexpr double Incr = 0.57; // the bar at 3: the closest factor to 1080 / 1920

// The values the plot screen works with at this factor and size (checked against the
// screen itself in mostraForm4).
constexpr float P1 = 3.1415927f / 180;
constexpr float CX4 = 110, CY4 = 57, AltezzaUtente4 = 114;

void attendiAttivo(const Schermo &schermo)
{
    QDeadlineTimer scadenza(5000);
    while ((!schermo.isActiveWindow() || schermo.size() != QSize(Larghezza, Altezza)) && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

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
    stato.SkipWithError(qPrintable(QStringLiteral("%1 non è di %2x%3").arg(schermo.objectName()).arg(Larghezza).arg(Altezza)));
    return true;
}

// ---- The handlers ---------------------------------------------------------------

void Form4_Attivazione(benchmark::State &stato)
{
    Form4 &plot = mostraForm4();
    if (inFallo(stato, plot))
        return;
    plot.Form_Activate();
    if (plot.CX != CX4 || plot.CY != CY4 || plot.ScaleHeight() != AltezzaUtente4) {
        stato.SkipWithError("la scala di Form4 non è quella attesa");
        return;
    }
    for (auto _ : stato)
        plot.Form_Activate();
}
BENCHMARK(Form4_Attivazione)->Unit(benchmark::kMicrosecond);

// The handler and the one repaint of the whole maximized window that follows it:
// what the user waits for.
void Form4_AttivazioneERidisegno(benchmark::State &stato)
{
    Form4 &plot = mostraForm4();
    if (inFallo(stato, plot))
        return;
    for (auto _ : stato) {
        plot.Form_Activate();
        plot.repaint();
    }
}
BENCHMARK(Form4_AttivazioneERidisegno)->Unit(benchmark::kMicrosecond);

void Form2_Scorrimento(benchmark::State &stato)
{
    Form2 &calibrazione = mostraForm2();
    if (inFallo(stato, calibrazione))
        return;
    // The bar stays at 3, so the factor never goes down and nothing is cleared.
    for (auto _ : stato)
        calibrazione.HScroll1_Change();
}
BENCHMARK(Form2_Scorrimento)->Unit(benchmark::kMicrosecond);

void Form2_ScorrimentoERidisegno(benchmark::State &stato)
{
    Form2 &calibrazione = mostraForm2();
    if (inFallo(stato, calibrazione))
        return;
    for (auto _ : stato) {
        calibrazione.HScroll1_Change();
        calibrazione.repaint();
    }
}
BENCHMARK(Form2_ScorrimentoERidisegno)->Unit(benchmark::kMicrosecond);

// ---- The floors -----------------------------------------------------------------

// CALCOLA's arithmetic alone: the 361 points, the test against the axes and the
// coordinates rounded to floats, nothing drawn.
void Curva_Aritmetica(benchmark::State &stato)
{
    for (auto _ : stato) {
        for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
            const Scostamento punto = PuntoCurva(Alfa, P1, 20, 15, 10, 5, 2);
            if (DentroGliAssi(punto, CX4, CY4)) {
                float x = float(CX4 + punto.X), y = float(CY4 + punto.Y);
                benchmark::DoNotOptimize(x);
                benchmark::DoNotOptimize(y);
            }
        }
    }
}
BENCHMARK(Curva_Aritmetica)->Unit(benchmark::kMicrosecond);

// The calibration ring's arithmetic alone: 3600 dots, nothing drawn.
void Anello_Aritmetica(benchmark::State &stato)
{
    const float R = 36367.363f, CX = 93183.6796875f, CY = float(146367.36f * Incr / 2);
    for (auto _ : stato) {
        for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
            const double t = double(P1) * Alfa;
            float x = float(std::cos(t) * double(R) + CX), y = float(std::sin(t) * double(R) + CY);
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
        }
    }
}
BENCHMARK(Anello_Aritmetica)->Unit(benchmark::kMicrosecond);

// The same dots as pixel corners of a 1920 by 1080 area, worked out before the clock
// starts.
std::vector<QPoint> puntiDellaCurva()
{
    const Scala scala = [] {
        Scala s;
        s.setScaleWidth(200, QSizeF(Larghezza, Altezza));
        s.setScaleHeight(AltezzaUtente4, QSizeF(Larghezza, Altezza));
        return s;
    }();
    std::vector<QPoint> punti;
    for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
        const Scostamento p = PuntoCurva(Alfa, P1, 20, 15, 10, 5, 2);
        const QPointF px = scala.inPixel(float(CX4 + p.X), float(CY4 + p.Y), QSizeF(Larghezza, Altezza));
        punti.emplace_back(int(std::round(px.x() - 1)), int(std::round(px.y() - 1)));
    }
    return punti;
}

std::vector<QPoint> puntiDellAnello()
{
    const float R = 36367.363f, CX = 93183.6796875f, CY = float(146367.36f * Incr / 2);
    const double suPixelX = Larghezza / 146367.359375, suPixelY = Altezza / (146367.359375 * Incr);
    std::vector<QPoint> punti;
    for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
        const double t = double(P1) * Alfa;
        punti.emplace_back(int(std::round(float(std::cos(t) * double(R) + CX) * suPixelX - 0.5)),
                           int(std::round(float(std::sin(t) * double(R) + CY) * suPixelY - 0.5)));
    }
    return punti;
}

// Square dots written straight into the pixels of an image, nothing else.
void riempi(benchmark::State &stato, const std::vector<QPoint> &punti, int lato)
{
    QImage immagine(Larghezza, Altezza, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    const QRgb colore = QBColor(4).rgba();
    for (auto _ : stato) {
        for (const QPoint &p : punti)
            for (int y = p.y(); y < p.y() + lato; ++y) {
                auto *riga = reinterpret_cast<QRgb *>(immagine.scanLine(y));
                std::fill(riga + p.x(), riga + p.x() + lato, colore);
            }
        benchmark::ClobberMemory();
    }
}

void Curva_Riempimento(benchmark::State &stato)
{
    riempi(stato, puntiDellaCurva(), 2);
}
BENCHMARK(Curva_Riempimento)->Unit(benchmark::kMicrosecond);

void Anello_Riempimento(benchmark::State &stato)
{
    riempi(stato, puntiDellAnello(), 1);
}
BENCHMARK(Anello_Riempimento)->Unit(benchmark::kMicrosecond);

// ---- Start-up and memory, from helper processes ---------------------------------

struct Rapporto
{
    long long dipintoNs = -1;
    long long piccoKb = -1;
};

// Launches a helper and reads its one-line report; `avvioNs` is when it was launched.
bool lancia(const char *programma, std::vector<std::string> argomenti, Rapporto &rapporto, long long &avvioNs,
            std::string &errore)
{
    int tubo[2];
    if (pipe(tubo) != 0) {
        errore = "pipe";
        return false;
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    std::vector<char *> argv{const_cast<char *>(programma)};
    for (std::string &a : argomenti)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    avvioNs = t.tv_sec * 1000000000LL + t.tv_nsec;
    pid_t figlio = 0;
    const int esito = posix_spawn(&figlio, programma, &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (esito != 0) {
        close(tubo[0]);
        errore = std::string("avvio di ") + programma + ": " + std::strerror(esito);
        return false;
    }
    std::string uscita;
    char blocco[256];
    for (ssize_t letti; (letti = read(tubo[0], blocco, sizeof blocco)) > 0;)
        uscita.append(blocco, size_t(letti));
    close(tubo[0]);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0
        || std::sscanf(uscita.c_str(), "dipinto_ns=%lld picco_kB=%lld", &rapporto.dipintoNs, &rapporto.piccoKb) != 2) {
        errore = std::string(programma) + " non ha riferito: " + uscita;
        return false;
    }
    return true;
}

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

// ---- The ratios -----------------------------------------------------------------

// Prints the usual table, then each figure against its floor and its target.
class Confronto : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &corse) override
    {
        ConsoleReporter::ReportRuns(corse);
        for (const Run &corsa : corse) {
            if (corsa.run_type != Run::RT_Iteration || corsa.error_occurred)
                continue;
            // Every figure in microseconds, whatever unit it was shown in.
            m_tempi[corsa.benchmark_name()] = corsa.GetAdjustedRealTime() * 1e6 / benchmark::GetTimeUnitMultiplier(corsa.time_unit);
            auto c = corsa.counters.find("picco_kB");
            if (c != corsa.counters.end())
                m_picchi[corsa.benchmark_name()] = c->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %12s %12s %8s %8s\n", "figure / floor", "figure", "floor", "ratio", "target");
        riga("Form4 activation / arithmetic + fill", tempo("Form4_Attivazione"),
             tempo("Curva_Aritmetica") + tempo("Curva_Riempimento"), 2, "us");
        riga("Form2 scroll change / arithmetic + fill", tempo("Form2_Scorrimento"),
             tempo("Anello_Aritmetica") + tempo("Anello_Riempimento"), 2, "us");
        riga("start-up / bare window", tempo("Avvio_Ordelio/iterations:20/manual_time") / 1000,
             tempo("Avvio_FinestraNuda/iterations:20/manual_time") / 1000, 1.5, "ms");
        riga("peak memory / bare window (MiB)", picco("Memoria_Strada/iterations:3") / 1024,
             picco("Memoria_FinestraNuda/iterations:3") / 1024, 2, "MiB");
        std::printf("(start-up of a bare window with one button: %.1f ms)\n",
                    tempo("Avvio_FinestraConPulsante/iterations:20/manual_time") / 1000);
        std::printf("(Form4 activation with its repaint: %.0f us; Form2 scroll change with its repaint: %.0f us)\n",
                    tempo("Form4_AttivazioneERidisegno"), tempo("Form2_ScorrimentoERidisegno"));
    }

private:
    double tempo(const std::string &nome) const
    {
        auto t = m_tempi.find(nome);
        return t == m_tempi.end() ? NAN : t->second;
    }
    double picco(const std::string &nome) const
    {
        auto p = m_picchi.find(nome);
        return p == m_picchi.end() ? NAN : p->second;
    }
    static void riga(const char *nome, double figura, double pavimento, double obiettivo, const char *unita)
    {
        const double rapporto = figura / pavimento;
        std::printf("%-44s %9.1f %-2s %9.1f %-2s %7.2fx %7.1fx %s\n", nome, figura, unita, pavimento, unita, rapporto,
                    obiettivo, rapporto <= obiettivo ? "ok" : "MISSED");
    }

    std::map<std::string, double> m_tempi;
    std::map<std::string, double> m_picchi;
};

} // namespace

int main(int argc, char *argv[])
{
    // The screen the figures are taken on, for this process and the helpers it starts.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORDELIO_SCHERMO_BENCH, 1);
    // The offscreen platform's notes on what it cannot do would bury the figures.
    setenv("QT_LOGGING_RULES", "default.warning=false;qt.qpa.*.warning=false", 1);
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Confronto confronto;
    benchmark::RunSpecifiedBenchmarks(&confronto);
    benchmark::Shutdown();
    app::ChiudiSchermi();
    return 0;
}
