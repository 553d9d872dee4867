#include "aiuti.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"

#include <QLineEdit>

namespace {

const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);

QColor sfondo(const QLineEdit *casella) { return casella->palette().color(QPalette::Base); }

QList<QLineEdit *> caselle(Form3 &f) { return {f.Text1, f.Text2, f.Text3, f.Text4, f.Text5}; }

QList<Costante *> costanti(Form3 &f) { return {&f.VALa, &f.VALb, &f.VALc, &f.VALd, &f.VALe}; }

Form3 &mostraForm3()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    app::Form2().Incr = 0.51;
    Form3 &f = app::Form3();
    if (!mostra(f))
        qFatal("Form3 did not become active");
    return f;
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    // Each box in turn: the first one that is not a number stops the chain.
    void laCatenaDeiControlli_data()
    {
        QTest::addColumn<int>("cattiva");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("Text1") << 0 << "Asse Magg.di A non è un numero";
        QTest::newRow("Text2") << 1 << "Asse Min. di A non è un numero";
        QTest::newRow("Text3") << 2 << "Asse Magg. di B non è un numero";
        QTest::newRow("Text4") << 3 << "Asse Min. di B non è un numero";
        QTest::newRow("Text5") << 4 << "Rapporto non è un numero";
    }
    void laCatenaDeiControlli()
    {
        QFETCH(int, cattiva);
        QFETCH(QString, messaggio);
        Form3 &f = mostraForm3();
        f.Miocolor = 9;
        for (int i = cattiva; i < 5; ++i)
            caselle(f)[i]->setText(QStringLiteral("2.5")); // not a number with a decimal comma
        QColor coloreDuranteIlMessaggio;
        Messaggi messaggi([&] { coloreDuranteIlMessaggio = sfondo(caselle(f)[cattiva]); });
        f.Command2_Click();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Ordelio:") + messaggio});
        QCOMPARE(coloreDuranteIlMessaggio, Bianco);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(std::holds_alternative<double>(*costanti(f)[i]), i < cattiva);
            QCOMPARE(Rifiutata(*costanti(f)[i]), i == cattiva);
            QCOMPARE(sfondo(caselle(f)[i]), i == cattiva ? Rosso : Bianco);
            QCOMPARE(caselle(f)[i]->text().isEmpty(), i == cattiva);
        }
        QCOMPARE(f.Miocolor, std::int16_t(9));
        QVERIFY(app::Form4().isHidden());
        QCOMPARE(f.focusWidget(), caselle(f)[cattiva]); // ready for the correction

        // Corrected, the box is read and the plot comes; its activation turns the box white.
        caselle(f)[cattiva]->setText(QStringLiteral("2,5"));
        for (int i = cattiva + 1; i < 5; ++i)
            caselle(f)[i]->setText(QStringLiteral("1"));
        f.Command2_Click();
        QCOMPARE(std::get<double>(*costanti(f)[cattiva]), 2.5);
        QVERIFY(QTest::qWaitForWindowActive(&app::Form4()));
        QCOMPARE(sfondo(caselle(f)[cattiva]), Rosso);
        QVERIFY(mostra(f));
        QCOMPARE(sfondo(caselle(f)[cattiva]), Bianco);
    }

    void laGammaDelColore_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("primaCurva");
        QTest::newRow("-1") << -1 << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("6") << 6 << 7;
        QTest::newRow("7") << 7 << 1;
    }
    void laGammaDelColore()
    {
        QFETCH(int, prima);
        QFETCH(int, primaCurva);
        Form3 &f = mostraForm3();
        f.Miocolor = std::int16_t(prima);
        f.Command2_Click();
        QTRY_COMPARE(f.Miocolor, std::int16_t(primaCurva));
        QCOMPARE(app::Form4().Point(130, app::Form4().CY + 10), QBColor(primaCurva));
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
