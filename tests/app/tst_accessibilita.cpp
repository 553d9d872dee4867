// What a screen reader reads: every control that takes the focus has a name (its
// caption, or for a box the label beside it).
#include "app/applicazione.h"
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"

#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

class TestAccessibilita : public QObject
{
    Q_OBJECT
private slots:
    void ogniControlloHaUnNome_data()
    {
        QTest::addColumn<QWidget *>("schermo");
        QTest::newRow("Form1") << static_cast<QWidget *>(&app::Form1());
        QTest::newRow("Form2") << static_cast<QWidget *>(&app::Form2());
        QTest::newRow("Form3") << static_cast<QWidget *>(&app::Form3());
        QTest::newRow("Form4") << static_cast<QWidget *>(&app::Form4());
    }

    void ogniControlloHaUnNome()
    {
        QFETCH(QWidget *, schermo);
        int controlli = 0;
        for (QWidget *w : schermo->findChildren<QWidget *>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(schermo))
                continue;
            QAccessibleInterface *accessibile = QAccessible::queryAccessibleInterface(w);
            QVERIFY(accessibile);
            QVERIFY2(!accessibile->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("%1 has no accessible name").arg(QString::fromLatin1(w->metaObject()->className()))));
            ++controlli;
        }
        QVERIFY(controlli >= 2);
    }

    void leCaselleSiChiamanoComeLeEtichetteAccanto()
    {
        Form3 &f = app::Form3();
        const QList<QPair<QLineEdit *, QString>> attese = {
            {f.Text1, QStringLiteral("Asse Maggiore")}, {f.Text2, QStringLiteral("Asse Minore")},
            {f.Text3, QStringLiteral("Asse Maggiore")}, {f.Text4, QStringLiteral("Asse Minore")},
            {f.Text5, QStringLiteral("Rapporto")}};
        for (const auto &[casella, etichetta] : attese)
            QVERIFY2(QAccessible::queryAccessibleInterface(casella)->text(QAccessible::Name).startsWith(etichetta),
                     qPrintable(etichetta));
    }

    void cleanupTestCase() { app::ChiudiSchermi(); }
};

int main(int argc, char *argv[])
{
    Applicazione applicazione(argc, argv);
    TestAccessibilita test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibilita.moc"
