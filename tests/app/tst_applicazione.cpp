#include "app/applicazione.h"
#include "app/schermi.h"
#include "messaggi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"

#include <QtTest>

#include <stdexcept>

class TestApplicazione : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void ogniSchermoNasceAlPrimoUsoUnaVolta()
    {
        Form3 *primo = &app::Form3();
        QCOMPARE(&app::Form3(), primo);
        QVERIFY(primo->isHidden()); // created, not shown
        QCOMPARE(app::Form3().Miocolor, std::int16_t(0));
        QVERIFY(!app::Form2().Incr.has_value()); // nor activated
        QVERIFY(&app::Form4() != nullptr);
        QCOMPARE(&app::Form3(), primo);
    }

    void ESCIChiudeTuttoConEsito0()
    {
        app::Form1().Show();
        app::Form3().Show();
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QTimer::singleShot(0, [] { app::Form3().Command1_Click(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(app::Form1().isHidden());
        QVERIFY(app::Form3().isHidden());
    }

    void unGuastoVieneDettoEChiudeConEsitoNonZero()
    {
        app::Form2().Show();
        Messaggi messaggi;
        QTimer::singleShot(0, [] { throw std::runtime_error("immagine non disponibile"); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QCOMPARE(messaggi.titoli, QStringList{QStringLiteral("Ordelio")});
        QVERIFY(messaggi.testi.value(0).contains(QStringLiteral("immagine non disponibile")));
        QVERIFY(messaggi.testi.value(0).contains(QStringLiteral("Il programma viene chiuso")));
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
