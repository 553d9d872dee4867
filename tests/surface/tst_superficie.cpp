// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "surface/numeri.h"

class TestSuperficie : public QObject
{
    Q_OBJECT
    const QColor Rosso{255, 0, 0};

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void iPunti_data()
    {
        QTest::addColumn<QPointF>("centro");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("pixel");
        QTest::addRow("2 pixels") << QPointF(50.7, 20.2) << 2 << 4;
        QTest::addRow("1 pixel") << QPointF(10.5, 10.5) << 1 << 1;
        QTest::addRow("half on the edge") << QPointF(0, 10) << 2 << 2;
        QTest::addRow("far outside") << QPointF(1e300, -1e300) << 2 << 0;
        QTest::addRow("not a number") << QPointF(qQNaN(), 10) << 2 << 0;
    }
    void iPunti()
    {
        QFETCH(QPointF, centro);
        QFETCH(int, larghezza);
        Disegno disegno;
        disegno.copri(QSize(100, 100), 1);
        disegno.punto(centro, larghezza, Rosso);
        QTEST(conta(disegno.immagine(), Rosso), "pixel");
    }

    void ilDisegnoRestaFinoAllaChiusura()
    {
        Schermo schermo(QStringLiteral("Prova"), QSize(400, 200), Schermo::Apertura::Normale);
        QVERIFY(mostra(schermo));
        schermo.setScaleWidth(200);
        schermo.setScaleHeight(100);
        schermo.setDrawWidth(2);
        schermo.PSet(100, 50, QBColor(4));
        schermo.resize(0, 0); // squeezed and grown again, it keeps its place under the controls
        schermo.resize(800, 600);
        QCOMPARE(conta(schermo.grab().toImage(), QBColor(4), QRect(199, 99, 2, 2)), 4);
        schermo.close();
        QVERIFY(mostra(schermo));
        QVERIFY(!schermo.Point(100, 50).isValid());
    }

    // The numbers the user types, and those the program writes, in the user's format.
    void iNumeri_data()
    {
        QTest::addColumn<QLocale>("formato");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("numero");
        QTest::addColumn<double>("valore");
        const QLocale it(QLocale::Italian, QLocale::Italy), en(QLocale::English, QLocale::UnitedStates),
            C = QLocale::c();
        QTest::addRow("it comma") << it << "2,5" << true << 2.5;
        QTest::addRow("it point") << it << "2.5" << false << 0.0;
        QTest::addRow("en point") << en << "2.5" << true << 2.5;
        QTest::addRow("exponent") << C << "-1e308" << true << -1e308;
        QTest::addRow("word") << it << "abc" << false << 0.0;
        QTest::addRow("inf") << C << "inf" << false << 0.0;
        QTest::addRow("overflow") << it << "-1e999" << false << 0.0;
    }
    void iNumeri()
    {
        QFETCH(QLocale, formato);
        QFETCH(QString, testo);
        QLocale::setDefault(formato);
        QTEST(Numeri::IsNumeric(testo), "numero");
        QTEST(Numeri::CDbl(testo), "valore");
    }
};

QTEST_MAIN(TestSuperficie)
#include "tst_superficie.moc"
