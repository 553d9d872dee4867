// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuti.h"
#include "surface/messaggio.h"

// A screen that counts its activations and keeps the size it had at the last one.
struct Contatore : Schermo
{
    explicit Contatore(Apertura apertura = Apertura::Normale)
        : Schermo(QStringLiteral("Prova"), QSize(300, 200), apertura)
    {
    }
    void Form_Activate() override { ++attivazioni, area = size(); }
    int attivazioni = 0;
    QSize area;
};

// The desktop as the screen meets it: holds back the sizes it gives, until told, and
// counts the times the window is taken out of maximized.
struct Desktop : QObject
{
    explicit Desktop(QWidget &w) : schermo(w) { schermo.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::WindowStateChange && !schermo.isMaximized())
            ++ripristini;
        return trattiene && e->type() == QEvent::Resize;
    }
    void daLaDimensione()
    {
        trattiene = false;
        QResizeEvent e(schermo.size(), QSize(300, 200));
        QCoreApplication::sendEvent(&schermo, &e);
    }
    QWidget &schermo;
    bool trattiene = true;
    int ripristini = 0;
};

class TestAttivazione : public QObject
{
    Q_OBJECT
    // What happens while a maximized screen waits for its size.
    enum Intanto { LaDimensione, UnAltroSchermo, LaChiusura, MassimizzataPersa, MassimizzataInRitardo };
private slots:
    void passareDaUnoSchermoAllAltro()
    {
        Contatore a, b;
        QVERIFY(mostra(a));
        a.Show(); // already the active screen: no new activation
        QVERIFY(mostra(b));
        QVERIFY(mostra(a));
        a.close(); // closed, then shown again: a new activation
        QVERIFY(mostra(b));
        QVERIFY(mostra(a));
        QCOMPARE(a.attivazioni, 3);
        QCOMPARE(b.attivazioni, 2);
    }

    void tornareDaAltreFinestreNonAttiva()
    {
        Contatore a;
        QWidget altroProgramma; // as far as the program can tell
        QVERIFY(mostra(a));
        altroProgramma.show();
        altroProgramma.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altroProgramma));
        a.activateWindow();
        Messaggi messaggi;
        MsgBox(QStringLiteral("prova"), &a);
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCOMPARE(messaggi.testi, QStringList{QStringLiteral("Ordelio:prova")});
        QCOMPARE(a.attivazioni, 1);
    }

    // A screen shown maximized is activated once it has its maximized size, and only
    // while it is still in front: whatever the desktop does in the meantime.
    void loSchermoMassimizzato_data()
    {
        QTest::addColumn<int>("intanto");
        QTest::addColumn<int>("attivazioni");
        QTest::newRow("the size comes") << int(LaDimensione) << 1;
        QTest::newRow("another screen in front first") << int(UnAltroSchermo) << 0;
        QTest::newRow("closed first") << int(LaChiusura) << 0;
        // as mutter 48 through XWayland does: asked again, it is maximized
        QTest::newRow("the desktop drops the maximize") << int(MassimizzataPersa) << 1;
        // asking again would take the window out of maximized
        QTest::newRow("the desktop says maximized late") << int(MassimizzataInRitardo) << 1;
    }
    void loSchermoMassimizzato()
    {
        QFETCH(int, intanto);
        Contatore a(Schermo::Apertura::Massimizzata), b;
        Desktop desktop(a);
        QVERIFY(mostra(a));
        QCOMPARE(a.attivazioni, 0);
        if (intanto == UnAltroSchermo)
            QVERIFY(mostra(b));
        if (intanto == LaChiusura)
            a.close();
        if (intanto == MassimizzataPersa)
            desktop.trattiene = false;
        if (intanto >= MassimizzataPersa)
            a.setWindowState(Qt::WindowNoState);
        if (intanto == MassimizzataInRitardo)
            a.setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents(); // the platform's own word on each, as it comes
        desktop.ripristini = 0;
        if (intanto < MassimizzataPersa)
            desktop.daLaDimensione();
        QFETCH(int, attivazioni);
        QTRY_COMPARE(a.attivazioni, attivazioni);
        QCOMPARE(desktop.ripristini, 0);
        QVERIFY(!a.attivazioni || a.area != QSize(300, 200));
    }
};

QTEST_MAIN(TestAttivazione)
#include "tst_attivazione.moc"
