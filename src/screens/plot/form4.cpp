// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/form4.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/curva.h"
#include "surface/controlli.h"
#include "surface/gradi.h"
#include "surface/numeri.h"
#include "surface/palette.h"
#include "surface/pulsante.h"
#include "surface/twips.h"

namespace {

// The plot in user units: 200 across, the vertical axis 10 right of the middle.
constexpr float Larghezza = 200;
constexpr float Spostamento = 10;

} // namespace

Form4::Form4() : Schermo(QStringLiteral("Form4"), Twips(0, 0, 10605, 6780).size(), Apertura::Massimizzata)
{
    setAccessibleDescription(QStringLiteral("Grafico delle curve"));
    Command3 = Crea<Pulsante>(QStringLiteral("ESCI"), this, Twips(960, 1800, 1695, 615));
    Command2 = Crea<Pulsante>(QStringLiteral("Cancella e riprendi"), this, Twips(3000, 720, 1695, 615));
    Command1 = Crea<Pulsante>(QStringLiteral("RIPRENDI"), this, Twips(960, 720, 1695, 615));
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Command1);
    Command3->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
}

void Form4::Form_Activate()
{
    P1 = GradoInRadianti;
    const ::Form3 &costanti = app::Form3();
    Va = costanti.VALa;
    Vb = costanti.VALb;
    Vc = costanti.VALc;
    Vd = costanti.VALd;
    Ve = costanti.VALe;
    setScaleMode(Scala::Centimetri);
    setDrawWidth(2);
    std::tie(CX, CY) = ScalaEAssi(Larghezza, app::Form2().Incr.value_or(0), Spostamento);
    CALCOLA();
}

void Form4::CALCOLA()
{
    // A box rejected since the last "AVANTI" leaves no number to draw with: this
    // activation draws the axes only, and the next accepted "AVANTI" draws again.
    const double *a = std::get_if<double>(&Va), *b = std::get_if<double>(&Vb), *c = std::get_if<double>(&Vc),
                 *d = std::get_if<double>(&Vd), *e = std::get_if<double>(&Ve);
    if (!a || !b || !c || !d || !e)
        return;

    ::Form3 &costanti = app::Form3();
    costanti.Miocolor = ColoreSeguente(costanti.Miocolor);
    const QColor colore = QBColor(costanti.Miocolor);
    int dentro = 0;
    for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
        const Scostamento punto = PuntoCurva(Alfa, P1, *a, *b, *c, *d, *e);
        if (DentroGliAssi(punto, CX, CY)) {
            PSet(float(CX + punto.X), float(CY + punto.Y), colore);
            ++dentro;
        }
    }
    ++m_curve;
    DescriviCurve(dentro);
}

void Form4::DescriviCurve(int dentro)
{
    const QString curve = m_curve == 1 ? QStringLiteral("1 curva") : QStringLiteral("%1 curve").arg(m_curve);
    const auto n = [](const Costante &v) { return Numeri::Testo(std::get<double>(v)); };
    DescriviFigura(QStringLiteral("%1; l'ultima in %2: A %3 e %4, B %5 e %6, d %7; %8 punti su 361 dentro gli assi")
                       .arg(curve, NomeColore(app::Form3().Miocolor), n(Va), n(Vb), n(Vc), n(Vd), n(Ve))
                       .arg(dentro));
}

void Form4::Command1_Click()
{
    app::Form3().Show();
}

void Form4::Command2_Click()
{
    Cls();
    NessunaCurva();
    app::Form3().Show();
}

void Form4::closeEvent(QCloseEvent *evento)
{
    // Closed from its window, the screen loses its drawing, curves and count alike.
    NessunaCurva();
    Schermo::closeEvent(evento);
}

void Form4::NessunaCurva()
{
    m_curve = 0;
    DescriviFigura(QStringLiteral("Nessuna curva"));
}

void Form4::Command3_Click()
{
    End();
}
