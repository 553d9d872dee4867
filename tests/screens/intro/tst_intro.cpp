#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/intro/caratteri.h"
#include "screens/intro/form1.h"
#include "screens/intro/pagina.h"
#include "surface/controlli.h"
#include "surface/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>

namespace {

// Positions on the page are known to within about three pixels.
constexpr int Tolleranza = 45;

constexpr qreal Pixel(qreal twips) { return twips / TwipsPerPixel; }

QImage disegnaPagina(const Pagina &pagina)
{
    QImage immagine(Pagina::DimensioneNaturale(), QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pagina.disegna(pittore);
    return immagine;
}

bool inchiostro(const QImage &immagine, int x, int y) { return qGray(immagine.pixel(x, y)) < 192; }

// The smallest rectangle holding every inked pixel of `zona`.
QRect limitiInchiostro(const QImage &immagine, QRect zona)
{
    zona &= immagine.rect();
    QRect limiti;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (inchiostro(immagine, x, y))
                limiti |= QRect(x, y, 1, 1);
    return limiti;
}

// The run of inked rows, within the columns [sinistra, destra), that holds row `riga`.
std::pair<int, int> righeInchiostrate(const QImage &immagine, int sinistra, int destra, int riga)
{
    const auto inchiostrata = [&](int y) {
        for (int x = sinistra; x < destra; ++x)
            if (inchiostro(immagine, x, y))
                return true;
        return false;
    };
    int alto = riga, basso = riga;
    while (alto > 0 && inchiostrata(alto - 1))
        --alto;
    while (basso + 1 < immagine.height() && inchiostrata(basso + 1))
        ++basso;
    return {alto, basso};
}

int quantiForm2()
{
    int quanti = 0;
    for (QWidget *finestra : QApplication::topLevelWidgets())
        quanti += qobject_cast<Form2 *>(finestra) != nullptr;
    return quanti;
}

void premi(Qt::Key tasto) { QTest::keyClick(QApplication::focusWidget(), tasto); }

Form1 &mostraForm1()
{
    Form1 &schermo = app::Form1();
    schermo.Show();
    if (!QTest::qWaitForWindowActive(&schermo))
        qFatal("Form1 did not become active");
    return schermo;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { RegistraCaratteri(); }
    void cleanup() { app::ChiudiSchermi(); }

    void iParagrafiDellaPagina()
    {
        const QString formula = QChar(QChar::ObjectReplacementCharacter);
        QStringList attesi = {
            QStringLiteral("PROGRAMMA: Caso ") + formula,
            QString(),
            QStringLiteral("Se il vettore di una figura \u00e8 a sua volta rappresentato"),
            QStringLiteral("dai vettori di due altre figure talch\u00e8:"),
            formula,
            QStringLiteral("\tDove \t") + formula,
            QString(),
            QStringLiteral("e sia anche il rapporto tra gli angoli ") + formula + QStringLiteral(": "),
            QStringLiteral("avremo le curve dedotte dal programma"),
        };
        for (int n = 0; n < 7; ++n)
            attesi << QString();
        attesi << QStringLiteral("\t");

        Pagina pagina;
        QStringList testi;
        for (const Paragrafo &paragrafo : pagina.documento())
            testi << paragrafo.testo();
        QCOMPARE(testi, attesi);
        // The accented letter is one character, not two bytes of another encoding.
        QCOMPARE(testi[2].count(QChar(0xE8)), 1);
        QCOMPARE(testi[2].size(), 55);
    }

    void leFormule()
    {
        Pagina pagina;
        QStringList formule;
        for (const Paragrafo &paragrafo : pagina.documento())
            for (const formule::Pezzo &formula : paragrafo.formule())
                formule << formula->testo();
        const QString ellisse = QStringLiteral("bar(OA_%1)^2=ELLISSE\u2009 %2\u2009=(q%3α_%1)^2+(m%4α_%1)^2");
        QCOMPARE(formule, (QStringList{
                              QStringLiteral("f(x,y)=f[f(α_1),f(α_2)]"),
                              QStringLiteral("{bar(OA)cos\u03d5=bar(OA_1) ; bar(OA)sin\u03d5=bar(OA_2)}"
                                             "        quindi      bar(OA)^2=bar(OA_1)^2+bar(OA_2)^2"),
                              QStringLiteral("{%1 ; %2}")
                                  .arg(ellisse.arg(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("cos"),
                                                   QStringLiteral("sin")),
                                       ellisse.arg(QStringLiteral("2"), QStringLiteral("B"), QStringLiteral("cos"),
                                                   QStringLiteral("sin"))),
                              QStringLiteral("α_2/α_1=d"),
                          }));
    }

    void ilContenutoStaInAltoASinistra()
    {
        Pagina pagina;
        const QImage immagine = disegnaPagina(pagina);
        QCOMPARE(immagine.size(), QSize(681, 523));
        const QRect angolo = Twips(0, 0, 7100, 4400);
        // Paragraph 3 is the one exception: its 55 characters of 12-point monospaced
        // text reach 600 + 55 × 144 = 8520 twips, still well inside the view.
        const QRectF riga3 = pagina.impaginazione()[2].linea;
        int fuori = 0;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x) {
                if (!inchiostro(immagine, x, y) || angolo.contains(x, y))
                    continue;
                const bool inRiga3 = y >= riga3.top() && y <= riga3.bottom() && x < Pixel(8520 + Tolleranza);
                fuori += !inRiga3;
            }
        QCOMPARE(fuori, 0);
        // It is there, though, and ends where the monospaced body puts it.
        const QRect limiti = limitiInchiostro(immagine, riga3.toAlignedRect());
        QVERIFY(qAbs(limiti.right() - Pixel(8520)) < Pixel(Tolleranza));
    }

    void lePosizioniDelleRighe_data()
    {
        QTest::addColumn<int>("paragrafo");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("finoA"); // the body text's columns, in twips
        QTest::newRow("1") << 0 << 240 << 600 + 16 * 144;
        QTest::newRow("3") << 2 << 820 << 8000;
        QTest::newRow("4") << 3 << 1085 << 6000;
        QTest::newRow("8") << 7 << 3410 << 600 + 39 * 144;
        QTest::newRow("9") << 8 << 4075 << 6000;
    }
    void lePosizioniDelleRighe()
    {
        QFETCH(int, paragrafo);
        QFETCH(int, alto);
        QFETCH(int, finoA);
        Pagina pagina;
        const QImage immagine = disegnaPagina(pagina);
        const QFontMetricsF corpo(CarattereCorpo());
        // The text's ink sits in its line: below the line's top, above its bottom.
        const qreal base = pagina.impaginazione()[paragrafo].base;
        const auto [su, giu] = righeInchiostrate(immagine, 0, Pixel(finoA), int(base) - 2);
        if (paragrafo == 7) {
            // Paragraph 8's text stands on the fraction's line, whose top is the fraction's.
            QVERIFY(su >= base - corpo.ascent() - 1);
        } else {
            QVERIFY2(su >= Pixel(alto - Tolleranza), qPrintable(QString::number(su * 15)));
            QVERIFY2(giu <= Pixel(alto + 272 + Tolleranza), qPrintable(QString::number(giu * 15)));
            QVERIFY2(giu - su >= 9, "a line of text is drawn there");
        }
        // Lines start about 600 twips from the left.
        const QRect limiti = limitiInchiostro(immagine, QRect(0, su, Pixel(finoA), giu - su + 1));
        QVERIFY2(qAbs(limiti.left() - Pixel(600)) <= 3, qPrintable(QString::number(limiti.left() * 15)));
    }

    void lePosizioniDelleFormule_data()
    {
        QTest::addColumn<int>("paragrafo");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("basso");
        QTest::newRow("formula 2") << 4 << 1440 << 1930;
        QTest::newRow("formula 3") << 5 << 2170 << 2860;
        QTest::newRow("formula 4") << 7 << 3410 << 3810;
    }
    void lePosizioniDelleFormule()
    {
        QFETCH(int, paragrafo);
        QFETCH(int, alto);
        QFETCH(int, basso);
        Pagina pagina;
        const QImage immagine = disegnaPagina(pagina);
        const QRectF formula = pagina.impaginazione()[paragrafo].formule.value(0);
        QVERIFY(formula.isValid());
        // Look a little above and below where the formula should be.
        const QRect zona(QPoint(formula.left() - 2, Pixel(alto - 90)), QPoint(formula.right() + 2, Pixel(basso + 90)));
        const QRect limiti = limitiInchiostro(immagine, zona);
        QVERIFY2(qAbs(limiti.top() - Pixel(alto)) <= Pixel(Tolleranza), qPrintable(QString::number(limiti.top() * 15)));
        QVERIFY2(qAbs(limiti.bottom() + 1 - Pixel(basso)) <= Pixel(Tolleranza),
                 qPrintable(QString::number((limiti.bottom() + 1) * 15)));
        QVERIFY(limiti.right() <= Pixel(7100));
    }

    void leTabulazioni()
    {
        Pagina pagina;
        const QImage immagine = disegnaPagina(pagina);
        const Pagina::Riga dove = pagina.impaginazione()[5];
        // "Dove" at the first half-inch stop; its 5 characters end right on the
        // second, so the formula goes on to the third (600 + 3 × 720 twips).
        const QRect parola = limitiInchiostro(immagine, QRect(0, dove.base - 12, Pixel(2000), 14));
        QVERIFY2(qAbs(parola.left() - Pixel(1320)) <= 2, qPrintable(QString::number(parola.left() * 15)));
        QCOMPARE(qRound(dove.formule.value(0).left() * TwipsPerPixel), 2760);
    }

    void leQuadreSonoDiCirca17Punti()
    {
        Pagina pagina;
        const QImage immagine = disegnaPagina(pagina);
        const QRectF formula = pagina.impaginazione()[0].formule.value(0);
        // The brackets are the tallest ink of formula 1.
        const QRect limiti = limitiInchiostro(immagine, formula.toAlignedRect().adjusted(-2, -8, 2, 8));
        const auto altezza = [](qreal punti) {
            return QFontMetricsF(CarattereFormule(punti, Forma::Diritta)).tightBoundingRect(QStringLiteral("[")).height();
        };
        QVERIFY2(limiti.height() >= altezza(15.5) && limiti.height() <= altezza(18.5) + 1,
                 qPrintable(QString::number(limiti.height())));
    }

    void laVistaMostraLaPaginaDalSuoAngolo()
    {
        Form1 &schermo = mostraForm1();
        QCOMPARE(schermo.OLE1->geometry(), Twips(570, 210, 9495, 6135));
        QCOMPARE(schermo.Command1->geometry(), Twips(3600, 5640, 2895, 855));
        // The button lies over the view's lower strip.
        QCOMPARE(schermo.childAt(Twips(570 + 4000, 210 + 6000, 1, 1).topLeft()), schermo.Command1);

        const QImage pagina = disegnaPagina(*schermo.OLE1);
        const QImage vista = schermo.OLE1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(vista.size(), Twips(0, 0, 9495, 6135).size());
        int diversi = 0;
        for (int y = 1; y < vista.height() - 1; ++y)
            for (int x = 1; x < vista.width() - 1; ++x)
                diversi += inchiostro(vista, x, y) != inchiostro(pagina, x, y);
        QCOMPARE(diversi, 0);
        QVERIFY(limitiInchiostro(vista, vista.rect().adjusted(1, 1, -1, -1)).isValid());
    }

    void ridimensionareNonSpostaNulla()
    {
        Form1 &schermo = mostraForm1();
        for (const QSize dimensione : {QSize(300, 200), QSize(1200, 900)}) {
            schermo.resize(dimensione);
            QCOMPARE(schermo.OLE1->geometry(), Twips(570, 210, 9495, 6135));
            QCOMPARE(schermo.Command1->geometry(), Twips(3600, 5640, 2895, 855));
        }
    }

    void ilFuocoEInvio()
    {
        Form1 &schermo = mostraForm1();
        QCOMPARE(QApplication::focusWidget(), schermo.OLE1);
        premi(Qt::Key_Return);
        premi(Qt::Key_Enter);
        QCOMPARE(quantiForm2(), 0);
        QVERIFY(schermo.isActiveWindow());

        premi(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), schermo.Command1);
        premi(Qt::Key_Return);
        QCOMPARE(quantiForm2(), 1);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form2()));
        QCOMPARE(*app::Form2().Incr, 0.51);
        QVERIFY(schermo.isVisible());
    }

    void loSpazioPremeAvanti()
    {
        Form1 &schermo = mostraForm1();
        schermo.Command1->setFocus();
        premi(Qt::Key_Space);
        QCOMPARE(quantiForm2(), 1);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form2()));
    }

    void unSecondoAvanti()
    {
        Form1 &schermo = mostraForm1();
        QTest::mouseClick(schermo.Command1, Qt::LeftButton);
        Form2 &form2 = app::Form2();
        QVERIFY(QTest::qWaitForWindowActive(&form2));

        // Back to Form1, with the calibration moved on, and "AVANTI" again.
        form2.Incr = 0.7;
        schermo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&schermo));
        QTest::mouseClick(schermo.Command1, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&form2));
        QCOMPARE(quantiForm2(), 1);
        QCOMPARE(*form2.Incr, 0.51);
        QVERIFY(schermo.isVisible());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_intro.moc"
