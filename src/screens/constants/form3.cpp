// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/constants/form3.h"

#include "app/schermi.h"
#include "screens/plot/form4.h"
#include "surface/aspetto.h"
#include "surface/controlli.h"
#include "surface/messaggio.h"
#include "surface/numeri.h"
#include "surface/pulsante.h"
#include "surface/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);

} // namespace

Form3::Form3() : Schermo(QStringLiteral("Form3"), Twips(0, 0, 10605, 7245).size(), Apertura::Massimizzata)
{
    Label1 = Crea<QLabel>(QStringLiteral("IMPOSTARE I VALORI DELLE COSTANTI"), this, Twips(1800, 360, 6135, 375));
    Intestazione(Label1, Peso::Grassetto);

    Frame1 = Crea<QGroupBox>(QStringLiteral("ELLISSE A"), this, Twips(720, 960, 2655, 2175));
    Label2 = Crea<QLabel>(QStringLiteral(" Asse Maggiore"), Frame1, Twips(240, 480, 1215, 255));
    Label3 = Crea<QLabel>(QStringLiteral("Asse Minore"), Frame1, Twips(240, 1560, 1335, 255));
    Text1 = Crea<QLineEdit>(QStringLiteral("20"), Frame1, Twips(1560, 360, 615, 495));
    Text2 = Crea<QLineEdit>(QStringLiteral("15"), Frame1, Twips(1560, 1320, 615, 495));

    Frame2 = Crea<QGroupBox>(QStringLiteral("ELLISSE B"), this, Twips(3960, 960, 2655, 2175));
    Text3 = Crea<QLineEdit>(QStringLiteral("10"), Frame2, Twips(1440, 360, 615, 495));
    Text4 = Crea<QLineEdit>(QStringLiteral("5"), Frame2, Twips(1440, 1440, 615, 495));
    Label4 = Crea<QLabel>(QStringLiteral("Asse Minore"), Frame2, Twips(240, 1560, 1335, 255));
    Label5 = Crea<QLabel>(QStringLiteral(" Asse Maggiore"), Frame2, Twips(240, 480, 1215, 255));

    Frame3 = Crea<QGroupBox>(QString(), this, Twips(6960, 1320, 3135, 1455));
    Label6 = Crea<QLabel>(
        QStringLiteral("  Rapporto tra gli angoli Parametrici:          alfa/alfa=d            (provare con 3-4-5)"),
        Frame3, Twips(120, 360, 1575, 975));
    Label6->setWordWrap(true);
    Text5 = Crea<QLineEdit>(QStringLiteral("2"), Frame3, Twips(2280, 480, 615, 495));

    Command1 = Crea<Pulsante>(QStringLiteral("ESCI"), this, Twips(960, 4200, 1935, 735));
    Command2 = Crea<Pulsante>(QStringLiteral("AVANTI"), this, Twips(3840, 4200, 1935, 735));

    Text1->setAccessibleName(QStringLiteral("Asse maggiore dell'ellisse A"));
    Text2->setAccessibleName(QStringLiteral("Asse minore dell'ellisse A"));
    Text3->setAccessibleName(QStringLiteral("Asse maggiore dell'ellisse B"));
    Text4->setAccessibleName(QStringLiteral("Asse minore dell'ellisse B"));
    Text5->setAccessibleName(QStringLiteral("Rapporto d tra gli angoli parametrici (provare con 3, 4 o 5)"));
    // Each label is its box's buddy: a screen reader finds the box labelled by it.
    Label2->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Label5->setBuddy(Text3);
    Label4->setBuddy(Text4);
    Label6->setBuddy(Text5);
    setAccessibleDescription(QStringLiteral("Costanti della curva"));

    OrdineDiTabulazione({Command2, Command1, Text1, Text2, Text3, Text4, Text5});
    Command2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
}

void Form3::Form_Activate()
{
    for (QLineEdit *text : {Text1, Text2, Text3, Text4, Text5})
        setBackColor(text, Bianco);
}

void Form3::Command2_Click()
{
    // The boxes in order: the first that holds no number ends the reading.
    if (!(LeggiText1() && LeggiText2() && LeggiText3() && LeggiText4() && LeggiText5()))
        return;

    if (Miocolor < 0)
        Miocolor = 0;
    if (Miocolor > 6)
        Miocolor = 0;
    app::Form4().Show();
}

void Form3::Command1_Click()
{
    End();
}

bool Form3::LeggiText1()
{
    return LeggiCasella(Text1, VALa, QStringLiteral("Asse Magg.di A non è un numero"));
}
bool Form3::LeggiText2()
{
    return LeggiCasella(Text2, VALb, QStringLiteral("Asse Min. di A non è un numero"));
}
bool Form3::LeggiText3()
{
    return LeggiCasella(Text3, VALc, QStringLiteral("Asse Magg. di B non è un numero"));
}
bool Form3::LeggiText4()
{
    return LeggiCasella(Text4, VALd, QStringLiteral("Asse Min. di B non è un numero"));
}
bool Form3::LeggiText5()
{
    return LeggiCasella(Text5, VALe, QStringLiteral("Rapporto non è un numero"));
}

bool Form3::LeggiCasella(QLineEdit *casella, Costante &valore, const QString &messaggio)
{
    if (Numeri::IsNumeric(casella->text())) {
        valore = Numeri::CDbl(casella->text());
        return true;
    }
    MsgBox(messaggio, this);
    casella->setText(QString());
    setBackColor(casella, Rosso);
    casella->setFocus(); // the correction goes straight into the emptied box
    valore = Rifiutata();
    return false;
}
