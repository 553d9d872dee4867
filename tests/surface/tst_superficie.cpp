#include "aiuti.h"
#include "surface/disegno.h"
#include "surface/numeri.h"
#include "surface/palette.h"
#include "surface/scala.h"

#include <limits>
#include <stdexcept>

namespace {

const QColor Rosso(255, 0, 0);

QLocale locale(const QString &nome)
{
    return nome == QStringLiteral("it") ? QLocale(QLocale::Italian, QLocale::Italy)
         : nome == QStringLiteral("en") ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale::c();
}

} // namespace

class TestSuperficie : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void laScala()
    {
        Scala scala(QPointF(96, 96));
        const QSizeF area(960, 480);
        scala.setScaleMode(Scala::Centimetri, area);
        QCOMPARE(scala.ScaleHeight(area), float(480 * 2.54 / 96));
        scala.setScaleWidth(200, area); // user units from here on, the height kept as it was
        QCOMPARE(scala.ScaleMode(), int(Scala::Utente));
        QCOMPARE(scala.ScaleHeight(QSizeF(10, 10)), float(480 * 2.54 / 96));
        scala.setScaleHeight(102, area);
        QCOMPARE(scala.inPixel(130, 61, QSizeF(1000, 510)), QPointF(650, 305));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, scala.setScaleWidth(0, area));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, scala.setScaleHeight(qInf(), area));
    }

    void laTavolozza()
    {
        QCOMPARE(QBColor(1), QColor(0, 0, 128));
        QCOMPARE(QBColor(4), QColor(128, 0, 0));
        QCOMPARE(QBColor(15), QColor(255, 255, 255));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, QBColor(16));
    }

    void iPunti_data()
    {
        QTest::addColumn<QPointF>("centro");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("pixel");
        QTest::newRow("2 pixel") << QPointF(50.7, 20.2) << 2 << 4;
        QTest::newRow("1 pixel") << QPointF(10.5, 10.5) << 1 << 1;
        QTest::newRow("half on the edge") << QPointF(0, 10) << 2 << 2;
        QTest::newRow("outside") << QPointF(-5, 10) << 2 << 0;
        QTest::newRow("far away") << QPointF(1e300, -1e300) << 2 << 0;
        QTest::newRow("not a number") << QPointF(qQNaN(), 10) << 2 << 0;
    }
    void iPunti()
    {
        QFETCH(QPointF, centro);
        QFETCH(int, larghezza);
        QFETCH(int, pixel);
        Disegno disegno;
        disegno.copri(QSize(100, 100), 1);
        disegno.punto(centro, larghezza, Rosso);
        QCOMPARE(conta(disegno.immagine(), Rosso), pixel);
    }

    void leLinee()
    {
        Disegno disegno;
        disegno.copri(QSize(100, 60), 1);
        disegno.linea(QPointF(55, 0), QPointF(55, 60), 2, Rosso);
        QCOMPARE(conta(disegno.immagine(), Rosso, QRect(54, 0, 2, 60)), 120);
        QCOMPARE(conta(disegno.immagine(), Rosso), 120);
        disegno.linea(QPointF(-1e12, 30.5), QPointF(1e12, 30.5), 1, Rosso); // cut to the area, not lost
        QCOMPARE(conta(disegno.immagine(), Rosso, QRect(0, 30, 100, 1)), 100);
        disegno.linea(QPointF(10.5, 10.5), QPointF(20.5, 40.5), 1, Rosso);
        QCOMPARE(disegno.colore(QPointF(15, 25)), Rosso);
    }

    void ilDisegnoRestaSottoIControlliFinoAllaChiusura()
    {
        Schermo schermo(QStringLiteral("Prova"), QSize(400, 200), Schermo::Apertura::Normale);
        QVERIFY(mostra(schermo));
        schermo.setScaleWidth(200);
        schermo.setScaleHeight(100);
        schermo.setDrawWidth(2);
        schermo.PSet(100, 50, QBColor(4));
        schermo.resize(800, 600); // growing keeps it where it was
        schermo.resize(0, 0);
        schermo.resize(800, 600);
        QCOMPARE(conta(schermo.grab().toImage(), QBColor(4), QRect(199, 99, 2, 2)), 4);
        schermo.Cls();
        QCOMPARE(conta(schermo.grab().toImage(), QBColor(4)), 0);
        schermo.PSet(100, 50, QBColor(4));
        schermo.close();
        QVERIFY(mostra(schermo));
        QVERIFY(!schermo.Point(100, 50).isValid());
    }

    void iNumeriDellUtente_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("numero");
        QTest::addColumn<double>("valore");
        QTest::newRow("it comma") << "it" << "2,5" << true << 2.5;
        QTest::newRow("it point") << "it" << "2.5" << false << 0.0;
        QTest::newRow("en point") << "en" << "2.5" << true << 2.5;
        QTest::newRow("en comma") << "en" << "2,5" << false << 0.0;
        QTest::newRow("negative") << "C" << "-3" << true << -3.0;
        QTest::newRow("exponent") << "C" << "1e308" << true << 1e308;
        QTest::newRow("empty") << "C" << "" << false << 0.0;
        QTest::newRow("blank") << "it" << " " << false << 0.0;
        QTest::newRow("word") << "it" << "abc" << false << 0.0;
        QTest::newRow("inf") << "C" << "inf" << false << 0.0;
        QTest::newRow("nan") << "en" << "nan" << false << 0.0;
        QTest::newRow("overflow") << "C" << "1e999" << false << 0.0;
        QTest::newRow("-overflow") << "it" << "-1e999" << false << 0.0;
    }
    void iNumeriDellUtente()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, testo);
        QFETCH(bool, numero);
        QFETCH(double, valore);
        QLocale::setDefault(locale(lingua));
        QCOMPARE(Numeri::IsNumeric(testo), numero);
        QCOMPARE(Numeri::CDbl(testo), valore);
    }

    void ilTestoDiUnNumero_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("testo");
        QTest::newRow("it") << "it" << 30 * 0.02 + 0.51 << "1,11";
        QTest::newRow("en") << "en" << 1 * 0.02 + 0.51 << "0.53";
        QTest::newRow("15 digits") << "it" << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("no grouping") << "it" << 123456.5 << "123456,5";
    }
    void ilTestoDiUnNumero()
    {
        QFETCH(QString, lingua);
        QFETCH(double, valore);
        QFETCH(QString, testo);
        QLocale::setDefault(locale(lingua));
        QCOMPARE(Numeri::Testo(valore), testo);
    }
};

QTEST_MAIN(TestSuperficie)
#include "tst_superficie.moc"
