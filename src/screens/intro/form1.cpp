// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/form1.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/intro/pagina.h"
#include "surface/controlli.h"
#include "surface/pulsante.h"
#include "surface/twips.h"

Form1::Form1() : Schermo(QStringLiteral("Form1"), Twips(0, 0, 11670, 8565).size(), Apertura::Normale)
{
    setAccessibleDescription(QStringLiteral("Pagina introduttiva"));
    OLE1 = new Pagina(this);
    OLE1->setGeometry(Twips(570, 210, 9495, 6135));
    Command1 = Crea<Pulsante>(QStringLiteral("AVANTI"), this, Twips(3600, 5640, 2895, 855));
    setTabOrder(OLE1, Command1);
    OLE1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Command1_Click()
{
    app::Form2().Show();
}
