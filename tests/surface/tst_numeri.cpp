#include "surface/numeri.h"

#include <QLocale>
#include <QtTest>

class TestNumeri : public QObject
{
    Q_OBJECT
private slots:
    // What the numeric test accepts in each format is in tst_entrate.
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
