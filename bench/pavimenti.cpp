// SPDX-License-Identifier: GPL-3.0-or-later
// The floors the handlers are judged against: their arithmetic alone, and their dots
// written straight into an image. Every number is read from the screens themselves.

#include "banco.h"

#include "screens/plot/curva.h"
#include "surface/gradi.h"
#include "surface/palette.h"
#include "surface/scala.h"

#include <QImage>

#include <cmath>
#include <vector>

using namespace banco;

namespace {

// CALCOLA's arithmetic alone: the 361 points, the test against the axes and the
// coordinates rounded to floats, nothing drawn.
void Curva_Aritmetica(benchmark::State &stato)
{
    const Form4 &plot = mostraForm4();
    if (inFallo(stato, plot))
        return;
    const float CX = plot.CX, CY = plot.CY;
    for (auto _ : stato) {
        for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
            const Scostamento punto = PuntoCurva(Alfa, GradoInRadianti, 20, 15, 10, 5, 2);
            if (DentroGliAssi(punto, CX, CY)) {
                float x = float(CX + punto.X), y = float(CY + punto.Y);
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
    const Form2 &calibrazione = mostraForm2();
    if (inFallo(stato, calibrazione))
        return;
    const float CX = calibrazione.CX, CY = calibrazione.CY;
    for (auto _ : stato) {
        for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
            const double t = double(GradoInRadianti) * Alfa;
            float x = float(std::cos(t) * double(Form2::R) + CX), y = float(std::sin(t) * double(Form2::R) + CY);
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
        }
    }
}
BENCHMARK(Anello_Aritmetica)->Unit(benchmark::kMicrosecond);

// The same dots as pixel corners of the screen, worked out before the clock starts.
std::vector<QPoint> puntiDellaCurva(const Form4 &plot)
{
    const QSizeF area(Larghezza, Altezza);
    Scala scala;
    scala.setScaleWidth(plot.ScaleWidth(), area);
    scala.setScaleHeight(plot.ScaleHeight(), area);
    std::vector<QPoint> punti;
    for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
        const Scostamento p = PuntoCurva(Alfa, GradoInRadianti, 20, 15, 10, 5, 2);
        const QPointF px = scala.inPixel(float(plot.CX + p.X), float(plot.CY + p.Y), area);
        punti.emplace_back(int(std::round(px.x() - 1)), int(std::round(px.y() - 1)));
    }
    return punti;
}

std::vector<QPoint> puntiDellAnello(const Form2 &calibrazione)
{
    const double suPixelX = Larghezza / double(calibrazione.ScaleWidth());
    const double suPixelY = Altezza / double(calibrazione.ScaleHeight());
    std::vector<QPoint> punti;
    for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
        const double t = double(GradoInRadianti) * Alfa;
        punti.emplace_back(int(std::round(float(std::cos(t) * double(Form2::R) + calibrazione.CX) * suPixelX - 0.5)),
                           int(std::round(float(std::sin(t) * double(Form2::R) + calibrazione.CY) * suPixelY - 0.5)));
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
    const Form4 &plot = mostraForm4();
    if (!inFallo(stato, plot))
        riempi(stato, puntiDellaCurva(plot), 2);
}
BENCHMARK(Curva_Riempimento)->Unit(benchmark::kMicrosecond);

void Anello_Riempimento(benchmark::State &stato)
{
    const Form2 &calibrazione = mostraForm2();
    if (!inFallo(stato, calibrazione))
        riempi(stato, puntiDellAnello(calibrazione), 1);
}
BENCHMARK(Anello_Riempimento)->Unit(benchmark::kMicrosecond);

} // namespace
