// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/avvio.h"

#include "app/schermi.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"
#include "surface/esporta.h"
#include "surface/messaggio.h"

#include <QFileInfo>

void Avvio(const QStringList &argomenti)
{
    if (argomenti.size() > 1) {
        const QString &nome = argomenti.at(1);
        QByteArray dati;
        QString messaggio;
        std::optional<Lezione> lezione;
        if (LeggiFile(nome, Lezione::DimensioneMassima + 1, dati, messaggio))
            lezione = Lezione::leggi(dati, QFileInfo(nome).fileName(), messaggio);
        // The earlier screens are made, not shown: the lesson sets their values, and
        // "RIPRENDI" goes on from it as from any plot.
        if (lezione) {
            app::Form4().ApriAllaPrimaAttivazione(*lezione);
            return app::Form4().Show();
        }
        MsgBox(messaggio);
    }
    app::Form1().Show();
}
