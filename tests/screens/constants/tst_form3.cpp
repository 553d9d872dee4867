// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"

namespace {

const QColor Bianco(255, 255, 255), Rosso(255, 0, 0);

QColor sfondo(const QLineEdit *casella)
{
    return casella->palette().color(QPalette::Base);
}

Form3 &mostraForm3()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    app::Form2().Incr = 0.51;
    if (!mostra(app::Form3()))
        qFatal("Form3 did not become active");
    return app::Form3();
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
        QTest::addRow("Text1") << 0 << "Asse Magg.di A non è un numero";
        QTest::addRow("Text2") << 1 << "Asse Min. di A non è un numero";
        QTest::addRow("Text3") << 2 << "Asse Magg. di B non è un numero";
        QTest::addRow("Text4") << 3 << "Asse Min. di B non è un numero";
        QTest::addRow("Text5") << 4 << "Rapporto non è un numero";
    }
    void laCatenaDeiControlli()
    {
        QFETCH(int, cattiva);
        QFETCH(QString, messaggio);
        Form3 &f = mostraForm3();
        const QList<QLineEdit *> caselle = {f.Text1, f.Text2, f.Text3, f.Text4, f.Text5};
        const QList<Costante *> valori = {&f.VALa, &f.VALb, &f.VALc, &f.VALd, &f.VALe};
        f.Miocolor = 7; // above 6: the next "AVANTI" sets it back
        for (int i = cattiva; i < 5; ++i)
            caselle[i]->setText(QStringLiteral("2.5")); // not a number with a decimal comma
        Messaggi messaggi;
        f.Command2_Click();
        QCOMPARE(messaggi.testi, QStringList{"Ordelio:" + messaggio});
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(std::holds_alternative<double>(*valori[i]), i < cattiva);
            QCOMPARE(std::holds_alternative<Rifiutata>(*valori[i]), i == cattiva);
            QCOMPARE(sfondo(caselle[i]), i == cattiva ? Rosso : Bianco);
            QCOMPARE(caselle[i]->text().isEmpty(), i == cattiva);
        }
        QCOMPARE(f.Miocolor, std::int16_t(7));
        QVERIFY(app::Form4().isHidden());
        QCOMPARE(f.focusWidget(), caselle[cattiva]); // ready for the correction

        // Corrected, the box is read and the plot comes; the next activation turns the box white.
        for (int i = cattiva; i < 5; ++i)
            caselle[i]->setText(QStringLiteral("2,5"));
        f.Command2_Click();
        QCOMPARE(std::get<double>(*valori[cattiva]), 2.5);
        QTRY_COMPARE(f.Miocolor, std::int16_t(1)); // the first colour after the reset
        QCOMPARE(sfondo(caselle[cattiva]), Rosso);
        QVERIFY(mostra(f));
        QCOMPARE(sfondo(caselle[cattiva]), Bianco);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
