// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "app/applicazione.h"

#include <stdexcept>

class TestApplicazione : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void unGuastoVieneDettoEChiudeConEsito1()
    {
        QVERIFY(mostra(app::Form2()));
        Messaggi messaggi;
        QTimer::singleShot(0, [] { throw std::runtime_error("immagine non disponibile"); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QCOMPARE(
            messaggi.testi,
            QStringList{"Ordelio:Si è verificato un errore: immagine non disponibile.\nIl programma verrà chiuso."});
        QVERIFY(app::Form2().isHidden());
    }
};

int main(int argc, char *argv[])
{
    Applicazione applicazione(argc, argv);
    TestApplicazione test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_applicazione.moc"
