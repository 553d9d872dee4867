#include "app/schermi.h"
#include "messaggi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/curva.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"

#include <QLineEdit>
#include <QtTest>

#include <bit>
#include <cmath>
#include <limits>

namespace {

// A plot area of 1000 by 510 pixels: one user unit is 5 pixels across and down at 0.51.
void preparaForm4(double Incr, Costante a = 20.0, Costante b = 15.0, Costante c = 10.0, Costante d = 5.0,
                  Costante e = 2.0)
{
    app::Form2().Incr = Incr;
    Form3 &costanti = app::Form3();
    costanti.VALa = a;
    costanti.VALb = b;
    costanti.VALc = c;
    costanti.VALd = d;
    costanti.VALe = e;
    app::Form4().resize(1000, 510);
}

bool vuoto(const QImage &immagine)
{
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (qAlpha(immagine.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestForm4 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void P1()
    {
        preparaForm4(0.51);
        app::Form4().Form_Activate();
        QCOMPARE(std::bit_cast<quint32>(app::Form4().P1), quint32(0x3C8EFA35));
    }

    void laScalaEGliAssi_data()
    {
        QTest::addColumn<double>("Incr");
        QTest::addColumn<float>("altezza");
        QTest::addColumn<float>("CY");
        QTest::newRow("0.51") << 0.51 << 102.0f << 51.0f;
        QTest::newRow("0.71") << 0.71 << 142.0f << 71.0f;
    }
    void laScalaEGliAssi()
    {
        QFETCH(double, Incr);
        QFETCH(float, altezza);
        QFETCH(float, CY);
        preparaForm4(Incr, 0.0, 0.0, 0.0, 0.0, 0.0); // every dot on the crossing
        Form4 &plot = app::Form4();
        plot.Form_Activate();
        QCOMPARE(plot.ScaleWidth(), 200.0f);
        QCOMPARE(plot.ScaleHeight(), altezza);
        QCOMPARE(plot.CX, 110.0f);
        QCOMPARE(plot.CY, CY);
        QCOMPARE(plot.DrawWidth(), 2);
        // The axes fall on the same pixels whatever the factor: 55 % across, half way down.
        QCOMPARE(plot.disegno().colore(QPointF(550, 10)), QBColor(0));
        QCOMPARE(plot.disegno().colore(QPointF(550, 500)), QBColor(0));
        QCOMPARE(plot.disegno().colore(QPointF(10, 255)), QBColor(0));
        QCOMPARE(plot.disegno().colore(QPointF(990, 255)), QBColor(0));
        QVERIFY(!plot.disegno().colore(QPointF(300, 100)).isValid());
    }

    void iPuntiDellaCurva_data()
    {
        QTest::addColumn<int>("Alfa");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("0") << 0 << 130.0 << 61.0;
        QTest::newRow("90") << 90 << 125.0 << 41.0;
        QTest::newRow("180") << 180 << 90.0 << 61.0;
        QTest::newRow("270") << 270 << 95.0 << 41.0;
        QTest::newRow("360") << 360 << 130.0 << 61.0;
    }
    void iPuntiDellaCurva()
    {
        QFETCH(int, Alfa);
        QFETCH(double, x);
        QFETCH(double, y);
        const Scostamento punto = PuntoCurva(std::int16_t(Alfa), 3.1415927f / 180, 20, 15, 10, 5, 2);
        QVERIFY(std::fabs(110 + punto.X - x) < 1e-5);
        QVERIFY(std::fabs(51 + punto.Y - y) < 1e-5);

        preparaForm4(0.51);
        app::Form4().Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(1));
        QCOMPARE(app::Form4().Point(float(x), float(y)), QBColor(1));
    }

    void langoloDiBeArrotondatoA4Byte()
    {
        const float P1 = 3.1415927f / 180;
        const float t = 7 * P1;
        QVERIFY(double(t) != 7 * double(P1)); // the rounding is visible at 7 degrees
        const Scostamento punto = PuntoCurva(7, P1, 1, 0, 1, 0, 1.5);
        QCOMPARE(punto.X, std::cos(double(t)));
        QCOMPARE(punto.Y, std::cos(double(t) * 1.5));
    }

    void rapportoZero()
    {
        preparaForm4(0.51, 20.0, 15.0, 10.0, 5.0, 0.0);
        Form4 &plot = app::Form4();
        plot.Form_Activate();
        // Every dot on the line y = CY + Vc.
        QCOMPARE(plot.Point(130, 61), QBColor(1));
        QCOMPARE(plot.Point(90, 61), QBColor(1));
        QVERIFY(!plot.Point(125, 41).isValid());

        app::Form3().VALc = 60.0;
        plot.Cls();
        plot.Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(2)); // the colour advances even with no dot
        QVERIFY(!plot.Point(130, 111).isValid());
    }

    void ilTaglioAgliAssi()
    {
        // A magnitude equal to the crossing passes; beyond it, or not a number, does not.
        QVERIFY(DentroGliAssi({110, 51}, 110, 51));
        QVERIFY(DentroGliAssi({-110, -51}, 110, 51));
        QVERIFY(!DentroGliAssi({110.00001, 0}, 110, 51));
        QVERIFY(!DentroGliAssi({0, -51.00001}, 110, 51));
        const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
        QVERIFY(!DentroGliAssi({nan, 0}, 110, 51));
        QVERIFY(!DentroGliAssi({0, nan}, 110, 51));
        QVERIFY(!DentroGliAssi({-inf, 0}, 110, 51));

        // With Vc 60 the dots whose |Y| passes 51 are skipped, the others drawn.
        preparaForm4(0.51, 0.0, 0.0, 60.0, 0.0, 1.0);
        Form4 &plot = app::Form4();
        plot.Form_Activate();
        QCOMPARE(plot.Point(110, float(51 + 60 * std::cos(60 * 3.1415927f / 180))), QBColor(1));
        QVERIFY(!DentroGliAssi(PuntoCurva(30, plot.P1, 0, 0, 60, 0, 1), plot.CX, plot.CY));
    }

    void numeriOltreIlLimiteNonFermanoIlDisegno()
    {
        // Ve 1e308 makes ellipse B's angle infinite past a few degrees, and its cosine NaN.
        preparaForm4(0.51, 20.0, 15.0, 10.0, 5.0, 1e308);
        QVERIFY(std::isnan(PuntoCurva(200, 3.1415927f / 180, 20, 15, 10, 5, 1e308).Y));
        app::Form4().Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(1));
        // Sums past the double range.
        preparaForm4(0.51, 1.7e308, 1.7e308, 10.0, 5.0, 2.0);
        QVERIFY(std::isinf(PuntoCurva(45, 3.1415927f / 180, 1.7e308, 1.7e308, 10, 5, 2).X));
        app::Form4().Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(2));
    }

    void ogniAttivazioneAggiungeUnaCurvaColValoreMemorizzato()
    {
        preparaForm4(0.51);
        Form4 &plot = app::Form4();
        plot.Form_Activate();
        // What is typed on the constants screen counts only after its "AVANTI".
        app::Form3().Text1->setText(QStringLiteral("50"));
        app::Form3().VALa = 0.0;
        plot.Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(2));
        QCOMPARE(std::get<double>(plot.Va), 0.0);
        QCOMPARE(plot.Point(110, 61), QBColor(2));
        QCOMPARE(plot.Point(130, 61), QBColor(1)); // the first curve stays as it was drawn
    }

    void dopoIl15VieneL1()
    {
        preparaForm4(0.51);
        Form4 &plot = app::Form4();
        app::Form3().Miocolor = 14;
        plot.Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(15));
        QCOMPARE(plot.Point(130, 61), QBColor(15));
        plot.Form_Activate();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(1));
        QCOMPARE(plot.Point(130, 61), QBColor(1));
        QCOMPARE(ColoreSeguente(32767), std::int16_t(1));
        QCOMPARE(ColoreSeguente(-5), std::int16_t(1));
        QCOMPARE(ColoreSeguente(7), std::int16_t(8));
    }

    void unaCostanteRifiutataDisegnaSoloGliAssi()
    {
        preparaForm4(0.51, 20.0, 15.0, QString(), 5.0, 2.0);
        Messaggi messaggi;
        Form4 &plot = app::Form4();
        app::Form3().Miocolor = 3;
        plot.Form_Activate();
        QCoreApplication::processEvents();
        QCOMPARE(app::Form3().Miocolor, std::int16_t(3));
        QVERIFY(messaggi.testi.isEmpty());
        QCOMPARE(plot.Point(110, 5), QBColor(0));
        QVERIFY(!plot.Point(130, 61).isValid());
    }

    void cancellaERiprendi()
    {
        preparaForm4(0.51);
        Form4 &plot = app::Form4();
        plot.Show();
        QVERIFY(QTest::qWaitForWindowActive(&plot));
        plot.resize(1000, 510);
        plot.Cls();
        plot.Form_Activate();
        QVERIFY(!vuoto(plot.disegno().immagine()));

        plot.Command1_Click(); // "RIPRENDI" keeps the drawing
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QVERIFY(!vuoto(plot.disegno().immagine()));

        plot.Command2_Click(); // "Cancella e riprendi" clears it, axes and all
        QVERIFY(vuoto(plot.disegno().immagine()));
        QVERIFY(app::Form3().isVisible());
        QVERIFY(plot.isVisible());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
