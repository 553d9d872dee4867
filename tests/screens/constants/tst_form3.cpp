#include "app/schermi.h"
#include "messaggi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"
#include "surface/controlli.h"
#include "surface/palette.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);

QColor sfondo(const QLineEdit *casella)
{
    return casella->palette().color(QPalette::Base);
}

QList<QLineEdit *> caselle(Form3 &schermo)
{
    return {schermo.Text1, schermo.Text2, schermo.Text3, schermo.Text4, schermo.Text5};
}

// The constants screen on the desktop, active, with the plot screen's factor set.
Form3 &mostraForm3()
{
    app::Form2().Incr = 0.51;
    Form3 &schermo = app::Form3();
    schermo.Show();
    if (!QTest::qWaitForWindowActive(&schermo))
        qFatal("the constants screen did not become active");
    return schermo;
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { app::ChiudiSchermi(); }

    void loSchermoComeSiPresenta()
    {
        Form3 &schermo = app::Form3();
        QCOMPARE(schermo.windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(schermo.Label1->text(), QStringLiteral("IMPOSTARE I VALORI DELLE COSTANTI"));
        QCOMPARE(schermo.Label1->palette().color(QPalette::WindowText), Rosso);
        QVERIFY(schermo.Label1->font().bold());
        QCOMPARE(schermo.Label2->text(), QStringLiteral(" Asse Maggiore"));
        QCOMPARE(schermo.Label4->text(), QStringLiteral("Asse Minore"));
        QCOMPARE(schermo.Label6->text().size(), 90);
        QVERIFY(schermo.Label6->text().startsWith(QStringLiteral("  Rapporto tra gli angoli Parametrici:          alfa")));
        QStringList testi;
        for (QLineEdit *casella : caselle(schermo))
            testi << casella->text();
        QCOMPARE(testi, QStringList({"20", "15", "10", "5", "2"}));
        // Before the first "AVANTI" nothing has been read.
        QVERIFY(std::holds_alternative<std::monostate>(schermo.VALa));
        QVERIFY(std::holds_alternative<std::monostate>(schermo.VALe));
        // Text3 lies inside the frame of ellipse B, at its own place.
        QCOMPARE(schermo.Text3->parentWidget(), static_cast<QWidget *>(schermo.Frame2));
        QCOMPARE(schermo.Text3->geometry(), QRect(96, 24, 41, 33));
    }

    void lOrdineDelFuoco()
    {
        Form3 &schermo = mostraForm3();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(schermo.Command2));
        const QList<QWidget *> attesi = {schermo.Command1, schermo.Text1, schermo.Text2,
                                         schermo.Text3,    schermo.Text4, schermo.Text5, schermo.Command2};
        for (QWidget *atteso : attesi) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), atteso);
        }
    }

    void AVANTISulloSchermoIntattoMostraIlGrafico()
    {
        Form3 &schermo = mostraForm3();
        Messaggi messaggi;
        schermo.Command2_Click();
        QCOMPARE(std::get<double>(schermo.VALa), 20.0);
        QCOMPARE(std::get<double>(schermo.VALb), 15.0);
        QCOMPARE(std::get<double>(schermo.VALc), 10.0);
        QCOMPARE(std::get<double>(schermo.VALd), 5.0);
        QCOMPARE(std::get<double>(schermo.VALe), 2.0);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form4()));
        QVERIFY(schermo.isVisible());
        QVERIFY(messaggi.testi.isEmpty());
        QCOMPARE(schermo.Miocolor, std::int16_t(1));
    }

    void ogniCasellaHaIlSuoMessaggio_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("Text1") << 0 << QStringLiteral("Asse Magg.di A non è un numero");
        QTest::newRow("Text2") << 1 << QStringLiteral("Asse Min. di A non è un numero");
        QTest::newRow("Text3") << 2 << QStringLiteral("Asse Magg. di B non è un numero");
        QTest::newRow("Text4") << 3 << QStringLiteral("Asse Min. di B non è un numero");
        QTest::newRow("Text5") << 4 << QStringLiteral("Rapporto non è un numero");
    }
    void ogniCasellaHaIlSuoMessaggio()
    {
        QFETCH(int, indice);
        QFETCH(QString, messaggio);
        Form3 &schermo = app::Form3();
        QLineEdit *casella = caselle(schermo)[indice];
        casella->setText(QStringLiteral("abc"));
        QString testoDuranteIlMessaggio;
        QColor coloreDuranteIlMessaggio;
        Messaggi messaggi([&] {
            testoDuranteIlMessaggio = casella->text();
            coloreDuranteIlMessaggio = sfondo(casella);
        });
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi, QStringList{messaggio});
        QCOMPARE(messaggi.titoli, QStringList{QStringLiteral("Ordelio")});
        QCOMPARE(messaggi.pulsanti, QList<qsizetype>{1});
        QCOMPARE(messaggi.icone, QList<bool>{false});
        QCOMPARE(testoDuranteIlMessaggio, QStringLiteral("abc"));
        QCOMPARE(coloreDuranteIlMessaggio, Bianco);
        QCOMPARE(casella->text(), QString());
        QCOMPARE(sfondo(casella), Rosso);
    }

    void laCatenaSiFermaAlPrimoRifiuto()
    {
        Form3 &schermo = mostraForm3();
        schermo.Miocolor = 9;
        schermo.Text2->setText(QStringLiteral("x"));
        schermo.Text3->setText(QStringLiteral("abc"));
        schermo.Text4->setText(QStringLiteral("y"));
        Messaggi messaggi;
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Asse Min. di A non è un numero")});
        QCOMPARE(std::get<double>(schermo.VALa), 20.0);
        QVERIFY(Rifiutata(schermo.VALb));
        QVERIFY(std::holds_alternative<std::monostate>(schermo.VALc));
        QCOMPARE(schermo.Text4->text(), QStringLiteral("y"));
        QCOMPARE(sfondo(schermo.Text4), Bianco);
        QCOMPARE(schermo.Miocolor, std::int16_t(9));

        // Straight away again: the now empty box is refused with the same message.
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi.size(), 2);
        QCOMPARE(messaggi.testi.last(), QStringLiteral("Asse Min. di A non è un numero"));

        // Corrected, the chain goes on to the next bad box.
        schermo.Text2->setText(QStringLiteral("4"));
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi.last(), QStringLiteral("Asse Magg. di B non è un numero"));
        QCOMPARE(std::get<double>(schermo.VALb), 4.0);
        QVERIFY(Rifiutata(schermo.VALc));
        QVERIFY(std::holds_alternative<std::monostate>(schermo.VALd));
        QCOMPARE(app::Form4().isVisible(), false);
    }

    void unaCasellaRossaRestaRossaFinoAllaProssimaAttivazione()
    {
        Form3 &schermo = mostraForm3();
        schermo.Text1->setText(QStringLiteral("?"));
        Messaggi messaggi;
        schermo.Command2_Click();
        schermo.Text1->setText(QStringLiteral("-3"));
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi.size(), 1);
        QCOMPARE(std::get<double>(schermo.VALa), -3.0);
        QCOMPARE(sfondo(schermo.Text1), Rosso);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form4()));
        app::Form4().Command1_Click(); // "RIPRENDI"
        QVERIFY(QTest::qWaitForWindowActive(&schermo));
        for (QLineEdit *casella : caselle(schermo))
            QCOMPARE(sfondo(casella), Bianco);
        QCOMPARE(schermo.Text1->text(), QStringLiteral("-3"));
        QCOMPARE(std::get<double>(schermo.VALa), -3.0);
    }

    void laGammaDelColore_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("dopo");
        QTest::newRow("-1") << -1 << 0;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("6") << 6 << 6;
        QTest::newRow("7") << 7 << 0;
        QTest::newRow("15") << 15 << 0;
    }
    void laGammaDelColore()
    {
        QFETCH(int, prima);
        QFETCH(int, dopo);
        Form3 &schermo = app::Form3();
        app::Form2().Incr = 0.51;
        schermo.Miocolor = std::int16_t(prima);
        schermo.Command2_Click();
        // The plot screen's activation adds one when it comes.
        QCOMPARE(schermo.Miocolor, std::int16_t(dopo));
    }

    void lOrdineDeiColoriDiOttoCurve()
    {
        Form3 &schermo = mostraForm3();
        Form4 &plot = app::Form4();
        QList<int> colori;
        for (int curva = 0; curva < 8; ++curva) {
            schermo.Command2_Click();
            QVERIFY(QTest::qWaitForWindowActive(&plot));
            colori << schermo.Miocolor;
            QCOMPARE(plot.Point(130, float(plot.CY + 10)), QBColor(schermo.Miocolor));
            plot.Command1_Click();
            QVERIFY(QTest::qWaitForWindowActive(&schermo));
        }
        QCOMPARE(colori, QList<int>({1, 2, 3, 4, 5, 6, 7, 1}));
    }

    void ilSeparatoreDecimaleItaliano()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        Form3 &schermo = app::Form3();
        app::Form2().Incr = 0.51;
        schermo.Text5->setText(QStringLiteral("2,5"));
        schermo.Text4->setText(QStringLiteral("0"));
        schermo.Command2_Click();
        QCOMPARE(std::get<double>(schermo.VALe), 2.5);
        QCOMPARE(std::get<double>(schermo.VALd), 0.0);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
