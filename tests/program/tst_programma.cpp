// The whole program as a user meets it: the real binary under a real X server and
// window manager, driven only by X input (xdotool), checked on screenshots and by its
// exit status. With ORDELIO_SCHERMATE set to a folder, the road saves a PNG of each screen.
#include <QtTest>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

#include <sys/prctl.h>

namespace {

constexpr int Twip = 15;
QPoint centro(int left, int top, int width, int height) { return {(left + width / 2) / Twip, (top + height / 2) / Twip}; }

// Where the user clicks: the controls' places in their window's client area.
const QPoint Form1_AVANTI = centro(3600, 5640, 2895, 855);
const QPoint Form2_FrecciaDestra((480 + 5895) / Twip - 5, (1080 + 127) / Twip);
const QPoint Form2_OK = centro(3120, 2880, 1575, 615);
const QPoint Form2_ESCI = centro(360, 4080, 1695, 615);
const QPoint Form3_Text5 = centro(6960 + 2280, 1320 + 480, 615, 495);
const QPoint Form3_AVANTI = centro(3840, 4200, 1935, 735);
const QPoint Form4_ESCI = centro(960, 1800, 1695, 615);

const QColor Anello(128, 0, 0), Rosso(255, 0, 0), Colore1(0, 0, 128), Colore2(0, 128, 0);

// A child that ends with the test, even when the test is killed.
std::unique_ptr<QProcess> processo(const QProcessEnvironment &ambiente)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(ambiente);
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    return p;
}

} // namespace

class TestProgramma : public QObject
{
    Q_OBJECT
    QTemporaryDir m_casa;
    QProcessEnvironment m_ambiente = QProcessEnvironment::systemEnvironment();
    std::unique_ptr<QProcess> m_xvfb, m_desktop, m_programma, m_altro;

    QByteArray x(const QString &comando, const QStringList &argomenti)
    {
        QProcess p;
        p.setProcessEnvironment(m_ambiente);
        p.start(comando, argomenti);
        p.waitForFinished(10000);
        return p.readAllStandardOutput().trimmed();
    }
    template <typename Condizione> static bool entro(Condizione condizione)
    {
        return QTest::qWaitFor(condizione, 10000);
    }
    // The window with this title once it is the active one; its client area on the screen.
    QRect finestra(const QString &titolo, QString *id = nullptr)
    {
        QString trovata;
        entro([&] {
            trovata = QString::fromLatin1(x("xdotool", {"search", "--onlyvisible", "--name", '^' + titolo + '$'})).section('\n', 0, 0);
            return !trovata.isEmpty() && x("xdotool", {"getactivewindow"}) == trovata.toLatin1();
        });
        if (trovata.isEmpty())
            return {};
        const QString info = QString::fromLatin1(x("xwininfo", {"-id", trovata}));
        auto campo = [&](const char *nome) { return info.section(QLatin1String(nome) + ':', 1).section('\n', 0, 0).toInt(); };
        if (id)
            *id = trovata;
        return QRect(campo("Absolute upper-left X"), campo("Absolute upper-left Y"), campo("Width"), campo("Height"));
    }
    // The window once the window manager has maximized it across the screen.
    QRect massimizzata(const QString &titolo)
    {
        QString id;
        QRect area;
        entro([&] { return (area = finestra(titolo, &id)).width() == 1024; });
        return x("xprop", {"-id", id, "_NET_WM_STATE"}).contains("MAXIMIZED_HORZ") ? area : QRect();
    }
    // As a hand does it: the pointer comes to the control, then clicks.
    void clic(const QRect &area, QPoint p)
    {
        const QPoint q = area.topLeft() + p;
        x("xdotool", {"mousemove", "--sync", QString::number(q.x() + 2), QString::number(q.y() + 2), "mousemove", "--sync",
                      QString::number(q.x()), QString::number(q.y()), "click", "1"});
    }
    void tasti(const QStringList &tasti) { x("xdotool", QStringList{"key", "--delay", "30"} + tasti); }
    void scrivi(const QString &testo) { x("xdotool", {"type", "--delay", "30", testo}); }
    void attiva(const QString &titolo) { x("xdotool", {"search", "--onlyvisible", "--name", '^' + titolo + '$', "windowactivate", "--sync"}); }
    // Pixels of this colour within a few pixels of a point of the screen.
    int pixel(QPoint p, QColor colore, int raggio = 3)
    {
        const QImage schermo = QImage::fromData(x("import", {"-window", "root", "png:-"}), "PNG");
        int n = 0;
        for (int y = p.y() - raggio; y <= p.y() + raggio; ++y)
            for (int x = p.x() - raggio; x <= p.x() + raggio; ++x)
                n += schermo.valid(x, y) && schermo.pixelColor(x, y) == colore;
        return n;
    }
    bool messaggio()
    {
        if (finestra("Ordelio").isNull())
            return false;
        tasti({"Return"});
        return entro([&] { return x("xdotool", {"search", "--onlyvisible", "--name", "^Ordelio$"}).isEmpty(); });
    }
    void salva(const QRect &area, const QString &nome)
    {
        if (const QString cartella = qEnvironmentVariable("ORDELIO_SCHERMATE"); !cartella.isEmpty())
            QImage::fromData(x("import", {"-window", "root", "png:-"}), "PNG").copy(area).save(cartella + '/' + nome);
    }
    void avvia()
    {
        m_programma = processo(m_ambiente);
        m_programma->setProcessChannelMode(QProcess::ForwardedChannels);
        m_programma->start(ORDELIO_BINARIO);
        QVERIFY(m_programma->waitForStarted());
    }
    int esito()
    {
        return m_programma->waitForFinished(10000) && m_programma->exitStatus() == QProcess::NormalExit ? m_programma->exitCode() : -1;
    }

private slots:
    void init()
    {
        m_ambiente = QProcessEnvironment::systemEnvironment();
        // Xvfb picks a free display itself and writes its number.
        m_xvfb = processo(m_ambiente);
        m_xvfb->start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten", "tcp"});
        QVERIFY2(m_xvfb->waitForReadyRead(10000), "Xvfb does not start");
        m_ambiente.insert("DISPLAY", ':' + m_xvfb->readLine().trimmed());
        m_ambiente.insert("HOME", m_casa.path()); // no user settings
        m_ambiente.insert("XDG_RUNTIME_DIR", m_casa.path());
        m_ambiente.insert("LC_ALL", "it_IT.UTF-8"); // an Italian user: a decimal comma
        m_ambiente.insert("QT_QPA_PLATFORM", "xcb");
        m_ambiente.remove("WAYLAND_DISPLAY");
        // libxkbcommon-x11 hands strndup an unterminated buffer of the exact length: valid.
        m_ambiente.insert("ASAN_OPTIONS", m_ambiente.value("ASAN_OPTIONS") + ":strict_string_checks=0");
        m_desktop = processo(m_ambiente);
        m_desktop->start("openbox", {"--sm-disable"});
        QVERIFY2(entro([&] { return x("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }), "no window manager");
    }
    void cleanup()
    {
        for (auto *p : {&m_altro, &m_programma, &m_desktop, &m_xvfb})
            if (*p) {
                (*p)->kill();
                (*p)->waitForFinished();
                p->reset();
            }
    }

    void strada()
    {
        avvia();
        const QRect f1 = finestra("Form1");
        QCOMPARE(f1.size(), QSize(11670 / Twip, 8565 / Twip));
        salva(f1, "form1.png");
        clic(f1, Form1_AVANTI);
        // Maximized, and its first ring fills the maximized area: its right-most dot.
        const QRect f2 = massimizzata("Form2");
        QVERIFY(!f2.isNull());
        const QPoint destra = f2.topLeft() + QPoint(f2.width() * (93183.68 + 36367.363) / 146367.36, f2.height() / 2);
        QVERIFY(entro([&] { return pixel(destra, Anello) > 0; }));
        clic(f2, Form2_OK); // 0.51 is not enough
        QVERIFY(messaggio());
        clic(f2, Form2_FrecciaDestra);
        salva(f2, "form2.png");
        clic(f2, Form2_OK);

        const QRect f3 = massimizzata("Form3");
        QVERIFY(!f3.isNull());
        clic(f3, Form3_Text5);
        tasti({"ctrl+a"});
        scrivi("2.5"); // not a number with a decimal comma
        clic(f3, Form3_AVANTI);
        QVERIFY(messaggio());
        QTest::qWait(500); // closing the box is no activation: the box stays red
        QVERIFY(pixel(f3.topLeft() + Form3_Text5, Rosso, 10) > 0);
        scrivi("2,5");
        salva(f3, "form3.png");
        clic(f3, Form3_AVANTI);

        const QRect f4 = massimizzata("Form4");
        QVERIFY(!f4.isNull());
        // The dot at 0 degrees, (130, 65) of 200 by 110 units.
        const QPoint zero = f4.topLeft() + QPoint(f4.width() * 130 / 200, f4.height() * 65 / 110);
        QVERIFY(entro([&] { return pixel(zero, Colore1) > 0; }));
        m_altro = processo(m_ambiente);
        m_altro->start("xmessage", {"-title", "Altro", "un altro programma"});
        finestra("Altro");
        attiva("Form4"); // back from another program: no new curve
        QTest::qWait(500);
        QCOMPARE(pixel(zero, Colore2), 0);
        attiva("Form3");
        attiva("Form4"); // a switch between the program's screens: one more curve
        QVERIFY(entro([&] { return pixel(zero, Colore2) > 0; }));
        salva(f4, "form4.png");
        clic(f4, Form4_ESCI);
        QCOMPARE(esito(), 0);
    }

    void chiudereForm1()
    {
        avvia(); // the only screen: closing it ends the program
        finestra("Form1");
        tasti({"alt+F4"});
        QCOMPARE(esito(), 0);
        avvia(); // with Form2 open the program goes on
        clic(finestra("Form1"), Form1_AVANTI);
        const QRect f2 = finestra("Form2");
        attiva("Form1");
        tasti({"alt+F4"});
        QVERIFY(entro([&] { return x("xdotool", {"search", "--onlyvisible", "--name", "^Form1$"}).isEmpty(); }));
        QCOMPARE(m_programma->state(), QProcess::Running);
        attiva("Form2");
        clic(f2, Form2_ESCI);
        QCOMPARE(esito(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramma)
#include "tst_programma.moc"
