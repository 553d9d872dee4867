#include "app/schermi.h"
#include "messaggi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "surface/controlli.h"
#include "surface/palette.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <bit>
#include <cmath>

namespace {

constexpr double R = double(36367.363f);

// Whether the dot colour is at the pixel of user point (x, y), or at one beside it:
// the ring's dots land on pixels by rounding.
bool anello(const Form2 &schermo, double x, double y)
{
    const QPointF pixel(x * schermo.width() / schermo.ScaleWidth(), y * schermo.height() / schermo.ScaleHeight());
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (schermo.disegno().colore(pixel + QPointF(dx, dy)) == QBColor(4))
                return true;
    return false;
}

Form2 &attivaForm2()
{
    Form2 &schermo = app::Form2();
    schermo.resize(1000, 700);
    schermo.Form_Activate();
    return schermo;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { app::ChiudiSchermi(); }

    void loSchermoComeSiPresenta()
    {
        Form2 &schermo = app::Form2();
        QCOMPARE(schermo.windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(schermo.Label1->text(),
                 QStringLiteral("Per calibrare l' impostazione corretta della risoluzione dello SCHERMO"));
        QCOMPARE(schermo.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(schermo.Command2->text(),
                 QStringLiteral("KLICCARE  sulla barra di scorrimento fino a che la figura  risulti una CIRCONFERENZA"));
        QCOMPARE(schermo.Command1->text(), QStringLiteral("OK - continua"));
        QCOMPARE(schermo.Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(schermo.HScroll1->minimum(), 1);
        QCOMPARE(schermo.HScroll1->maximum(), 30);
        QCOMPARE(schermo.HScroll1->value(), 1);
        QVERIFY(!schermo.Incr.has_value());
    }

    void lAttivazioneDisegnaLaFiguraPer051()
    {
        Form2 &schermo = attivaForm2();
        QCOMPARE(std::bit_cast<quint32>(schermo.P1), quint32(0x3C8EFA35));
        QCOMPARE(*schermo.Incr, 0.51);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.51"));
        QCOMPARE(schermo.ScaleWidth(), 146367.359375f);
        QCOMPARE(schermo.ScaleHeight(), 74647.3515625f);
        QCOMPARE(schermo.CX, 93183.6796875f);
        QCOMPARE(schermo.CY, 37323.67578125f);
        QCOMPARE(schermo.DrawWidth(), 1);
        QCOMPARE(schermo.Point(schermo.CX, 10), QBColor(0));
        QCOMPARE(schermo.Point(10, schermo.CY), QBColor(0));
        // The first dot right of the centre, the one at 90 degrees below it.
        QCOMPARE(schermo.Point(float(schermo.CX + R), schermo.CY), QBColor(4));
        QVERIFY(anello(schermo, schermo.CX, schermo.CY + R));
        QVERIFY(anello(schermo, schermo.CX - R, schermo.CY));
    }

    void lAnelloFinisceA3599Decimi()
    {
        Form2 &schermo = attivaForm2();
        // The last dot is the one at 359.9 degrees: none is drawn at 360.
        const double t = double(schermo.P1) * 359.9;
        QVERIFY(std::fabs(schermo.YR - std::sin(t) * R) < 1e-6);
        QVERIFY(schermo.YR < -60);
    }

    void laBarraCambiaIlFattore_data()
    {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<double>("fattore");
        QTest::addColumn<QString>("testo");
        QTest::newRow("1") << 1 << 0.53 << "0.53";
        QTest::newRow("2") << 2 << 0.55 << "0.55";
        QTest::newRow("30") << 30 << 1.11 << "1.11";
    }
    void laBarraCambiaIlFattore()
    {
        QFETCH(int, posizione);
        QFETCH(double, fattore);
        QFETCH(QString, testo);
        Form2 &schermo = attivaForm2();
        schermo.HScroll1->setValue(posizione == 1 ? 2 : 1); // so that the bar moves
        schermo.HScroll1->setValue(posizione);
        QVERIFY(std::fabs(*schermo.Incr - fattore) < 1e-12);
        QCOMPARE(schermo.Text1->text(), testo);
        QCOMPARE(schermo.ScaleHeight(), float(double(146367.359375f) * *schermo.Incr));
        QVERIFY(anello(schermo, schermo.CX, schermo.CY + R));
        QCOMPARE(schermo.Point(float(schermo.CX - R), schermo.CY), QBColor(4));
    }

    void laPosizione1DaEsattamente053EIlRifiuto()
    {
        Form2 &schermo = attivaForm2();
        schermo.HScroll1->setValue(2);
        schermo.HScroll1->setValue(1);
        QCOMPARE(*schermo.Incr, 0.53);
        Messaggi messaggi;
        schermo.Command1_Click();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Impostare la risoluzione SCHERMO")});
        QCOMPARE(messaggi.titoli, QStringList{QStringLiteral("Ordelio")});
        QVERIFY(app::Form3().isHidden());
    }

    void salendoSiSovrapponeScendendoSiCancella()
    {
        Form2 &schermo = attivaForm2();
        // A dot of the 0.51 ring up and to the left, away from the axes, as a pixel.
        const double angolo = 240 * M_PI / 180;
        const QPointF pixel051((schermo.CX + R * std::cos(angolo)) * schermo.width() / schermo.ScaleWidth(),
                               (schermo.CY + R * std::sin(angolo)) * schermo.height() / schermo.ScaleHeight());
        const auto rimasto = [&] {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (schermo.disegno().colore(pixel051 + QPointF(dx, dy)) == QBColor(4))
                        return true;
            return false;
        };
        QVERIFY(rimasto());

        schermo.HScroll1->setValue(2); // 0.55: nothing cleared, the flatter ring inside the taller one
        QVERIFY(rimasto());
        QVERIFY(anello(schermo, schermo.CX + R * std::cos(angolo), schermo.CY + R * std::sin(angolo)));

        schermo.HScroll1->setValue(1); // 0.53 is lower: cleared first
        QVERIFY(!rimasto());
        QVERIFY(anello(schermo, schermo.CX + R * std::cos(angolo), schermo.CY + R * std::sin(angolo)));
    }

    void ogniAttivazioneTornaA051()
    {
        Form2 &schermo = app::Form2();
        schermo.Show();
        QVERIFY(QTest::qWaitForWindowActive(&schermo));
        QTRY_VERIFY(schermo.Incr.has_value());
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.51"));
        schermo.HScroll1->setValue(5);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.61"));
        schermo.Command1_Click();
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        schermo.Show();
        QVERIFY(QTest::qWaitForWindowActive(&schermo));
        QCOMPARE(*schermo.Incr, 0.51);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.51"));
        QCOMPARE(schermo.HScroll1->value(), 5);
        Messaggi messaggi;
        schermo.Command1_Click();
        QCOMPARE(messaggi.testi.size(), 1);
    }

    void leFrecceMuovonoLaBarraComeIndicano()
    {
        Form2 &schermo = attivaForm2();
        QTest::keyClick(schermo.HScroll1, Qt::Key_Right);
        QTest::keyClick(schermo.HScroll1, Qt::Key_Right);
        QCOMPARE(schermo.HScroll1->value(), 3);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.57"));
        QTest::keyClick(schermo.HScroll1, Qt::Key_Left);
        QCOMPARE(schermo.HScroll1->value(), 2);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("0.55"));
        QTest::keyClick(schermo.HScroll1, Qt::Key_End);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("1.11"));
    }

    void ilPulsanteDiIstruzioniEIlTestoNonFannoNulla()
    {
        Form2 &schermo = attivaForm2();
        const QImage prima = schermo.disegno().immagine();
        schermo.Command2->click();
        schermo.Text1->setText(QStringLiteral("0.9"));
        QCOMPARE(*schermo.Incr, 0.51);
        QCOMPARE(schermo.disegno().immagine(), prima);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
