// What a user can type or paste into a constant's box, however odd, and what the
// numeric test and the conversion make of it in each regional format.

#include "app/schermi.h"
#include "messaggi.h"
#include "screens/constants/form3.h"
#include "surface/numeri.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QLocale C = QLocale::c();
const QLocale Inglese(QLocale::English, QLocale::UnitedStates);
const QLocale Italiano(QLocale::Italian, QLocale::Italy);

// The same text in every format the program may meet, with one answer for all.
void inOgniLocale(const char *nome, const QString &testo, std::optional<double> atteso)
{
    for (const QLocale &locale : {C, Inglese, Italiano})
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(locale.name(), QString::fromUtf8(nome))))
            << locale << testo << atteso;
}

void perLocale(const QLocale &locale, const char *nome, const QString &testo, std::optional<double> atteso)
{
    QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(locale.name(), QString::fromUtf8(nome))))
        << locale << testo << atteso;
}

} // namespace

class TestEntrate : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        app::ChiudiSchermi();
        QLocale::setDefault(QLocale::c());
    }

    void ogniTestoHaLaSuaRisposta_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<std::optional<double>>("atteso"); // empty: not a number

        const std::optional<double> no;
        inOgniLocale("empty", QString(), no);
        inOgniLocale("spaces only", QStringLiteral("     "), no);
        inOgniLocale("abc", QStringLiteral("abc"), no);
        inOgniLocale("1e999", QStringLiteral("1e999"), no);
        inOgniLocale("-1e999", QStringLiteral("-1e999"), no);
        // Too small for a double is refused too, not read as 0.
        inOgniLocale("1e-999", QStringLiteral("1e-999"), no);
        inOgniLocale("inf", QStringLiteral("inf"), no);
        inOgniLocale("-inf", QStringLiteral("-inf"), no);
        inOgniLocale("nan", QStringLiteral("nan"), no);
        inOgniLocale("minus alone", QStringLiteral("-"), no);
        inOgniLocale("plus alone", QStringLiteral("+"), no);
        inOgniLocale("--1", QStringLiteral("--1"), no);
        inOgniLocale("+-1", QStringLiteral("+-1"), no);
        inOgniLocale("exponent without digits", QStringLiteral("1e"), no);
        // Digits of other scripts belong to other formats.
        inOgniLocale("Arabic-Indic digits", QStringLiteral("\u0661\u0662"), no);
        inOgniLocale("Devanagari digits", QStringLiteral("\u0967\u0968"), no);
        inOgniLocale("full-width digits", QStringLiteral("\uFF11\uFF12"), no);
        // Control characters inside a number make it no number...
        inOgniLocale("bell before", QStringLiteral("\a12"), no);
        inOgniLocale("escape after", QStringLiteral("12\x1b"), no);
        inOgniLocale("NUL inside", QStringLiteral("1") + QChar(0) + QStringLiteral("2"), no);
        // ...but the tab and line end of a cell copied from a spreadsheet are blanks.
        inOgniLocale("tab and newline around", QStringLiteral("\t12\n"), 12.0);
        inOgniLocale("blanks around", QStringLiteral("  -3  "), -3.0);
        inOgniLocale("typographic minus", QStringLiteral("\u22123"), -3.0);

        // A 30,000-character paste: the digits of a number past the double range,
        // the digits of an ordinary one, or rubbish.
        inOgniLocale("30000 ones", QString(30000, u'1'), no);
        inOgniLocale("30000 characters of zeros then 5", QString(29999, u'0') + u'5', 5.0);
        inOgniLocale("30000 letters", QString(30000, u'x'), no);
        perLocale(C, "1.111... 30000 long", QStringLiteral("1.") + QString(29998, u'1'), 1.1111111111111112);
        perLocale(Italiano, "1,111... 30000 long", QStringLiteral("1,") + QString(29998, u'1'), 1.1111111111111112);

        // The decimal separator is the user's; the other mark groups thousands and
        // is accepted only where a thousands separator can stand.
        for (const QLocale &inglese : {C, Inglese}) {
            perLocale(inglese, "1.5", QStringLiteral("1.5"), 1.5);
            perLocale(inglese, "1,5", QStringLiteral("1,5"), no);
            perLocale(inglese, "1,500", QStringLiteral("1,500"), 1500.0);
            perLocale(inglese, "1.500", QStringLiteral("1.500"), 1.5);
            perLocale(inglese, ".5", QStringLiteral(".5"), 0.5);
        }
        perLocale(Italiano, "1,5", QStringLiteral("1,5"), 1.5);
        perLocale(Italiano, "1.5", QStringLiteral("1.5"), no);
        perLocale(Italiano, "1.500", QStringLiteral("1.500"), 1500.0);
        perLocale(Italiano, "1,500", QStringLiteral("1,500"), 1.5);
        perLocale(Italiano, ",5", QStringLiteral(",5"), 0.5);
        perLocale(Italiano, "1.500,25", QStringLiteral("1.500,25"), 1500.25);
        perLocale(Italiano, "English 1,500.25", QStringLiteral("1,500.25"), no);
    }
    void ogniTestoHaLaSuaRisposta()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, testo);
        QFETCH(std::optional<double>, atteso);
        QLocale::setDefault(locale);
        QCOMPARE(Numeri::IsNumeric(testo), atteso.has_value());
        // A rejected text converts to nothing but 0; an accepted one to its finite value.
        QCOMPARE(Numeri::CDbl(testo), atteso.value_or(0.0));
        QVERIFY(std::isfinite(Numeri::CDbl(testo)));
    }

    // The box of the major axis of ellipse B, given each bad text through "AVANTI":
    // the message of that box, the box emptied and red, the value the empty string,
    // and no plot.
    void unaCasellaRifiutaIlTestoCattivo_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::newRow("inf") << QStringLiteral("inf");
        QTest::newRow("nan") << QStringLiteral("nan");
        QTest::newRow("1e999") << QStringLiteral("1e999");
        QTest::newRow("spaces") << QStringLiteral("   ");
        QTest::newRow("30000 ones") << QString(30000, u'1');
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662");
        QTest::newRow("1.5 for an Italian") << QStringLiteral("1.5");
    }
    void unaCasellaRifiutaIlTestoCattivo()
    {
        QFETCH(QString, testo);
        QLocale::setDefault(Italiano);
        Form3 &schermo = app::Form3();
        schermo.Show();
        QVERIFY(QTest::qWaitForWindowActive(&schermo));
        schermo.Text3->setText(testo);
        QCOMPARE(schermo.Text3->text(), testo); // the whole paste fits in the box
        Messaggi messaggi;
        schermo.Command2_Click();
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Asse Magg. di B non è un numero")});
        QVERIFY(schermo.Text3->text().isEmpty());
        QCOMPARE(schermo.Text3->palette().color(QPalette::Base), QColor(255, 0, 0));
        QVERIFY(std::holds_alternative<QString>(schermo.VALc));
        QVERIFY(std::get<QString>(schermo.VALc).isEmpty());
        QCOMPARE(std::get<double>(schermo.VALb), 15.0);
        QVERIFY(std::holds_alternative<std::monostate>(schermo.VALd));
        for (const QWidget *finestra : QApplication::topLevelWidgets())
            QVERIFY(finestra->objectName() != QStringLiteral("Form4"));
    }
};

QTEST_MAIN(TestEntrate)
#include "tst_entrate.moc"
