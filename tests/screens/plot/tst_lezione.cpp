// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"

class TestLezione : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    // Two curves at two calibrations, saved, covered by a third, opened again.
    void siRiapreComeEra()
    {
        Form4 &f = attiva(Tipiche, 0.71);
        app::Form3().VALe = 3.0;
        app::Form2().Incr = 0.53;
        f.Form_Activate();
        const std::vector<Tracciato> tracciati = f.tracciati().elenco();
        const QImage disegno = f.disegno().immagine();
        const QByteArray file = f.lezione().scrivi();
        app::Form2().Incr = 0.99;
        f.Form_Activate();
        QVERIFY(f.ApriLezione(file, QStringLiteral("lezione.ordelio")));
        QVERIFY(f.tracciati().elenco() == tracciati);
        QCOMPARE(f.disegno().immagine(), disegno);
        QCOMPARE(app::Form2().Incr, 0.53);
        QCOMPARE(app::Form3().Miocolor, 2);
    }

    void fileSbagliati_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QString>("perche");
        const QByteArray curva = R"({"a":20,"b":15,"c":10,"d":5,"e":2,"colore":1,"calibrazione":0.71})";
        const auto lezione = [](const QByteArray &curve, const QByteArray &versione = "1") {
            return R"({"formato":"ordelio-lezione","versione":)" + versione
                   + R"(,"calibrazione":0.71,"colore":1,"curve":[)" + curve + "]}";
        };
        const auto con = [&](const char *da, const char *a) { return lezione(QByteArray(curva).replace(da, a)); };
        const QString danneggiato = QStringLiteral("è danneggiato: %1.");
        QTest::addRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n") << "non è una lezione di Ordelio.";
        QTest::addRow("newer") << lezione(curva, "2") << "è di una versione più recente di Ordelio.";
        QTest::addRow("cut short") << lezione(curva).chopped(20)
                                   << danneggiato.arg("il testo si interrompe prima della fine");
        QTest::addRow("a huge colour") << con("\"colore\":1", "\"colore\":1e300")
                                       << danneggiato.arg("«colore» della curva 1 è fuori misura");
        QTest::addRow("a text for a number")
            << con("0.71", "\"0.71\"") << danneggiato.arg("«calibrazione» della curva 1 non è un numero");
        QTest::addRow("NaN for d") << con("\"d\":5", "\"d\":NaN")
                                   << danneggiato.arg("il testo non è valido dal carattere 109");
        QTest::addRow("curves not a list")
            << lezione("").replace("[]", "{}") << danneggiato.arg("«curve» non è un elenco di curve");
        QTest::addRow("10001 curves") << lezione((curva + ',').repeated(10001).chopped(1))
                                      << danneggiato.arg("ha più di 10000 curve");
        QTest::addRow("nested deep") << lezione(QByteArray(5000, '['))
                                     << danneggiato.arg("il testo ha troppi livelli uno dentro l'altro");
        QTest::addRow("too large") << lezione(curva) + QByteArray(Lezione::DimensioneMassima, ' ')
                                   << danneggiato.arg("è troppo grande per una lezione");
    }
    void fileSbagliati()
    {
        QFETCH(QByteArray, dati);
        Form4 &f = attiva(Tipiche, 0.71);
        const std::vector<Tracciato> tracciati = f.tracciati().elenco();
        const QImage disegno = f.disegno().immagine();
        Messaggi messaggi;
        QVERIFY(!f.ApriLezione(dati, QStringLiteral("/tmp/classe 3B.ordelio")));
        QTEST(messaggi.testi.value(0).remove(QStringLiteral("Ordelio:Il file «classe 3B.ordelio» ")), "perche");
        QVERIFY(f.tracciati().elenco() == tracciati);
        QCOMPARE(f.disegno().immagine(), disegno);
        QCOMPARE(app::Form3().Miocolor, 1);
    }
};

QTEST_MAIN(TestLezione)
#include "tst_lezione.moc"
