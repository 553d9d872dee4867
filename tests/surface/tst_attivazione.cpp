// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "surface/messaggio.h"

// A screen that counts its activations and keeps the size it had at the last one.
struct Contatore : Schermo
{
    explicit Contatore(Apertura apertura = Apertura::Normale)
        : Schermo(QStringLiteral("Prova"), QSize(300, 200), apertura)
    {
    }
    void Form_Activate() override { ++attivazioni, area = size(); }
    int attivazioni = 0;
    QSize area;
};

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
        a.close(); // closed, then shown again: a new activation
        QVERIFY(mostra(b));
        QVERIFY(mostra(a));
        QCOMPARE(a.attivazioni, 3);
        QCOMPARE(b.attivazioni, 2);
    }

    void tornareDaAltreFinestreNonAttiva()
    {
        Contatore a;
        QWidget altroProgramma; // as far as the program can tell
        QVERIFY(mostra(a));
        altroProgramma.show();
        altroProgramma.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altroProgramma));
        a.activateWindow();
        Messaggi messaggi;
        MsgBox(QStringLiteral("prova"), &a);
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Ordelio:prova")});
        QCOMPARE(a.attivazioni, 1);
    }

    void unoSchermoMassimizzatoSiAttivaAllaSuaArea()
    {
        Contatore a(Schermo::Apertura::Massimizzata);
        QVERIFY(mostra(a, [&] { return a.attivazioni == 1; }));
        QVERIFY(a.isMaximized());
        QVERIFY(a.area != QSize(300, 200)); // not at its designed size
        QCOMPARE(a.area, a.size());
    }
};

QTEST_MAIN(TestAttivazione)
#include "tst_attivazione.moc"
