// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/calibration/form2.h"

#include "app/schermi.h"
#include "screens/constants/form3.h"
#include "surface/aspetto.h"
#include "surface/barra.h"
#include "surface/controlli.h"
#include "surface/gradi.h"
#include "surface/messaggio.h"
#include "surface/numeri.h"
#include "surface/palette.h"
#include "surface/pulsante.h"
#include "surface/twips.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr double IncrIniziale = 0.51;
constexpr double IncrPerPasso = 0.02;
constexpr double IncrMinimo = 0.53; // the factor must be above this to go on

} // namespace

Form2::Form2() : Schermo(QStringLiteral("Form2"), Twips(0, 0, 9855, 6840).size(), Apertura::Massimizzata)
{
    Label1 = Crea<QLabel>(QStringLiteral("Per calibrare l' impostazione corretta della risoluzione dello SCHERMO"),
                          this, Twips(360, 240, 9135, 495));
    Intestazione(Label1, Peso::Normale);
    setAccessibleDescription(QStringLiteral("Taratura dello schermo"));

    HScroll1 = new BarraOrizzontale(this);
    HScroll1->setGeometry(Twips(480, 1080, 5895, 255));
    HScroll1->setRange(1, 30);
    HScroll1->setValue(1);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setTracking(false); // one change when the thumb is let go, not one per pixel dragged
    HScroll1->setAccessibleName(QStringLiteral("Regolazione del fattore di taratura"));

    Command2 = Crea<Pulsante>(
        QStringLiteral("KLICCARE  sulla barra di scorrimento fino a che la figura  risulti una CIRCONFERENZA"), this,
        Twips(360, 1560, 6255, 735));
    Text1 = Crea<QLineEdit>(QStringLiteral("Text1"), this, Twips(360, 2880, 735, 375));
    Text1->setAccessibleName(QStringLiteral("Fattore di taratura"));
    Command1 = Crea<Pulsante>(QStringLiteral("OK - continua"), this, Twips(3120, 2880, 1575, 615));
    Command3 = Crea<Pulsante>(QStringLiteral("ESCI"), this, Twips(360, 4080, 1695, 615));

    OrdineDiTabulazione({HScroll1, Text1, Command1, Command2, Command3});
    HScroll1->setFocus();

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
}

void Form2::Form_Activate()
{
    P1 = GradoInRadianti;
    Incr = IncrIniziale;
    Text1->setText(Numeri::Testo(*Incr));
    COORDINATE();
    TRACCIA();
}

void Form2::HScroll1_Change()
{
    const double nuovo = std::int16_t(HScroll1->value()) * IncrPerPasso + IncrIniziale;
    if (Incr > nuovo)
        Cls();
    Incr = nuovo;
    Text1->setText(Numeri::Testo(*Incr));
    COORDINATE();
    TRACCIA();
}

void Form2::Command1_Click()
{
    if (Incr > IncrMinimo)
        app::Form3().Show();
    else
        MsgBox(QStringLiteral("Impostare la risoluzione SCHERMO"), this);
}

void Form2::Command3_Click()
{
    End();
}

void Form2::COORDINATE()
{
    setScaleMode(Scala::Utente);
    setDrawWidth(1);
    std::tie(CX, CY) = ScalaEAssi(Larghezza, Incr.value_or(0), Spostamento);
}

void Form2::TRACCIA()
{
    // A running sum of tenths, as the figure has always been drawn: it drifts just
    // above 360 after 3600 steps, so there is no dot at 360 degrees.
    const QColor colore = QBColor(4);
    for (double Alfa = 0; Alfa <= 360; Alfa += 0.1) {
        const double t = double(P1) * Alfa;
        XR = std::cos(t) * double(R);
        YR = std::sin(t) * double(R);
        setDrawWidth(1);
        PSet(float(XR + CX), float(YR + CY), colore);
    }
    DescriviDisegno(QStringLiteral("Anello per il fattore %1").arg(Numeri::Testo(*Incr)));
}
