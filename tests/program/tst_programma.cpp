// The whole program as a user meets it: the real binary under a real X server and
// window manager, driven only by X input (xdotool), checked on screenshots and by its
// exit status.
#include <QtTest>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <list>
#include <sys/prctl.h>

namespace {

QPoint centro(int left, int top, int width, int height) { return {(left + width / 2) / 15, (top + height / 2) / 15}; }

// Where the user clicks: the controls' places in their window's client area.
const QPoint Form2_OK = centro(3120, 2880, 1575, 615),
             Form2_ESCI = centro(360, 4080, 1695, 615), Form2_FrecciaDestra((480 + 5895) / 15 - 5, (1080 + 127) / 15),
             Form3_Text5 = centro(6960 + 2280, 1320 + 480, 615, 495), Form3_AVANTI = centro(3840, 4200, 1935, 735),
             Form4_ESCI = centro(960, 1800, 1695, 615);
const QColor Anello(128, 0, 0), Rosso(255, 0, 0), Colore1(0, 0, 128), Colore2(0, 128, 0);

} // namespace

class TestProgramma : public QObject
{
    Q_OBJECT
    QTemporaryDir m_casa;
    QProcessEnvironment m_ambiente;
    std::list<QProcess> m_processi; // X server, window manager, program...: they end with the test

    QProcess &avvia(const QString &comando, const QStringList &argomenti = {})
    {
        QProcess &p = m_processi.emplace_back();
        p.setProcessEnvironment(m_ambiente);
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); }); // even when the test is killed
        p.start(comando, argomenti);
        p.waitForStarted();
        return p;
    }
    QByteArray x(const QString &comando, const QStringList &argomenti)
    {
        QProcess &p = avvia(comando, argomenti);
        p.waitForFinished();
        const QByteArray uscita = p.readAllStandardOutput().trimmed();
        m_processi.pop_back();
        return uscita;
    }
    QString cerca(const QString &titolo) { return QString::fromLatin1(x("xdotool", {"search", "--onlyvisible", "--name", '^' + titolo + '$'}).split('\n')[0]); }
    static bool entro(const std::function<bool()> &condizione) { return QTest::qWaitFor(condizione, 10000); }
    // The client area of the window with this title once it is active (and maximized, if asked).
    QRect finestra(const QString &titolo, bool massimizzata = false)
    {
        QRect area;
        const bool trovata = entro([&] {
            const QString id = cerca(titolo), info = id.isEmpty() ? QString() : QString::fromLatin1(x("xwininfo", {"-id", id}));
            auto campo = [&](const QString &nome) { return info.section(nome + ':', 1).section('\n', 0, 0).toInt(); };
            area = QRect(campo("Absolute upper-left X"), campo("Absolute upper-left Y"), campo("Width"), campo("Height"));
            return !id.isEmpty() && x("xdotool", {"getactivewindow"}) == id.toLatin1()
                && (!massimizzata || (area.width() == 1024 && x("xprop", {"-id", id, "_NET_WM_STATE"}).contains("MAXIMIZED_HORZ")));
        });
        return trovata ? area : QRect();
    }
    // As a hand does it: the pointer comes to the control, then clicks.
    void clic(const QRect &area, QPoint p)
    {
        const QString px = QString::number(area.x() + p.x()), py = QString::number(area.y() + p.y());
        x("xdotool", {"mousemove", "--sync", px, QString::number(area.y() + p.y() + 2), "mousemove", "--sync", px, py, "click", "1"});
    }
    void tasti(const QString &tasti) { x("xdotool", QStringList{"key", "--delay", "30"} + tasti.split(' ')); }
    void attiva(const QString &titolo) { x("xdotool", {"search", "--onlyvisible", "--name", '^' + titolo + '$', "windowactivate", "--sync"}); }
    QImage schermo() { return QImage::fromData(x("import", {"-window", "root", "png:-"}), "PNG"); }
    // Whether this colour lies within a few pixels of a point of the screen.
    bool colore(QPoint p, QColor colore, int raggio = 3)
    {
        const QImage s = schermo();
        for (int y = p.y() - raggio; y <= p.y() + raggio; ++y)
            for (int x = p.x() - raggio; x <= p.x() + raggio; ++x)
                if (s.valid(x, y) && s.pixelColor(x, y) == colore)
                    return true;
        return false;
    }
    bool messaggio()
    {
        const bool apparso = !finestra("Ordelio").isNull();
        tasti("Return");
        return apparso && entro([&] { return cerca("Ordelio").isEmpty(); });
    }
    static int esito(QProcess &p) { return p.waitForFinished() && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1; }

private slots:
    void init()
    {
        m_ambiente = QProcessEnvironment::systemEnvironment();
        QProcess &xvfb = avvia("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten", "tcp"});
        QVERIFY2(xvfb.waitForReadyRead(), "Xvfb does not start"); // it writes the free display it took
        m_ambiente.insert("DISPLAY", ':' + xvfb.readLine().trimmed());
        m_ambiente.insert("HOME", m_casa.path()); // no user settings
        m_ambiente.insert("XDG_RUNTIME_DIR", m_casa.path());
        m_ambiente.insert("LC_ALL", "it_IT.UTF-8"); // an Italian user: a decimal comma
        m_ambiente.insert("QT_QPA_PLATFORM", "xcb");
        // libxkbcommon-x11 hands strndup an unterminated buffer of the exact length: valid.
        m_ambiente.insert("ASAN_OPTIONS", m_ambiente.value("ASAN_OPTIONS") + ":strict_string_checks=0");
        avvia("openbox", {"--sm-disable"});
        QVERIFY2(entro([&] { return x("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }), "no window manager");
    }
    void cleanup()
    {
        for (QProcess &p : m_processi)
            p.kill(), p.waitForFinished();
        m_processi.clear();
    }

    void strada()
    {
        QProcess &programma = avvia(ORDELIO_BINARIO);
        QCOMPARE(finestra("Form1").size(), QSize(11670 / 15, 8565 / 15));
        tasti("Tab Return"); // from the page to "AVANTI", pressed with Enter
        // Maximized, and its first ring fills the maximized area: its right-most dot.
        const QRect f2 = finestra("Form2", true);
        QVERIFY(entro([&] { return colore(f2.topLeft() + QPoint(f2.width() * 0.88511, f2.height() / 2), Anello); }));
        attiva("Form1");
        tasti("alt+F4"); // with Form2 open, closing Form1 ends nothing
        QVERIFY(entro([&] { return cerca("Form1").isEmpty(); }) && programma.state() == QProcess::Running);
        attiva("Form2");
        clic(f2, Form2_OK); // 0.51 is not enough
        QVERIFY(messaggio());
        clic(f2, Form2_FrecciaDestra);
        clic(f2, Form2_OK);

        const QRect f3 = finestra("Form3", true);
        clic(f3, Form3_Text5);
        tasti("ctrl+a");
        x("xdotool", {"type", "2.5"}); // not a number with a decimal comma
        clic(f3, Form3_AVANTI);
        QVERIFY(messaggio());
        QTest::qWait(500); // closing the box is no activation: the box stays red
        QVERIFY(colore(f3.topLeft() + Form3_Text5, Rosso, 10));
        x("xdotool", {"type", "2,5"}); // the emptied box has the focus
        clic(f3, Form3_AVANTI);

        // The dot at 0 degrees, (130, 65) of 200 by 110 units.
        const QRect f4 = finestra("Form4", true);
        const QPoint zero = f4.topLeft() + QPoint(f4.width() * 130 / 200, f4.height() * 65 / 110);
        QVERIFY(entro([&] { return colore(zero, Colore1); }));
        QProcess &altro = avvia("xmessage", {"-title", "Altro", "un altro programma"});
        finestra("Altro");
        attiva("Form4"); // back from another program: no new curve
        QTest::qWait(500);
        QVERIFY(!colore(zero, Colore2));
        attiva("Form3");
        attiva("Form4"); // a switch between the program's screens: one more curve
        QVERIFY(entro([&] { return colore(zero, Colore2); }));
        altro.kill();
        clic(f4, Form4_ESCI);
        QCOMPARE(esito(programma), 0);
    }

    void chiudereForm1DaSoloFinisce()
    {
        QProcess &programma = avvia(ORDELIO_BINARIO);
        finestra("Form1");
        tasti("alt+F4");
        QCOMPARE(esito(programma), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramma)
#include "tst_programma.moc"
