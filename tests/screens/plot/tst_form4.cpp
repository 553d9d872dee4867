#include "aiuti.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/curva.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"

#include <bit>
#include <cmath>

Q_DECLARE_METATYPE(Costante)

namespace {

const QList<Costante> Tipiche = {20.0, 15.0, 10.0, 5.0, 2.0};

void imposta(const QList<Costante> &valori, double Incr = 0.51)
{
    app::Form2().Incr = Incr;
    Form3 &f3 = app::Form3();
    QList<Costante *> vals = {&f3.VALa, &f3.VALb, &f3.VALc, &f3.VALd, &f3.VALe};
    for (int i = 0; i < 5; ++i)
        *vals[i] = valori[i];
}

// A plot area of 1000 by 510 pixels: at 0.51 one user unit is 5 pixels across and down.
Form4 &attiva(const QList<Costante> &valori, double Incr = 0.51)
{
    imposta(valori, Incr);
    Form4 &f = app::Form4();
    f.resize(1000, 510);
    f.Form_Activate();
    return f;
}

} // namespace

class TestForm4 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void iPuntiDellaCurva_data()
    {
        QTest::addColumn<int>("Alfa");
        QTest::addColumn<QPointF>("punto");
        QTest::newRow("0") << 0 << QPointF(130, 61);
        QTest::newRow("90") << 90 << QPointF(125, 41);
        QTest::newRow("180") << 180 << QPointF(90, 61);
        QTest::newRow("270") << 270 << QPointF(95, 41);
    }
    void iPuntiDellaCurva()
    {
        QFETCH(int, Alfa);
        QFETCH(QPointF, punto);
        const Scostamento s = PuntoCurva(std::int16_t(Alfa), 3.1415927f / 180, 20, 15, 10, 5, 2);
        QVERIFY(std::fabs(110 + s.X - punto.x()) < 1e-5 && std::fabs(51 + s.Y - punto.y()) < 1e-5);
        Form4 &f = attiva(Tipiche);
        QCOMPARE(std::bit_cast<quint32>(f.P1), quint32(0x3C8EFA35));
        QCOMPARE(f.Point(float(punto.x()), float(punto.y())), QBColor(1));
    }

    void gliAngoliSuQuattroByte()
    {
        // At 7 degrees A's angle rounded to a float differs from the double product;
        // B's angle is that float times d, in double.
        const float P1 = 3.1415927f / 180, t = 7 * P1;
        const Scostamento s = PuntoCurva(7, P1, 1, 0, 1, 0, 1.3);
        QCOMPARE(s.X, std::cos(double(t)));
        QCOMPARE(s.Y, std::cos(double(t) * 1.3));
    }

    void gliAssiEIlPunto()
    {
        Form4 &f = attiva({0.0, 0.0, 0.0, 0.0, 0.0}, 0.71); // every dot on the crossing
        QCOMPARE(f.ScaleHeight(), float(200 * 0.71));
        QCOMPARE(f.CX, 110.0f);
        QCOMPARE(f.CY, float(200 * 0.71) / 2);
        const QImage &img = f.disegno().immagine();
        // Two pixels wide, 55 % across and half way down; the dots of the curve over them.
        QCOMPARE(conta(img, QBColor(0), QRect(548, 0, 4, 10)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(549, 0, 2, 10)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(0, 253, 10, 4)), 20);
        QCOMPARE(conta(img, QBColor(0), QRect(0, 254, 10, 2)), 20);
        QCOMPARE(conta(img, QBColor(1)), 4);
        QCOMPARE(conta(img, QBColor(1), QRect(549, 254, 2, 2)), 4);
    }

    void ilTaglioAgliAssi_data()
    {
        QTest::addColumn<double>("X");
        QTest::addColumn<double>("Y");
        QTest::addColumn<bool>("dentro");
        QTest::newRow("on the edge") << 110.0 << 51.0 << true;
        QTest::newRow("on the other edge") << -110.0 << -51.0 << true;
        QTest::newRow("past X") << 110.00001 << 0.0 << false;
        QTest::newRow("past Y") << 0.0 << -51.00001 << false;
        QTest::newRow("X not a number") << qQNaN() << 0.0 << false;
        QTest::newRow("Y not a number") << 0.0 << qQNaN() << false;
        QTest::newRow("infinite") << -qInf() << 0.0 << false;
    }
    void ilTaglioAgliAssi()
    {
        QFETCH(double, X);
        QFETCH(double, Y);
        QFETCH(bool, dentro);
        QCOMPARE(DentroGliAssi({X, Y}, 110, 51), dentro);
    }

    void iColori_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("dopo");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("7") << 7 << 8;
        QTest::newRow("14") << 14 << 15;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("negative") << -5 << 1;
        QTest::newRow("largest") << 32767 << 1;
    }
    void iColori()
    {
        QFETCH(int, prima);
        QFETCH(int, dopo);
        app::Form3().Miocolor = std::int16_t(prima);
        Form4 &f = attiva(Tipiche);
        QCOMPARE(app::Form3().Miocolor, std::int16_t(dopo));
        QCOMPARE(f.Point(130, 61), QBColor(dopo));
        // The next curve goes over it in the next colour; the first stays where the second is not.
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
        QTest::newRow("a rejected box: axes only") << QList<Costante>{20.0, 15.0, QString(), 5.0, 2.0} << 3 << false;
        QTest::newRow("B's angle infinite past 0") << QList<Costante>{20.0, 15.0, 10.0, 5.0, 1e308} << 4 << true;
        QTest::newRow("sums past the range") << QList<Costante>{1.7e308, 1.7e308, 10.0, 5.0, 2.0} << 4 << false;
    }
    void costantiEstreme()
    {
        QFETCH(QList<Costante>, valori);
        QFETCH(int, colore);
        QFETCH(bool, puntoA0Gradi);
        app::Form3().Miocolor = 3;
        Messaggi messaggi;
        Form4 &f = attiva(valori);
        QCoreApplication::processEvents();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(colore));
        QVERIFY(messaggi.testi.isEmpty());
        QCOMPARE(f.Point(110, 5), QBColor(0));
        QCOMPARE(f.Point(130, 61).isValid(), puntoA0Gradi);
    }

    void cancellaERiprendi()
    {
        Form4 &f = app::Form4();
        imposta(Tipiche);
        QVERIFY(mostra(f, [&] { return app::Form3().Miocolor == 1; }));
        f.Command2_Click(); // "Cancella e riprendi": axes and curves go, the constants come
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QCOMPARE(conta(f.disegno().immagine(), QBColor(0)) + conta(f.disegno().immagine(), QBColor(1)), 0);
        QVERIFY(mostra(f, [&] { return app::Form3().Miocolor == 2; }));
        f.Command1_Click(); // "RIPRENDI" keeps them
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QVERIFY(conta(f.disegno().immagine(), QBColor(2)) > 0 && f.isVisible());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
