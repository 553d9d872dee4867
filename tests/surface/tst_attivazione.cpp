#include "aiuti.h"
#include "surface/messaggio.h"

namespace {

// A screen that counts its activations and keeps the size it had at the last one.
class Contatore : public Schermo
{
public:
    explicit Contatore(Apertura apertura = Apertura::Normale) : Schermo(QStringLiteral("Prova"), QSize(300, 200), apertura) {}
    void Form_Activate() override
    {
        ++attivazioni;
        area = size();
    }
    int attivazioni = 0;
    QSize area;
};

} // namespace

class TestAttivazione : public QObject
{
    Q_OBJECT
private slots:
    void passareDaUnoSchermoAllAltro()
    {
        Contatore a, b;
        QVERIFY(mostra(a));
        a.Show(); // already the active screen: no new activation
        QVERIFY(mostra(b));
        QVERIFY(mostra(a));
        QCOMPARE(a.attivazioni, 2);
        QCOMPARE(b.attivazioni, 1);
        a.close(); // closed, then shown again: a new activation
        QVERIFY(mostra(b));
        QVERIFY(mostra(a));
        QCOMPARE(a.attivazioni, 3);
    }

    void tornareDaAltreFinestreNonAttiva()
    {
        Contatore a;
        QVERIFY(mostra(a));
        QWidget altroProgramma; // as far as the program can tell
        altroProgramma.show();
        altroProgramma.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altroProgramma));
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        Messaggi messaggi;
        MsgBox(QStringLiteral("prova"), &a);
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCoreApplication::processEvents();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Ordelio:prova")});
        QCOMPARE(a.attivazioni, 1);
    }

    void unoSchermoMassimizzatoSiAttivaAllaSuaArea()
    {
        Contatore a(Schermo::Apertura::Massimizzata);
        QVERIFY(mostra(a, [&] { return a.attivazioni == 1; }));
        QVERIFY(a.isMaximized());
        QVERIFY(a.area != QSize(300, 200));
        QCOMPARE(a.area, a.size());
    }
};

QTEST_MAIN(TestAttivazione)
#include "tst_attivazione.moc"
