// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "screens/plot/curva.h"
#include "surface/gradi.h"

#include <bit>

class TestForm4 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void iPuntiDellaCurva()
    {
        Form4 &f = attiva(Tipiche);
        QCOMPARE(std::bit_cast<quint32>(f.P1), quint32(0x3C8EFA35));
        QCOMPARE(f.Point(130, 61), QBColor(1)); // 0 degrees
        QCOMPARE(f.Point(125, 41), QBColor(1)); // 90 degrees
        // At 7 degrees A's angle rounded to a float differs from the double product;
        // B's angle is that float times d, in double.
        const PuntoCurva p = Punto(7, GradoInRadianti, {1, 0, 1, 0, 1.3, 0}, 110, 51);
        QCOMPARE(p.scostamento.X, 0.99254615152965953); // 0.99254615175665883 from the double product
        QCOMPARE(p.scostamento.Y, 0.98741380656252586);
        QCOMPARE(std::bit_cast<quint32>(p.x), std::bit_cast<quint32>(float(110 + 0.99254615152965953)));
    }

    void gliAssiEIlPunto()
    {
        Form4 &f = attiva({0.0, 0.0, 0.0, 0.0, 0.0}, 0.71); // every dot on the crossing
        const QImage &img = f.disegno().immagine();
        // Two pixels wide, 55 % across and half way down; the dots of the curve over them.
        QCOMPARE(conta(img, QBColor(0), QRect(548, 0, 4, 10)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(549, 0, 2, 10)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(0, 253, 10, 4)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(0, 254, 10, 2)), 20);
        QCOMPARE(conta(img, QBColor(1), QRect(549, 254, 2, 2)), conta(img, QBColor(1)));
        QCOMPARE(conta(img, QBColor(1)), 4);
        // At 0 degrees the offsets are the major axes, exactly. On the axes' ends a dot is
        // drawn; past them, or not a number, it is not.
        const auto dentro = [](double X, double Y) {
            return Punto(0, GradoInRadianti, {X, 0, Y, 0, 1, 0}, 110, 51).dentro;
        };
        QVERIFY(dentro(110, 51) && dentro(-110, -51));
        QVERIFY(!dentro(110.00001, 0) && !dentro(0, -51.00001) && !dentro(0, qQNaN()));
    }

    // Each curve in the next colour, over the earlier ones.
    void iColori_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("dopo");
        QTest::addRow("14") << 14 << 15;
        QTest::addRow("15") << 15 << 1;
        QTest::addRow("largest") << 32767 << 1;
    }
    void iColori()
    {
        QFETCH(int, prima);
        QFETCH(int, dopo);
        app::Form3().Miocolor = std::int16_t(prima);
        Form4 &f = attiva(Tipiche);
        QCOMPARE(app::Form3().Miocolor, std::int16_t(dopo));
        app::Form3().VALa = 0.0;
        f.Form_Activate();
        QCOMPARE(f.Point(110, 61), QBColor(ColoreSeguente(std::int16_t(dopo))));
        QCOMPARE(f.Point(130, 61), QBColor(dopo));
    }

    void costantiEstreme_data()
    {
        QTest::addColumn<QList<Costante>>("valori");
        QTest::addColumn<int>("colore");
        QTest::addColumn<bool>("puntoA0Gradi");
        QTest::addRow("a rejected box: axes only") << QList<Costante>{20.0, 15.0, Rifiutata(), 5.0, 2.0} << 3 << false;
        QTest::addRow("B's angle infinite past 0") << QList<Costante>{20.0, 15.0, 10.0, 5.0, 1e308} << 4 << true;
    }
    void costantiEstreme()
    {
        QFETCH(QList<Costante>, valori);
        app::Form3().Miocolor = 3;
        Messaggi messaggi;
        Form4 &f = attiva(valori);
        QCoreApplication::processEvents();
        QTEST(int(app::Form3().Miocolor), "colore");
        QVERIFY(messaggi.testi.isEmpty());
        QCOMPARE(f.Point(110, 5), QBColor(0));
        QTEST(f.Point(130, 61).isValid(), "puntoA0Gradi");
    }

    void cancellaERiprendi()
    {
        Form4 &f = attiva(Tipiche); // the constants, and a first curve
        QVERIFY(mostra(f, [&] { return app::Form3().Miocolor == 2; }));
        f.Command2_Click(); // "Cancella e riprendi": axes and curves go, the constants come
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QCOMPARE(conta(f.disegno().immagine(), QBColor(0)) + conta(f.disegno().immagine(), QBColor(2)), 0);
        QVERIFY(mostra(f, [&] { return app::Form3().Miocolor == 3; }));
        f.Command1_Click(); // "RIPRENDI" keeps them
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QVERIFY(conta(f.disegno().immagine(), QBColor(3)) > 0);
        QVERIFY(f.isVisible());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
