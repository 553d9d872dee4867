#include "aiuti.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/intro/caratteri.h"
#include "screens/intro/form1.h"
#include "screens/intro/pagina.h"
#include "surface/controlli.h"
#include "surface/twips.h"

#include <QPainter>

namespace {

// The page as the view shows it, from its top-left corner.
QImage vista()
{
    Pagina pagina;
    QImage immagine(Twips(0, 0, 9495, 6135).size(), QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pagina.disegna(pittore);
    return immagine;
}

// The runs of rows, in twips from the top, that hold ink within the columns given.
QList<QPair<int, int>> righeInchiostrate(const QImage &vista, int sinistra, int destra)
{
    QList<QPair<int, int>> righe;
    for (int y = 0; y < vista.height(); ++y)
        for (int x = Twips(sinistra); x < Twips(destra) && x < vista.width(); ++x)
            if (qGray(vista.pixel(x, y)) < 192) {
                if (!righe.isEmpty() && righe.last().second == (y - 1) * TwipsPerPixel)
                    righe.last().second = y * TwipsPerPixel;
                else
                    righe.append({y * TwipsPerPixel, y * TwipsPerPixel});
                break;
            }
    return righe;
}

} // namespace

class TestIntro : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { RegistraCaratteri(); }
    void cleanup() { app::ChiudiSchermi(); }

    // Where lines and formulas stand, in twips, to within three pixels.
    void laPagina_data()
    {
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("basso");
        QTest::newRow("line 3") << 820 << 1085;
        QTest::newRow("line 4") << 1085 << 1357;
        QTest::newRow("formula 2") << 1440 << 1930;
        QTest::newRow("formula 3") << 2170 << 2860;
        QTest::newRow("formula 4") << 3410 << 3810;
        QTest::newRow("line 9") << 4075 << 4347;
    }
    void laPagina()
    {
        QFETCH(int, alto);
        QFETCH(int, basso);
        const auto righe = righeInchiostrate(vista(), 600, 7100);
        QVERIFY2(std::any_of(righe.begin(), righe.end(), [&](auto r) {
                     return std::abs(r.first - alto) <= 45 && std::abs(r.second - basso) <= 45;
                 }), qPrintable(QDebug::toString(righe)));
    }

    void iMargini()
    {
        const QImage immagine = vista();
        QVERIFY(righeInchiostrate(immagine, 30, 585).isEmpty());
        // Only line 3, 55 characters long, reaches past 7100 twips.
        const auto aDestra = righeInchiostrate(immagine, 7100, 9495);
        QCOMPARE(aDestra.size(), 1);
        QVERIFY(aDestra[0].first >= 820 && aDestra[0].second <= 1085);
    }

    void avanti()
    {
        Form1 &f = app::Form1();
        QVERIFY(mostra(f));
        QTest::keyClick(f.OLE1, Qt::Key_Return); // the page is only shown
        QVERIFY(app::Form2().isHidden());
        f.Command1->setFocus();
        QTest::keyClick(f.Command1, Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form2()));
    }
};

QTEST_MAIN(TestIntro)
#include "tst_intro.moc"
