// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads, in Italian: every control, the page with its formulas,
// what each figure shows.
#include "aiuti.h"
#include "app/applicazione.h"
#include "screens/intro/caratteri.h"
#include "screens/intro/form1.h"
#include "screens/intro/pagina.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>

namespace {

QString nome(QObject *oggetto)
{
    return QAccessible::queryAccessibleInterface(oggetto)->text(QAccessible::Name);
}

QString disegno(Schermo &schermo)
{
    return nome(schermo.findChild<QObject *>(QStringLiteral("disegno")));
}

} // namespace

class TestAccessibilita : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void leCaselleSonoEtichettate()
    {
        Form3 &f = app::Form3();
        const QList<std::pair<QLineEdit *, QLabel *>> coppie = {
            {f.Text1, f.Label2}, {f.Text2, f.Label3}, {f.Text3, f.Label5}, {f.Text4, f.Label4}, {f.Text5, f.Label6}};
        for (const auto &[casella, etichetta] : coppie) {
            const auto relazioni = QAccessible::queryAccessibleInterface(casella)->relations(QAccessible::Label);
            QVERIFY(std::any_of(relazioni.begin(), relazioni.end(),
                                [&](auto r) { return r.first->object() == etichetta; }));
        }
        QCOMPARE(nome(f.Text5), QStringLiteral("Rapporto d tra gli angoli parametrici (provare con 3, 4 o 5)"));
        // Qt's own menu of a box is Italian too.
        std::unique_ptr<QMenu> menu(f.Text1->createStandardContextMenu());
        QCOMPARE(menu->actions().value(0)->text().remove('&').left(7), QStringLiteral("Annulla"));
    }

    void laPaginaSiLegge()
    {
        RegistraCaratteri();
        QAccessibleTextInterface *testo = QAccessible::queryAccessibleInterface(app::Form1().OLE1)->textInterface();
        QVERIFY(testo);
        const QString letto = testo->text(0, testo->characterCount());
        QVERIFY(letto.startsWith(QStringLiteral("PROGRAMMA: Caso f(x,y) = f [f(α₁), f(α₂)]\n")));
        QVERIFY(letto.contains(QStringLiteral("OA cos ϕ = OA₁, OA sin ϕ = OA₂; quindi OA² = OA₁² + OA₂²\n")));
    }

    void leFigureSiDescrivono()
    {
        Form2 &f2 = app::Form2();
        f2.Form_Activate();
        QCOMPARE(disegno(f2), QStringLiteral("Anello per il fattore 0,51"));
        Form3 &f3 = app::Form3();
        f3.VALa = 20.0, f3.VALb = 15.0, f3.VALc = 10.0, f3.VALd = 5.0, f3.VALe = 2.5;
        Form4 &f4 = app::Form4();
        f4.resize(800, 600);
        f4.Form_Activate();
        f4.Form_Activate();
        QCOMPARE(
            disegno(f4),
            QStringLiteral("2 curve; l'ultima in verde (A: 20 e 15; B: 10 e 5; d = 2,5); 361 punti visibili su 361"));
        f4.Command2_Click();
        QCOMPARE(disegno(f4), QStringLiteral("Nessuna curva"));
        f4.Form_Activate();
        f4.close(); // closed from its window, it starts again from no curve
        QCOMPARE(disegno(f4), QStringLiteral("Nessuna curva"));
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
