// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "surface/barra.h"

#include <cmath>

namespace {

// The pixel of the ring's dot at `gradi` degrees, on the current scale.
QPoint pixel(const Form2 &f, double gradi)
{
    const double t = gradi * M_PI / 180, R = Form2::R;
    return QPoint(int((f.CX + R * std::cos(t)) * f.width() / f.ScaleWidth()),
                  int((f.CY + R * std::sin(t)) * f.height() / f.ScaleHeight()));
}

// Whether the ring's colour lies at, or beside, a pixel.
bool anello(const Form2 &f, QPoint p)
{
    return conta(f.disegno().immagine(), QBColor(4), QRect(p - QPoint(1, 1), QSize(3, 3))) > 0;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { app::ChiudiSchermi(); }

    // The bar's positions: the factor, its text, the new ring, and whether the old stays.
    void laBarra_data()
    {
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("restaIlVecchio");
        QTest::addColumn<float>("altezza");
        QTest::addRow("up to 0,55 keeps the ring") << 1 << 2 << "0,55" << true << 80502.046875f;
        QTest::addRow("down to 0,53 clears it") << 2 << 1 << "0,53" << false << 77574.703125f;
        QTest::addRow("to the end") << 1 << 30 << "1,11" << true << 162467.765625f;
    }
    void laBarra()
    {
        QFETCH(int, da);
        QFETCH(int, a);
        Form2 &f = app::Form2();
        f.resize(1000, 700);
        f.Form_Activate();
        QCOMPARE(f.Point(f.CX, 10), QBColor(0)); // the axes
        QCOMPARE(f.Point(10, f.CY), QBColor(0));
        // A running sum of tenths: the last dot is at 359.9 degrees, none at 360.
        QVERIFY(std::fabs(f.YR - -63.474760291988673) < 1e-6);
        f.HScroll1->setValue(da);
        const QPoint vecchio = pixel(f, 240);
        f.HScroll1->setValue(a);
        QTEST(f.Text1->text(), "testo");
        QTEST(f.ScaleHeight(), "altezza");
        for (double gradi : {0, 90, 240})
            QVERIFY2(anello(f, pixel(f, gradi)), qPrintable(QString::number(gradi)));
        QTEST(anello(f, vecchio), "restaIlVecchio");
    }

    void laSogliaEIlRitornoA051()
    {
        Form2 &f = app::Form2();
        QVERIFY(mostra(f, [&] { return f.Incr.has_value(); }));
        f.HScroll1->setValue(2);
        f.HScroll1->setValue(1); // 0.53: not above the threshold
        Messaggi messaggi;
        f.Command1_Click();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Ordelio:Impostare la risoluzione SCHERMO")});
        QVERIFY(app::Form3().isHidden());
        f.HScroll1->setValue(2);
        f.Command1_Click();
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QVERIFY(mostra(f));
        QCOMPARE(*f.Incr, 0.51);
        QCOMPARE(f.HScroll1->value(), 2);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
