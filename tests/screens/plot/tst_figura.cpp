// SPDX-License-Identifier: GPL-3.0-or-later
// The figure taken out of the plot: copied, saved, put on a page; and the animation of
// how its last curve is made.
#include "aiuti.h"
#include "screens/plot/foglio.h"
#include "surface/esporta.h"
#include "surface/pulsante.h"

#include <QAccessible>
#include <QBitmap>
#include <QClipboard>
#include <QPainter>

class TestFigura : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { app::ChiudiSchermi(); }

    // At every angle the animated point lies on the dot that CALCOLA drew for it.
    void ilPuntoCadeSullaCurva_data()
    {
        QTest::addColumn<QList<Costante>>("costanti");
        QTest::addColumn<int>("Alfa");
        const QList<Costante> lissajous{40.0, 0.0, 0.0, 30.0, 3.0}, aperta{30.0, 10.0, 20.0, 15.0, 1.5};
        for (int Alfa : {0, 137, 250})
            QTest::addRow("20 15 10 5 2, %d", Alfa) << Tipiche << Alfa;
        for (int Alfa : {20, 100})
            QTest::addRow("40 0 0 30 3, %d", Alfa) << lissajous << Alfa;
        QTest::addRow("30 10 20 15 1.5, 300") << aperta << 300;
    }
    void ilPuntoCadeSullaCurva()
    {
        QFETCH(QList<Costante>, costanti);
        QFETCH(int, Alfa);
        Form4 &f = attiva(costanti);
        f.MostraComeNasce();
        f.animazione().passo(Alfa);
        const QPointF punto = f.animazione().punto().value();
        QCOMPARE(f.disegno().colore(punto), QBColor(1));
        f.MostraComeNasce(); // and so on screen, at any display scaling, without the point over it
        const QImage schermo = f.grab().toImage();
        QCOMPARE(schermo.pixelColor((punto * schermo.devicePixelRatio()).toPoint()), QBColor(1));
    }

    // A point with no dot, beyond the axes or not a number, shows neither itself nor its
    // vectors: the readout says why.
    void ilPuntoSenzaPunto()
    {
        Form4 &f = attiva({1.7e308, 1.7e308, 0.0, 0.0, 1.0});
        const QImage disegno = f.grab().toImage();
        f.MostraComeNasce();
        f.animazione().passo(45); // A's component overflows
        QCOMPARE(f.animazione().lettura(), QStringLiteral("α₁ = 45°: il punto non si può calcolare"));
        QCOMPARE(f.grab().toImage().copy(0, 100, 1000, 410), disegno.copy(0, 100, 1000, 410)); // below the readout
        f.animazione().passo(-45);
        QCOMPARE(f.animazione().lettura(), QStringLiteral("α₁ = 0°: il punto cade fuori dal disegno"));
    }

    void lAnimazioneNonTocca()
    {
        Form4 &f = attiva(Tipiche);
        const QImage prima = f.disegno().immagine();
        f.MostraComeNasce();
        f.animazione().avanza();
        f.animazione().passo(89);
        f.grab(); // painted with the overlay
        QCOMPARE(f.disegno().immagine(), prima);
        QCOMPARE(app::Form3().Miocolor, std::int16_t(1));
        QTRY_COMPARE(QAccessible::queryAccessibleInterface(f.findChild<QObject *>(QStringLiteral("disegno")))
                         ->text(QAccessible::Name),
                     f.animazione().lettura());
        QVERIFY(f.animazione().lettura().contains(QStringLiteral("90°; x = 15,0; y = \u221210,0")));
        f.Command1_Click(); // "RIPRENDI" ends it
        QVERIFY(!f.animazione().attiva());
    }

    // On paper the dots are where the screen has them, the figure as large as fits, centred:
    // here twice the screen's size, 190 pixels down.
    void ilFoglioComeLoSchermo()
    {
        Form4 &f = attiva({30.0, 10.0, 20.0, 15.0, 1.5});
        QImage pagina(2000, 1400, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter pittore(&pagina);
        DisegnaFoglio(pittore, pagina.rect(), f.tracciati(), false);
        pittore.end();
        const auto blu = [](const QImage &immagine) { // the smallest rectangle of the curve's pixels
            return QRegion(QBitmap::fromImage(immagine.createMaskFromColor(QBColor(1).rgb(), Qt::MaskOutColor)))
                .boundingRect();
        };
        const QRect sulFoglio = blu(pagina), sulloSchermo = blu(ImmagineDelDisegno(f.disegno()));
        QVERIFY((sulFoglio.topLeft() - sulloSchermo.topLeft() * 2 - QPoint(0, 190)).manhattanLength() <= 2);
        QVERIFY((sulFoglio.bottomRight() - sulloSchermo.bottomRight() * 2 - QPoint(0, 190)).manhattanLength() <= 4);
    }

    // At any display scaling (this test runs again at 1.25, 1.5 and 2) the copy and the
    // PNG are the drawing as the screen shows it, pixel for pixel, on the same white.
    void laCopiaEIlPngComeLoSchermo()
    {
        Form4 &f = attiva(Tipiche);
        f.Command1->hide(), f.Command2->hide(), f.Command3->hide();
        f.setPalette(QPalette(Qt::white)); // the screen on the white ground of paper
        QImage schermo = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        f.CopiaLaFigura();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), schermo);
        QImage parte(schermo.size(), QImage::Format_RGB32);    // a part painted alone, as a step of the animation
        parte.setDevicePixelRatio(schermo.devicePixelRatio()); // repaints it, has the same pixels
        const QRect zona(501, 201, 101, 101),
            pixel = QRectF(zona.topLeft() * f.devicePixelRatioF(), zona.size() * f.devicePixelRatioF()).toRect();
        f.render(&parte, zona.topLeft(), zona);
        QCOMPARE(parte.copy(pixel.adjusted(1, 1, -1, -1)), schermo.copy(pixel.adjusted(1, 1, -1, -1)));
        schermo.setDevicePixelRatio(1); // a file has pixels only
        QCOMPARE(QImage::fromData(Png(ImmagineDelDisegno(f.disegno()))).convertToFormat(QImage::Format_RGB32), schermo);
    }

    // A save that fails, or has nothing to write, leaves the file that was there, and the
    // message names the file and why; a name of another type gets the chosen type's suffix.
    void ilFileCheCEraResta()
    {
        QTemporaryDir cartella;
        const QString nome = cartella.filePath(QStringLiteral("figura.png"));
        QString perche;
        QVERIFY(ScriviFile(nome, "vecchio", perche) && !ScriviFile(nome, QByteArray(), perche));
        Messaggi messaggi;
        QVERIFY(!attiva(Tipiche).SalvaLaFiguraIn(nome + QStringLiteral("/figura.png")));
        QFile vecchio(nome);
        QVERIFY(vecchio.open(QIODevice::ReadOnly) && vecchio.readAll() == "vecchio");
        const QString detto = "Ordelio:Non è stato possibile salvare la figura nel file\n" + nome + "/figura.png\n\n";
        QVERIFY(messaggi.testi.value(0).startsWith(detto));
        QVERIFY(messaggi.testi.value(0).startsWith(detto + "La cartella " + nome + " non esiste.")); // and why
        // The type of the file is the one its name says, whatever the list of types shows.
        QCOMPARE(NomeConSuffisso(QStringLiteral("figura.jpg"),
                                 QStringLiteral("Immagine PNG (*.png);;Documento PDF (*.pdf)"),
                                 QStringLiteral("Documento PDF (*.pdf)")),
                 QStringLiteral("figura.jpg.pdf"));
        QCOMPARE(NomeConSuffisso(QStringLiteral("figura."), QStringLiteral("Immagine PNG (*.png)"),
                                 QStringLiteral("Immagine PNG (*.png)")),
                 QStringLiteral("figura.png"));
    }

    // However many curves, the figure keeps half the page, and the heading goes on over
    // the pages after it.
    void unaLungaIntestazione()
    {
        Form4 &f = attiva(Tipiche);
        for (double d = 1.000000000000001; d < 1.00000000000005; d += 1e-15) {
            app::Form3().VALe = d;
            f.Form_Activate();
        }
        QImage pagina(700, 400, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter pittore(&pagina);
        DisegnaFoglio(pittore, pagina.rect(), f.tracciati(), true);
        pittore.end();
        QVERIFY(conta(pagina, Qt::black, QRect(0, 200, 700, 200)) > 300); // the axes
        QVERIFY(FiguraInPdf(f.tracciati(), true).count("/Type /Page\n") > 1);
    }

    // The animation's keys through the screen's own shortcuts, as the user presses them.
    void iTastiDellAnimazione()
    {
        Form4 &f = attiva(Tipiche);
        QVERIFY(mostra(f));
        const Animazione &a = f.animazione();
        const auto tasti = [&](std::initializer_list<Qt::Key> elenco) {
            for (Qt::Key tasto : elenco)
                QTest::keyClick(&f, tasto);
        };
        tasti({Qt::Key_F5, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}); // runs; a degree on, paused
        QVERIFY(a.attiva() && a.inPausa() && a.Alfa() == 1);
        tasti({Qt::Key_Left, Qt::Key_Left, Qt::Key_Space}); // not below 0; runs on
        QVERIFY(!a.inPausa() && a.Alfa() == 0);
        tasti({Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus});
        QCOMPARE(a.millisecondiPerGrado(), 12); // the fastest: a turn in 4.5 seconds
        tasti({Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus});
        QCOMPARE(a.millisecondiPerGrado(), 100); // the slowest: a turn in 36 seconds
        f.animazione().passo(359);
        tasti({Qt::Key_Space});
        f.animazione().avanza(); // at 360 it stops there, paused
        QVERIFY(a.inPausa() && a.Alfa() == 360);
        tasti({Qt::Key_Space}); // and runs on from 0
        QVERIFY(!a.inPausa() && a.Alfa() == 0);
        tasti({Qt::Key_Escape});
        QVERIFY(!a.attiva());
        tasti({Qt::Key_F5});
        QVERIFY(a.attiva());
        tasti({Qt::Key_F5});
        QVERIFY(!a.attiva());
    }

    // In the projector mode each colour of the sequence, as the plot draws it, reads at
    // 4.5:1 or more on white, in its own hue.
    void ilProiettoreSiLegge_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 1; i <= 15; ++i)
            QTest::addRow("%d", i) << i;
    }
    void ilProiettoreSiLegge()
    {
        QFETCH(int, indice);
        app::Form3().Miocolor = std::int16_t(indice - 1);
        Form4 &f = attiva(Tipiche);
        f.setProiettore(true);
        const PuntoCurva p = f.tracciati().ultimaCurva()->punto(0);
        const QColor c = f.disegno().colore(f.tracciati().ultimaCurva()->pixel(p.x, p.y));
        const auto L = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        QVERIFY(1.05 / (0.2126 * L(c.redF()) + 0.7152 * L(c.greenF()) + 0.0722 * L(c.blueF()) + 0.05) >= 4.5);
        QCOMPARE(c.hsvHue(), QBColor(indice).hsvHue());
    }

    // A dot in the projector mode is 3 pixels wide or more; the mode turned off gives the
    // plot back as it was.
    void unPuntoDaProiettore()
    {
        Form4 &f = attiva({0.0, 0.0, 0.0, 0.0, 1.0}); // every dot on the crossing of the axes
        const QImage prima = f.disegno().immagine();
        f.setProiettore(true);
        QVERIFY(conta(ImmagineDelDisegno(f.disegno()), QBColor(1)) >= 9);
        f.setProiettore(false);
        QCOMPARE(f.disegno().immagine(), prima);
    }

    void lElencoDelleCurve()
    {
        Form4 &f = attiva(Tipiche);
        for (int i = 0; i < 20; ++i)
            f.Form_Activate();
        QCOMPARE(f.tracciati().elenco().size(), 15u); // one a colour: a curve drawn again covers its twin
        f.Command2_Click();
        QVERIFY(f.tracciati().elenco().empty());
    }
};

QTEST_MAIN(TestFigura)
#include "tst_figura.moc"
