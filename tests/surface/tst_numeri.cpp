#include "surface/numeri.h"

#include <QLocale>
#include <QtTest>

class TestNumeri : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void ilSeparatoreDecimaleDellUtente_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        const QLocale italiano(QLocale::Italian, QLocale::Italy), inglese(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("it 2,5") << italiano << "2,5" << 2.5;
        QTest::newRow("en 2.5") << inglese << "2.5" << 2.5;
        QTest::newRow("it -3") << italiano << "-3" << -3.0;
        QTest::newRow("it 0") << italiano << "0" << 0.0;
        QTest::newRow("en spaces") << inglese << " 20 " << 20.0;
        QTest::newRow("en exponent") << inglese << "1e300" << 1e300;
    }
    void ilSeparatoreDecimaleDellUtente()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, testo);
        QFETCH(double, valore);
        QLocale::setDefault(locale);
        QVERIFY(Numeri::IsNumeric(testo));
        QCOMPARE(Numeri::CDbl(testo), valore);
    }

    void nonSonoNumeri_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("testo");
        const QLocale italiano(QLocale::Italian, QLocale::Italy), inglese(QLocale::English, QLocale::UnitedStates);
        for (const QLocale &locale : {italiano, inglese}) {
            const QByteArray nome = locale.name().toLatin1();
            for (const char *testo : {"", "abc", "inf", "-inf", "nan", "NaN", "1e999", "-1e999", "12abc"})
                QTest::newRow(nome + " '" + testo + "'") << locale << QString::fromLatin1(testo);
        }
        QTest::newRow("en 2,5") << inglese << "2,5";
    }
    void nonSonoNumeri()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, testo);
        QLocale::setDefault(locale);
        QVERIFY(!Numeri::IsNumeric(testo));
        QCOMPARE(Numeri::CDbl(testo), 0.0);
    }

    void ilTestoDiUnNumero()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(Numeri::Testo(0.51), QStringLiteral("0,51"));
        QCOMPARE(Numeri::Testo(30 * 0.02 + 0.51), QStringLiteral("1,11"));
        QCOMPARE(Numeri::Testo(1.0 / 3), QStringLiteral("0,333333333333333"));
        QCOMPARE(Numeri::Testo(123456.5), QStringLiteral("123456,5"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(Numeri::Testo(0.51), QStringLiteral("0.51"));
        QCOMPARE(Numeri::Testo(1 * 0.02 + 0.51), QStringLiteral("0.53"));
    }

    void unNumeroMostratoSiRileggeUguale()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        for (double v : {0.51, -3.25, 1e20, 123456.5}) {
            const QString testo = Numeri::Testo(v);
            QVERIFY2(Numeri::IsNumeric(testo), qPrintable(testo));
            QCOMPARE(Numeri::CDbl(testo), v);
        }
    }
};

QTEST_MAIN(TestNumeri)
#include "tst_numeri.moc"
