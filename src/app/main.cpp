// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicazione.h"
#include "app/avvio.h"
#include "app/piattaforma.h"
#include "app/schermi.h"
#include "screens/intro/caratteri.h"

#include <exception>

int main(int argc, char *argv[])
{
    ScegliPiattaforma(argc, argv);
    Applicazione applicazione(argc, argv);
    try {
        RegistraCaratteri();
    } catch (const std::exception &errore) {
        ErroreFatale(QString::fromUtf8(errore.what()));
        return 1;
    }
    Avvio(applicazione.arguments());
    const int esito = applicazione.exec();
    app::ChiudiSchermi();
    return esito;
}
