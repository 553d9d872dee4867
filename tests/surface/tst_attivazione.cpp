#include "surface/messaggio.h"
#include "surface/schermo.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

// A screen that counts its activations.
class Contatore : public Schermo
{
public:
    explicit Contatore(const QString &nome, Apertura apertura = Apertura::Normale)
        : Schermo(nome, QSize(300, 200), apertura)
    {
    }
    void Form_Activate() override
    {
        ++attivazioni;
        areaAllAttivazione = size();
    }
    int attivazioni = 0;
    QSize areaAllAttivazione;
};

void mostraEAttendi(Schermo &schermo)
{
    schermo.Show();
    QVERIFY(QTest::qWaitForWindowActive(&schermo));
}

} // namespace

class TestAttivazione : public QObject
{
    Q_OBJECT
private slots:
    void laPrimaShowAttiva()
    {
        Contatore a(QStringLiteral("A"));
        QCOMPARE(a.attivazioni, 0);
        mostraEAttendi(a);
        QCOMPARE(a.attivazioni, 1);
        QCOMPARE(a.windowTitle(), QStringLiteral("A"));
        // Show on the screen that is already active is no new activation.
        a.Show();
        QCoreApplication::processEvents();
        QCOMPARE(a.attivazioni, 1);
    }

    void passareDaUnoSchermoAllAltroAttivaOgniVolta()
    {
        Contatore a(QStringLiteral("A")), b(QStringLiteral("B"));
        mostraEAttendi(a);
        mostraEAttendi(b);
        mostraEAttendi(a);
        mostraEAttendi(b);
        QCOMPARE(a.attivazioni, 2);
        QCOMPARE(b.attivazioni, 2);
    }

    void tornareDaUnAltraFinestraNonAttiva()
    {
        Contatore a(QStringLiteral("A"));
        mostraEAttendi(a);
        // Another program's window, as far as the program can tell.
        QWidget altra;
        altra.show();
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCOMPARE(a.attivazioni, 1);
    }

    void chiudereUnMessaggioNonAttiva()
    {
        Contatore a(QStringLiteral("A"));
        mostraEAttendi(a);
        QString titolo;
        QTimer::singleShot(0, [&titolo] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                titolo = box->windowTitle();
                box->accept();
            }
        });
        MsgBox(QStringLiteral("prova"), &a);
        QCOMPARE(titolo, QStringLiteral("Ordelio"));
        // The window system hands activation back to the screen under the box.
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCoreApplication::processEvents();
        QCOMPARE(a.attivazioni, 1);
    }

    void laPrimaAttivazioneDiUnoSchermoMassimizzatoNeVedeLArea()
    {
        Contatore a(QStringLiteral("A"), Schermo::Apertura::Massimizzata);
        mostraEAttendi(a);
        QTRY_COMPARE(a.attivazioni, 1);
        QVERIFY(a.isMaximized());
        QVERIFY(a.areaAllAttivazione != QSize(300, 200));
        QCOMPARE(a.areaAllAttivazione, a.size());
    }

    void unoSchermoChiusoRiattivaQuandoTorna()
    {
        Contatore a(QStringLiteral("A")), b(QStringLiteral("B"));
        mostraEAttendi(a);
        a.close();
        mostraEAttendi(b);
        mostraEAttendi(a);
        QCOMPARE(a.attivazioni, 2);
    }
};

QTEST_MAIN(TestAttivazione)
#include "tst_attivazione.moc"
