// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "screens/intro/caratteri.h"
#include "screens/intro/pagina.h"
#include "surface/twips.h"

#include <QPainter>

namespace {

// The runs of rows of the page, in twips from its top, that hold ink within the columns given.
QList<QPair<int, int>> righeInchiostrate(int sinistra, int destra)
{
    QImage vista(Twips(0, 0, 9495, 6135).size(), QImage::Format_RGB32);
    vista.fill(Qt::white);
    QPainter pittore(&vista);
    Pagina().disegna(pittore);
    QList<QPair<int, int>> righe;
    for (int y = 0; y < vista.height(); ++y)
        for (int x = Twips(sinistra); x < Twips(destra); ++x)
            if (qGray(vista.pixel(x, y)) < 192) {
                if (righe.isEmpty() || righe.last().second != (y - 1) * TwipsPerPixel)
                    righe.append({y * TwipsPerPixel, 0});
                righe.last().second = y * TwipsPerPixel;
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

    // Where lines and formulas stand, in twips, to within three pixels.
    void laPagina_data()
    {
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("basso");
        QTest::addRow("line 3") << 820 << 1085;
        QTest::addRow("formula 2") << 1440 << 1930;
        QTest::addRow("formula 3") << 2170 << 2860;
        QTest::addRow("line 9") << 4075 << 4347;
    }
    void laPagina()
    {
        QFETCH(int, alto);
        QFETCH(int, basso);
        const auto righe = righeInchiostrate(600, 7100);
        QVERIFY2(
            std::any_of(righe.begin(), righe.end(),
                        [&](auto r) { return std::abs(r.first - alto) <= 45 && std::abs(r.second - basso) <= 45; }),
            qPrintable(QDebug::toString(righe)));
        QVERIFY(righeInchiostrate(30, 585).isEmpty()); // the left margin
        // Only line 3, 55 characters long, reaches past 7100 twips.
        const auto destra = righeInchiostrate(7100, 9495);
        QCOMPARE(destra.size(), 1);
        QVERIFY(destra[0].first >= 820);
        QVERIFY(destra[0].second <= 1085);
    }

    void leTabulazioni()
    {
        // "\tDove \t" before formula 3: the word at the first stop, 1320 twips, nothing before it.
        const auto nelleRighe = [](const QList<QPair<int, int>> &righe) {
            return std::any_of(righe.begin(), righe.end(), [](auto r) { return r.first >= 2100 && r.second <= 2900; });
        };
        QVERIFY(!nelleRighe(righeInchiostrate(600, 1300)));
        QVERIFY(nelleRighe(righeInchiostrate(1320, 1360)));
    }
};

QTEST_MAIN(TestIntro)
#include "tst_intro.moc"
