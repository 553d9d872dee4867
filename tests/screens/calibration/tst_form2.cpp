#include "aiuti.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "surface/controlli.h"
#include "surface/palette.h"

#include <QLineEdit>

#include <bit>
#include <cmath>

namespace {

// The pixel of the ring's dot at `gradi` degrees, on the current scale.
QPoint pixel(const Form2 &f, double gradi)
{
    const double t = gradi * M_PI / 180, R = 36367.363f;
    return QPoint(int((f.CX + R * std::cos(t)) * f.width() / f.ScaleWidth()),
                  int((f.CY + R * std::sin(t)) * f.height() / f.ScaleHeight()));
}

// Whether the ring's colour lies at, or beside, a pixel.
bool anello(const Form2 &f, QPoint p)
{
    return conta(f.disegno().immagine(), QBColor(4), QRect(p - QPoint(1, 1), QSize(3, 3))) > 0;
}
bool anello(const Form2 &f, double gradi) { return anello(f, pixel(f, gradi)); }

Form2 &attiva()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Form2 &f = app::Form2();
    f.resize(1000, 700);
    f.Form_Activate();
    return f;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void lAnelloPer051()
    {
        Form2 &f = attiva();
        QCOMPARE(std::bit_cast<quint32>(f.P1), quint32(0x3C8EFA35));
        QCOMPARE(f.Text1->text(), QStringLiteral("0,51"));
        QCOMPARE(f.ScaleHeight(), float(double(146367.36f) * 0.51));
        QCOMPARE(f.CX, float(146367.36f / 2.0 + 20000));
        QCOMPARE(f.Point(f.CX, 10), QBColor(0));
        QCOMPARE(f.Point(10, f.CY), QBColor(0));
        QVERIFY(anello(f, 0) && anello(f, 90) && anello(f, 240));
        // A running sum of tenths: the last dot is at 359.9 degrees, none at 360.
        QVERIFY(std::fabs(f.YR - std::sin(double(f.P1) * 359.9) * double(36367.363f)) < 1e-6);
    }

    void laBarra_data()
    {
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("restaIlVecchio");
        QTest::newRow("up to 0,55 keeps the ring") << 1 << 2 << "0,55" << true;
        QTest::newRow("down to 0,53 clears it") << 2 << 1 << "0,53" << false;
        QTest::newRow("to the end") << 1 << 30 << "1,11" << true;
    }
    void laBarra()
    {
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(QString, testo);
        QFETCH(bool, restaIlVecchio);
        Form2 &f = attiva();
        f.HScroll1->setValue(da);
        const QPoint vecchio = pixel(f, 240);
        f.HScroll1->setValue(a);
        QCOMPARE(f.Text1->text(), testo);
        QCOMPARE(*f.Incr, a * 0.02 + 0.51);
        QVERIFY(anello(f, 240));
        QCOMPARE(anello(f, vecchio), restaIlVecchio);
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
        QTest::keyClick(f.HScroll1, Qt::Key_Right); // the arrow keys go the way they point
        QTest::keyClick(f.HScroll1, Qt::Key_Right);
        QTest::keyClick(f.HScroll1, Qt::Key_Left);
        QCOMPARE(f.HScroll1->value(), 2);
        f.Command1_Click();
        QVERIFY(QTest::qWaitForWindowActive(&app::Form3()));
        QVERIFY(mostra(f));
        QCOMPARE(*f.Incr, 0.51);
        QCOMPARE(f.HScroll1->value(), 2);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
