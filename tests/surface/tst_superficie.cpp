#include "surface/disegno.h"
#include "surface/palette.h"
#include "surface/scala.h"
#include "surface/schermo.h"

#include <QtTest>

#include <limits>
#include <stdexcept>

namespace {

const QColor Rosso(255, 0, 0);

int pixelDisegnati(const Disegno &disegno)
{
    const QImage &immagine = disegno.immagine();
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            n += qAlpha(immagine.pixel(x, y)) != 0;
    return n;
}

} // namespace

class TestSuperficie : public QObject
{
    Q_OBJECT
private slots:
    void scalaInCentimetriSegueLArea()
    {
        Scala scala(QPointF(96, 96));
        scala.setScaleMode(Scala::Centimetri, QSizeF(960, 480));
        QCOMPARE(scala.ScaleWidth(QSizeF(960, 480)), float(960 * 2.54 / 96));
        QCOMPARE(scala.ScaleHeight(QSizeF(960, 480)), float(480 * 2.54 / 96));
        QCOMPARE(scala.ScaleWidth(QSizeF(96, 48)), float(2.54));
    }

    void impostareLaLarghezzaPassaInUnitaUtente()
    {
        Scala scala(QPointF(96, 96));
        const QSizeF area(1000, 500);
        scala.setScaleMode(Scala::Centimetri, area);
        scala.setScaleWidth(200, area);
        QCOMPARE(scala.ScaleMode(), int(Scala::Utente));
        QCOMPARE(scala.ScaleWidth(area), 200.0f);
        // The height keeps the extent it had, now as user units that no longer follow the area.
        QCOMPARE(scala.ScaleHeight(QSizeF(2000, 2000)), float(500 * 2.54 / 96));
        scala.setScaleHeight(102, area);
        QCOMPARE(scala.inPixel(130, 61, area), QPointF(650, 500.0 * 61 / 102));
        // The user scale maps onto whatever area the surface has when drawing.
        QCOMPARE(scala.inPixel(200, 102, QSizeF(1920, 1000)), QPointF(1920, 1000));
    }

    void estensioniNonValideSonoRifiutate()
    {
        Scala scala;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, scala.setScaleWidth(0, QSizeF(10, 10)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 scala.setScaleHeight(std::numeric_limits<float>::infinity(), QSizeF(10, 10)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, scala.setScaleMode(3, QSizeF(10, 10)));
    }

    void laTavolozza()
    {
        QCOMPARE(QBColor(0), QColor(0, 0, 0));
        QCOMPARE(QBColor(1), QColor(0, 0, 128));
        QCOMPARE(QBColor(4), QColor(128, 0, 0));
        QCOMPARE(QBColor(7), QColor(192, 192, 192));
        QCOMPARE(QBColor(8), QColor(128, 128, 128));
        QCOMPARE(QBColor(12), QColor(255, 0, 0));
        QCOMPARE(QBColor(15), QColor(255, 255, 255));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, QBColor(16));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, QBColor(-1));
    }

    void unPuntoCopreIlSuoQuadratoEBasta()
    {
        Disegno disegno;
        disegno.copri(QSize(100, 100), 1);
        disegno.punto(QPointF(50.7, 20.2), 2, Rosso);
        QCOMPARE(pixelDisegnati(disegno), 4);
        QCOMPARE(disegno.colore(QPointF(50.7, 20.2)), Rosso);
        disegno.punto(QPointF(10.5, 10.5), 1, Rosso);
        QCOMPARE(pixelDisegnati(disegno), 5);
        QCOMPARE(disegno.colore(QPointF(10, 10)), Rosso);
    }

    void iPuntiFuoriDallAreaONonFinitiNonSiDisegnano()
    {
        Disegno disegno;
        disegno.copri(QSize(100, 100), 1);
        disegno.copri(QSize(50, 50), 1); // the image keeps its size, the area shrinks
        disegno.punto(QPointF(70, 10), 2, Rosso);
        disegno.punto(QPointF(-5, 10), 2, Rosso);
        disegno.punto(QPointF(1e300, -1e300), 2, Rosso);
        disegno.punto(QPointF(qQNaN(), 10), 2, Rosso);
        disegno.linea(QPointF(qInf(), 0), QPointF(10, 10), 2, Rosso);
        QCOMPARE(pixelDisegnati(disegno), 0);
        // Half of a dot on the edge is drawn.
        disegno.punto(QPointF(0, 10), 2, Rosso);
        QCOMPARE(pixelDisegnati(disegno), 2);
    }

    void unaLineaVerticaleCopreLeColonneDeiSuoiPunti()
    {
        Disegno disegno;
        disegno.copri(QSize(100, 60), 1);
        disegno.linea(QPointF(55, 0), QPointF(55, 60), 2, Rosso);
        for (int y : {0, 30, 59}) {
            QCOMPARE(disegno.colore(QPointF(54, y)), Rosso);
            QCOMPARE(disegno.colore(QPointF(55, y)), Rosso);
            QVERIFY(!disegno.colore(QPointF(53, y)).isValid());
            QVERIFY(!disegno.colore(QPointF(56, y)).isValid());
        }
        // A slanting line goes through the dots at its ends.
        disegno.linea(QPointF(10.5, 10.5), QPointF(20.5, 40.5), 1, Rosso);
        QCOMPARE(disegno.colore(QPointF(10, 10)), Rosso);
        QCOMPARE(disegno.colore(QPointF(15, 25)), Rosso);
        QCOMPARE(disegno.colore(QPointF(20, 40)), Rosso);
        QVERIFY(!disegno.colore(QPointF(20, 10)).isValid());
        // A line far beyond the area is cut to it, not lost.
        disegno.linea(QPointF(-1e12, 30), QPointF(1e12, 30), 1, Rosso);
        QCOMPARE(disegno.colore(QPointF(0, 30)), Rosso);
        QCOMPARE(disegno.colore(QPointF(99, 30)), Rosso);
    }

    void ilDisegnoResisteQuandoLAreaCresceECancellaSvuota()
    {
        Disegno disegno;
        disegno.copri(QSize(40, 40), 1);
        disegno.punto(QPointF(30, 30), 2, Rosso);
        disegno.copri(QSize(400, 300), 1);
        QCOMPARE(disegno.immagine().size(), QSize(400, 300));
        QCOMPARE(disegno.colore(QPointF(30, 30)), Rosso);
        disegno.copri(QSize(0, 0), 1);
        QCOMPARE(disegno.colore(QPointF(30, 30)), Rosso);
        disegno.cancella();
        QCOMPARE(pixelDisegnati(disegno), 0);
    }

    void ilDisegnoSegueIlRapportoDeiPixel()
    {
        Disegno disegno;
        disegno.copri(QSize(100, 100), 2);
        QCOMPARE(disegno.immagine().size(), QSize(200, 200));
        disegno.punto(QPointF(10, 10), 2, Rosso);
        QCOMPARE(pixelDisegnati(disegno), 16); // a 2-pixel dot is 4 by 4 device pixels
        QCOMPARE(disegno.colore(QPointF(10.5, 10.5)), Rosso);
    }

    void unoSchermoDisegnaNellaScalaUtenteEChiusoPerdeIlDisegno()
    {
        Schermo schermo(QStringLiteral("Prova"), QSize(400, 200), Schermo::Apertura::Normale);
        schermo.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&schermo));
        schermo.setScaleWidth(200);
        schermo.setScaleHeight(100);
        schermo.setDrawWidth(2);
        schermo.PSet(100, 50, QBColor(4));
        QCOMPARE(schermo.disegno().colore(QPointF(200, 100)), QBColor(4));
        QCOMPARE(schermo.Point(100, 50), QBColor(4));
        // Growing the window keeps the drawing where it was.
        schermo.resize(800, 600);
        QCoreApplication::processEvents();
        QCOMPARE(schermo.disegno().colore(QPointF(200, 100)), QBColor(4));
        // What is drawn shows on the window, under its controls.
        QCOMPARE(schermo.grab().toImage().pixelColor(200, 100), QBColor(4));
        schermo.close();
        schermo.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&schermo));
        QVERIFY(!schermo.disegno().colore(QPointF(200, 100)).isValid());
    }
};

QTEST_MAIN(TestSuperficie)
#include "tst_superficie.moc"
