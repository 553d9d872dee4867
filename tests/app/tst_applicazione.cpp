#include "aiuti.h"
#include "app/applicazione.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"

#include <stdexcept>

class TestApplicazione : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void ESCIChiudeTuttoConEsito0()
    {
        QVERIFY(&app::Form3() == &app::Form3()); // one screen, made on its first use
        QVERIFY(mostra(app::Form2()));
        QVERIFY(mostra(app::Form3()));
        QTimer::singleShot(0, [] { app::Form3().Command1_Click(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(app::Form2().isHidden() && app::Form3().isHidden());
    }

    void unGuastoVieneDettoEChiudeConEsito1()
    {
        QVERIFY(mostra(app::Form2()));
        Messaggi messaggi;
        QTimer::singleShot(0, [] { throw std::runtime_error("immagine non disponibile"); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral(
                                     "Ordelio:Si è verificato un errore: immagine non disponibile.\nIl programma viene chiuso.")});
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
