// SPDX-License-Identifier: GPL-3.0-or-later
// The figure taken out of the plot: copied, saved, put on a page; and the animation of
// how its last curve is made.
#include "aiuti.h"
#include "screens/plot/foglio.h"

#include <QAccessible>
#include <QClipboard>
#include <QPainter>

namespace {

// The smallest rectangle holding every pixel that is not white.
QRect disegnato(const QImage &immagine)
{
    QRect r;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (immagine.pixel(x, y) != qRgb(255, 255, 255))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

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
        QCOMPARE(f.disegno().colore(f.animazione().punto()), QBColor(1));
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

    void laPaginaHaLaFormaDelloSchermo()
    {
        Form4 &f = attiva({0.0, 0.0, 0.0, 0.0, 0.0}); // axes, and the dots on their crossing
        QImage pagina(1400, 1000, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter pittore(&pagina);
        DisegnaFoglio(pittore, pagina.rect(), f.tracciati(), false);
        pittore.end();
        const QRect figura = disegnato(pagina); // the axes reach its edges
        QCOMPARE(qRound(figura.width() * 510.0 / figura.height()), 1000);
    }

    void laCopiaEIlSalvataggio()
    {
        Form4 &f = attiva(Tipiche);
        f.CopiaLaFigura();
        QCOMPARE(conta(QGuiApplication::clipboard()->image(), QBColor(1)), conta(f.disegno().immagine(), QBColor(1)));
        Messaggi messaggi;
        QVERIFY(!f.SalvaLaFiguraIn(QStringLiteral("/non/esiste/figura.pdf")));
        QCOMPARE(messaggi.testi,
                 QStringList(QStringLiteral(
                     "Ordelio:Non è stato possibile salvare la figura nel file\n/non/esiste/figura.pdf")));
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
