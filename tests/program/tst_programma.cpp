// The whole program as a user meets it: the real binary under a real X server with a
// real window manager, driven only by X input (xdotool), checked by what is on the
// screen (screenshots), in the boxes (the clipboard) and by the exit status.
//
// With ORDELIO_SCHERMATE set to a folder, the typical road also saves a PNG of each
// of the four screens there.

#include <QtTest>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <memory>
#include <optional>

#include <sys/prctl.h>

namespace {

// Every wait is bounded: a window that does not appear fails the test, it never hangs.
constexpr int AttesaMs = 10000;
constexpr int Twip = 15; // twips per pixel at 96 dpi

// The Xvfb screen. Small, so screenshots are quick; large enough for every screen.
constexpr int LarghezzaSchermo = 1024;
constexpr int AltezzaSchermo = 768;

QPoint centro(int left, int top, int width, int height)
{
    return QPoint((left + width / 2) / Twip, (top + height / 2) / Twip);
}

// Controls, from the screens' designs (twips, relative to the client area; a box in a
// frame is the frame's position plus its own).
const QPoint Form1_AVANTI = centro(3600, 5640, 2895, 855);
const QPoint Form2_Text1 = centro(360, 2880, 735, 375);
const QPoint Form2_OK = centro(3120, 2880, 1575, 615);
const QPoint Form2_ESCI = centro(360, 4080, 1695, 615);
// The scroll bar's arrows, a few pixels inside its ends.
const QPoint Form2_FrecciaDestra((480 + 5895) / Twip - 5, (1080 + 255 / 2) / Twip);
const QPoint Form2_FrecciaSinistra(480 / Twip + 5, (1080 + 255 / 2) / Twip);
const QPoint Form3_Text1 = centro(720 + 1560, 960 + 360, 615, 495);
const QPoint Form3_Text2 = centro(720 + 1560, 960 + 1320, 615, 495);
const QPoint Form3_Text3 = centro(3960 + 1440, 960 + 360, 615, 495);
const QPoint Form3_Text4 = centro(3960 + 1440, 960 + 1440, 615, 495);
const QPoint Form3_Text5 = centro(6960 + 2280, 1320 + 480, 615, 495);
// Inside a box, right of any text it holds.
QPoint fondoCasella(QPoint centroCasella) { return centroCasella + QPoint(615 / 2 / Twip - 6, 0); }
const QPoint Form3_ESCI = centro(960, 4200, 1935, 735);
const QPoint Form3_AVANTI = centro(3840, 4200, 1935, 735);
const QPoint Form4_RIPRENDI = centro(960, 720, 1695, 615);
const QPoint Form4_Cancella = centro(3000, 720, 1695, 615);
const QPoint Form4_ESCI = centro(960, 1800, 1695, 615);

const QSize Form1_Area(11670 / Twip, 8565 / Twip);

const QColor Nero(0, 0, 0);
const QColor Bianco(255, 255, 255);
const QColor Rosso(255, 0, 0);
const QColor Tavolozza[16] = {
    {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
    {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
};

const float P1 = 3.1415927f / 180;

// The X server, the window manager and the program end with the test, even when the
// test itself is killed (a CTest timeout) and has no time to clean up.
void legaAlTest(QProcess &p)
{
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

QString nomeColore(QColor c)
{
    return c.isValid() ? QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue())
                       : QStringLiteral("(none)");
}

// A window as xwininfo sees it: its client area on the screen.
struct Finestra
{
    QString id;
    QPoint origine;
    QSize area;
    QPoint operator()(QPoint nelCliente) const { return origine + nelCliente; }
};

// A user coordinate of a screen's scale, as the pixel of the screen it falls on.
QPoint inPixel(const Finestra &f, float larghezza, float altezza, float x, float y)
{
    return f.origine + QPoint(int(std::floor(double(x) * f.area.width() / double(larghezza))),
                              int(std::floor(double(y) * f.area.height() / double(altezza))));
}

// The calibration figure for factor `incr`: user width 146367.36, height width × incr,
// crossing 20000 right of the middle, ring of radius 36367.363 in tenths of a degree.
struct Anello
{
    float larghezza = 146367.36f;
    float altezza;
    float cx, cy;
    explicit Anello(double incr)
        : altezza(float(double(146367.36f) * incr)), cx(float(larghezza / 2.0 + 20000)), cy(float(altezza / 2.0))
    {
    }
    QPoint punto(const Finestra &f, double gradi) const
    {
        const double r = 36367.363f, t = double(P1) * gradi;
        return inPixel(f, larghezza, altezza, float(std::cos(t) * r + cx), float(std::sin(t) * r + cy));
    }
    QSet<QPoint> tutti(const Finestra &f) const
    {
        QSet<QPoint> punti;
        for (int decimi = 0; decimi < 3600; ++decimi)
            punti.insert(punto(f, decimi / 10.0));
        return punti;
    }
};

// The plot screen's scale for factor `incr`: 200 wide, 200 × incr high, crossing at
// (110, height / 2); the dot for degree a of the curve with constants va..ve.
struct Curva
{
    double va, vb, vc, vd, ve;
    double incr;
    float larghezza() const { return 200; }
    float altezza() const { return float(200.0 * incr); }
    float cx() const { return 110; }
    float cy() const { return float(altezza() / 2.0); }

    std::optional<QPoint> punto(const Finestra &f, int gradi) const
    {
        const float t = float(gradi) * P1;
        const double u = double(t) * ve;
        const double x = va * std::cos(double(t)) + vb * std::sin(double(t));
        const double y = vc * std::cos(u) + vd * std::sin(u);
        if (std::fabs(x) > cx() || std::fabs(y) > cy())
            return std::nullopt;
        return inPixel(f, larghezza(), altezza(), float(cx() + x), float(cy() + y));
    }
    // Every pixel the curve's 2-pixel dots may cover.
    QSet<QPoint> coperti(const Finestra &f) const
    {
        QSet<QPoint> pixel;
        for (int a = 0; a <= 360; ++a)
            if (const auto p = punto(f, a))
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        pixel.insert(*p + QPoint(dx, dy));
        return pixel;
    }
    QPoint assi(const Finestra &f, float x, float y) const { return inPixel(f, larghezza(), altezza(), x, y); }
    // Each activation draws the axes again, 2 pixels wide, over the older curves.
    bool sugliAssi(const Finestra &f, QPoint p) const
    {
        const QPoint incrocio = assi(f, cx(), cy());
        return std::abs(p.x() - incrocio.x()) <= 1 || std::abs(p.y() - incrocio.y()) <= 1;
    }
};

} // namespace

class TestProgramma : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void stradaTipicaDaForm1AESCI();
    void laTastieraPercorreLaStrada();
    void calibrazioneRifiutoECancellazione();
    void casellaRifiutata();
    void cancellaERiprendi();
    void cambiFinestreRipetuti();
    void ritornoDaUnAltroProgramma();
    void chiusuraDiForm1();

private:
    QProcessEnvironment ambiente() const;
    QByteArray esegui(const QString &programma, const QStringList &argomenti, bool *riuscito = nullptr) const;
    template <typename Condizione>
    bool entro(Condizione condizione) const;

    void avvia();
    bool finitoConEsito0();

    std::optional<QString> cerca(const QString &titolo) const;
    QString attiva() const;
    bool leggi(const QString &id, Finestra *f);
    bool schermo(const QString &titolo, bool massimizzato, Finestra *f);
    bool scomparsa(const QString &titolo);
    void attivaFinestra(const Finestra &f) const;

    QImage schermata() const;
    QColor pixel(QPoint p) const;
    bool colore(QPoint p, QColor atteso, const QString &cosa);
    bool coloreDiverso(QPoint p, QColor vecchio, QColor *nuovo, const QString &cosa);
    void salva(const Finestra &f, const QString &nome);

    void clic(QPoint p) const;
    void tasti(const QStringList &tasti) const;
    void scrivi(const QString &testo) const;
    void sostituisci(QPoint casella, const QString &testo) const;
    bool testo(QPoint casella, QString *letto);
    bool messaggio(const QString &cosa);

    bool finoAForm2();
    bool finoAForm3(int passiBarra);
    bool finoAForm4();

    QTemporaryDir m_cartella;
    QProcess m_xvfb;
    QProcess m_openbox;
    QString m_display;
    std::unique_ptr<QProcess> m_programma;
    std::unique_ptr<QProcess> m_altro;
    QString m_motivo;
    Finestra m_f1, m_f2, m_f3, m_f4;
};

// --- the X server, the window manager and the program ---

void TestProgramma::initTestCase()
{
    QVERIFY(m_cartella.isValid());
    QVERIFY2(QFileInfo(QStringLiteral(ORDELIO_BINARIO)).isExecutable(), ORDELIO_BINARIO);
    QDir(m_cartella.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(m_cartella.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Xvfb picks a free display itself and writes its number to stdout.
    m_xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    legaAlTest(m_xvfb);
    m_xvfb.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("%1x%2x24").arg(LarghezzaSchermo).arg(AltezzaSchermo), QStringLiteral("-dpi"),
                  QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY2(m_xvfb.waitForStarted(AttesaMs), "Xvfb does not start (package xvfb)");
    QVERIFY2(entro([&] {
                 m_xvfb.waitForReadyRead(100);
                 return m_xvfb.canReadLine() || m_xvfb.state() != QProcess::Running;
             }),
             "Xvfb gave no display number");
    m_display = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine()).trimmed();
    QVERIFY2(m_display.size() > 1 && m_xvfb.state() == QProcess::Running, qPrintable(m_xvfb.readAllStandardError()));

    m_openbox.setProcessEnvironment(ambiente());
    m_openbox.setProcessChannelMode(QProcess::MergedChannels);
    legaAlTest(m_openbox);
    m_openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY2(m_openbox.waitForStarted(AttesaMs), "openbox does not start");
    QVERIFY2(entro([&] {
                 return esegui(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                     .contains("window id");
             }),
             "openbox does not manage the screen");
}

void TestProgramma::cleanup()
{
    if (m_programma) {
        if (m_programma->state() != QProcess::NotRunning) {
            m_programma->kill();
            m_programma->waitForFinished(AttesaMs);
        }
        if (QTest::currentTestFailed())
            qInfo().noquote() << "program output:" << m_programma->readAll();
        m_programma.reset();
    }
    if (m_altro) {
        m_altro->kill();
        m_altro->waitForFinished(AttesaMs);
        m_altro.reset();
    }
}

void TestProgramma::cleanupTestCase()
{
    for (QProcess *p : {&m_openbox, &m_xvfb}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(AttesaMs)) {
            p->kill();
            p->waitForFinished(AttesaMs);
        }
    }
}

QProcessEnvironment TestProgramma::ambiente() const
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("DISPLAY"), m_display);
    e.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_cartella.filePath(QStringLiteral("runtime")));
    e.insert(QStringLiteral("HOME"), m_cartella.path()); // no user settings of openbox or Qt
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // An Italian user: numbers with a decimal comma.
    e.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    // Under AddressSanitizer, libxkbcommon-x11 hands strndup a buffer of exactly the
    // length it asks for, without a terminator: valid, but strict string checks call
    // it an overflow and stop the program before its first window.
    if (e.contains(QStringLiteral("ASAN_OPTIONS")))
        e.insert(QStringLiteral("ASAN_OPTIONS"), e.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
    for (const char *v : {"WAYLAND_DISPLAY", "XAUTHORITY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                          "QT_ENABLE_HIGHDPI_SCALING", "QT_STYLE_OVERRIDE"})
        e.remove(QString::fromLatin1(v));
    return e;
}

QByteArray TestProgramma::esegui(const QString &programma, const QStringList &argomenti, bool *riuscito) const
{
    QProcess p;
    p.setProcessEnvironment(ambiente());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(programma, argomenti);
    const bool finito = p.waitForStarted(AttesaMs) && p.waitForFinished(AttesaMs);
    if (!finito) {
        p.kill();
        p.waitForFinished(AttesaMs);
    }
    if (riuscito)
        *riuscito = finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

template <typename Condizione>
bool TestProgramma::entro(Condizione condizione) const
{
    QDeadlineTimer scadenza(AttesaMs);
    while (!scadenza.hasExpired()) {
        if (condizione())
            return true;
        QThread::msleep(40);
    }
    return condizione();
}

void TestProgramma::avvia()
{
    m_programma = std::make_unique<QProcess>();
    m_programma->setProcessEnvironment(ambiente());
    m_programma->setProcessChannelMode(QProcess::MergedChannels);
    legaAlTest(*m_programma);
    m_programma->start(QStringLiteral(ORDELIO_BINARIO), {});
    m_programma->waitForStarted(AttesaMs);
}

bool TestProgramma::finitoConEsito0()
{
    if (!m_programma->waitForFinished(AttesaMs)) {
        m_motivo = QStringLiteral("the program did not end");
        return false;
    }
    m_motivo = QStringLiteral("the program ended with status %1 (%2)")
                   .arg(m_programma->exitCode())
                   .arg(m_programma->exitStatus() == QProcess::NormalExit ? "exit" : "crash");
    return m_programma->exitStatus() == QProcess::NormalExit && m_programma->exitCode() == 0;
}

// --- windows ---

std::optional<QString> TestProgramma::cerca(const QString &titolo) const
{
    const QByteArray trovate = esegui(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                   QStringLiteral("--name"), QLatin1Char('^') + titolo + QLatin1Char('$')});
    const QString prima = QString::fromLatin1(trovate).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (prima.isEmpty())
        return std::nullopt;
    return prima;
}

QString TestProgramma::attiva() const
{
    return QString::fromLatin1(esegui(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")})).trimmed();
}

bool TestProgramma::leggi(const QString &id, Finestra *f)
{
    // xwininfo's absolute corner is the client area's, whatever frame openbox adds.
    const QString info = QString::fromLatin1(esegui(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}));
    auto campo = [&](const char *nome) {
        const QRegularExpressionMatch m =
            QRegularExpression(QString::fromLatin1(nome) + QStringLiteral(":\\s*(-?\\d+)")).match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    f->id = id;
    f->origine = QPoint(campo("Absolute upper-left X"), campo("Absolute upper-left Y"));
    f->area = QSize(campo("Width"), campo("Height"));
    return f->area.width() > 0 && f->area.height() > 0;
}

bool TestProgramma::schermo(const QString &titolo, bool massimizzato, Finestra *f)
{
    std::optional<QString> id;
    if (!entro([&] { return (id = cerca(titolo)).has_value(); })) {
        m_motivo = QStringLiteral("window %1 did not appear").arg(titolo);
        return false;
    }
    if (massimizzato
        && !entro([&] {
               const QByteArray stato = esegui(QStringLiteral("xprop"), {QStringLiteral("-id"), *id, QStringLiteral("_NET_WM_STATE")});
               return stato.contains("_NET_WM_STATE_MAXIMIZED_VERT") && stato.contains("_NET_WM_STATE_MAXIMIZED_HORZ");
           })) {
        m_motivo = QStringLiteral("window %1 is not maximized").arg(titolo);
        return false;
    }
    if (!entro([&] { return attiva() == *id; })) {
        m_motivo = QStringLiteral("window %1 did not become active").arg(titolo);
        return false;
    }
    if (!leggi(*id, f)) {
        m_motivo = QStringLiteral("no geometry for window %1").arg(titolo);
        return false;
    }
    return true;
}

bool TestProgramma::scomparsa(const QString &titolo)
{
    m_motivo = QStringLiteral("window %1 did not close").arg(titolo);
    return entro([&] { return !cerca(titolo).has_value(); });
}

// As a window manager switches windows: the active window changes, and the program's
// window comes to the front.
void TestProgramma::attivaFinestra(const Finestra &f) const
{
    esegui(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), f.id});
}

// --- what is on the screen ---

QImage TestProgramma::schermata() const
{
    return QImage::fromData(esegui(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}),
                            "PNG");
}

QColor TestProgramma::pixel(QPoint p) const
{
    const QImage immagine = schermata();
    return immagine.valid(p) ? immagine.pixelColor(p) : QColor();
}

bool TestProgramma::colore(QPoint p, QColor atteso, const QString &cosa)
{
    QColor visto;
    if (entro([&] { return (visto = pixel(p)) == atteso; }))
        return true;
    // What the screen showed, for whoever reads the failure.
    const QString file = QDir::temp().filePath(QStringLiteral("ordelio-%1.png").arg(QCoreApplication::applicationPid()));
    schermata().save(file, "PNG");
    m_motivo = QStringLiteral("%1: pixel (%2,%3) is %4, expected %5 (screen saved in %6)")
                   .arg(cosa)
                   .arg(p.x())
                   .arg(p.y())
                   .arg(nomeColore(visto), nomeColore(atteso), file);
    return false;
}

bool TestProgramma::coloreDiverso(QPoint p, QColor vecchio, QColor *nuovo, const QString &cosa)
{
    if (entro([&] { return (*nuovo = pixel(p)) != vecchio; }))
        return true;
    m_motivo = QStringLiteral("%1: pixel (%2,%3) stayed %4").arg(cosa).arg(p.x()).arg(p.y()).arg(nomeColore(vecchio));
    return false;
}

void TestProgramma::salva(const Finestra &f, const QString &nome)
{
    const QString cartella = qEnvironmentVariable("ORDELIO_SCHERMATE");
    if (cartella.isEmpty())
        return;
    // The window with openbox's frame around it.
    const QStringList bordi =
        QString::fromLatin1(esegui(QStringLiteral("xprop"), {QStringLiteral("-id"), f.id, QStringLiteral("_NET_FRAME_EXTENTS")}))
            .section(QLatin1Char('='), 1)
            .split(QLatin1Char(','));
    const int sinistra = bordi.value(0).trimmed().toInt(), destra = bordi.value(1).trimmed().toInt();
    const int sopra = bordi.value(2).trimmed().toInt(), sotto = bordi.value(3).trimmed().toInt();
    const QRect cornice(f.origine - QPoint(sinistra, sopra), f.area + QSize(sinistra + destra, sopra + sotto));
    QDir().mkpath(cartella);
    const QString file = QDir(cartella).filePath(nome);
    QVERIFY2(schermata().copy(cornice).save(file, "PNG"), qPrintable(file));
}

// --- input ---

void TestProgramma::clic(QPoint p) const
{
    esegui(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()),
                                       QString::number(p.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void TestProgramma::tasti(const QStringList &sequenza) const
{
    esegui(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + sequenza);
}

void TestProgramma::scrivi(const QString &testo) const
{
    esegui(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), testo});
}

void TestProgramma::sostituisci(QPoint casella, const QString &nuovo) const
{
    clic(casella);
    tasti({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    scrivi(nuovo);
}

// The text of a box, through the clipboard. A marker typed at its end makes even an
// empty box copy something, and is taken away again.
bool TestProgramma::testo(QPoint casella, QString *letto)
{
    const QString segnaposto = QStringLiteral("(nulla)");
    QProcess xclip;
    xclip.setProcessEnvironment(ambiente());
    xclip.setStandardOutputFile(QProcess::nullDevice()); // it stays behind to serve the selection
    xclip.setStandardErrorFile(QProcess::nullDevice());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i")});
    xclip.write(segnaposto.toUtf8());
    xclip.closeWriteChannel();
    xclip.waitForFinished(AttesaMs);

    clic(casella);
    tasti({QStringLiteral("End"), QStringLiteral("bar"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c"),
           QStringLiteral("End"), QStringLiteral("BackSpace")});
    QString copiato;
    const bool ok = entro([&] {
        copiato = QString::fromUtf8(
            esegui(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}));
        return copiato.endsWith(QLatin1Char('|'));
    });
    if (!ok) {
        m_motivo = QStringLiteral("could not copy the text of the box at (%1,%2): clipboard holds \"%3\"")
                       .arg(casella.x())
                       .arg(casella.y())
                       .arg(copiato);
        return false;
    }
    *letto = copiato.chopped(1);
    return true;
}

// A message box of the program: titled "Ordelio", over the screen, closed with Enter.
bool TestProgramma::messaggio(const QString &cosa)
{
    Finestra box;
    if (!schermo(QStringLiteral("Ordelio"), false, &box)) {
        m_motivo = cosa + QStringLiteral(": ") + m_motivo;
        return false;
    }
    tasti({QStringLiteral("Return")});
    if (!scomparsa(QStringLiteral("Ordelio"))) {
        m_motivo = cosa + QStringLiteral(": the message box did not close");
        return false;
    }
    return true;
}

// --- the road ---

bool TestProgramma::finoAForm2()
{
    avvia();
    if (!schermo(QStringLiteral("Form1"), false, &m_f1))
        return false;
    clic(m_f1(Form1_AVANTI));
    return schermo(QStringLiteral("Form2"), true, &m_f2)
        && colore(Anello(0.51).punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.51"));
}

bool TestProgramma::finoAForm3(int passiBarra)
{
    if (!finoAForm2())
        return false;
    for (int i = 1; i <= passiBarra; ++i)
        clic(m_f2(Form2_FrecciaDestra));
    const double incr = passiBarra == 0 ? 0.51 : (passiBarra + 1) * 0.02 + 0.51;
    if (!colore(Anello(incr).punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring after the scroll bar")))
        return false;
    clic(m_f2(Form2_OK));
    return schermo(QStringLiteral("Form3"), true, &m_f3);
}

bool TestProgramma::finoAForm4()
{
    if (!finoAForm3(1))
        return false;
    clic(m_f3(Form3_AVANTI));
    return schermo(QStringLiteral("Form4"), true, &m_f4);
}

// --- the tests ---

void TestProgramma::stradaTipicaDaForm1AESCI()
{
    avvia();
    QVERIFY2(schermo(QStringLiteral("Form1"), false, &m_f1), qPrintable(m_motivo));
    QCOMPARE(m_f1.area, Form1_Area);
    QVERIFY(!esegui(QStringLiteral("xprop"), {QStringLiteral("-id"), m_f1.id, QStringLiteral("_NET_WM_STATE")})
                 .contains("MAXIMIZED"));
    salva(m_f1, QStringLiteral("form1.png"));

    clic(m_f1(Form1_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form2"), true, &m_f2), qPrintable(m_motivo));
    QVERIFY(m_f2.area.width() > 9855 / Twip && m_f2.area.height() > 6840 / Twip);
    const Anello a051(0.51), a055(0.55);
    QVERIFY2(colore(a051.punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.51")), qPrintable(m_motivo));
    QVERIFY2(colore(inPixel(m_f2, a051.larghezza, a051.altezza, a051.cx, 2), Nero, QStringLiteral("vertical axis")),
             qPrintable(m_motivo));
    QVERIFY2(colore(inPixel(m_f2, a051.larghezza, a051.altezza, a051.larghezza - 300, a051.cy), Nero,
                    QStringLiteral("horizontal axis")),
             qPrintable(m_motivo));
    QString fattore;
    QVERIFY2(testo(m_f2(Form2_Text1), &fattore), qPrintable(m_motivo));
    QCOMPARE(fattore, QStringLiteral("0,51"));

    // One step up: a flatter ring inside the first, which stays.
    clic(m_f2(Form2_FrecciaDestra));
    QVERIFY2(colore(a055.punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.55")), qPrintable(m_motivo));
    QVERIFY2(colore(a051.punto(m_f2, 135), Tavolozza[4], QStringLiteral("ring for 0.51 kept")), qPrintable(m_motivo));
    QVERIFY2(testo(m_f2(Form2_Text1), &fattore), qPrintable(m_motivo));
    QCOMPARE(fattore, QStringLiteral("0,55"));
    salva(m_f2, QStringLiteral("form2.png"));

    clic(m_f2(Form2_OK));
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));
    salva(m_f3, QStringLiteral("form3.png"));
    const QStringList iniziali = {QStringLiteral("20"), QStringLiteral("15"), QStringLiteral("10"), QStringLiteral("5"),
                                  QStringLiteral("2")};
    const QList<QPoint> caselle = {Form3_Text1, Form3_Text2, Form3_Text3, Form3_Text4, Form3_Text5};
    for (int i = 0; i < caselle.size(); ++i) {
        QString letto;
        QVERIFY2(testo(m_f3(caselle[i]), &letto), qPrintable(m_motivo));
        QCOMPARE(letto, iniziali[i]);
    }

    clic(m_f3(Form3_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    const Curva prima{20, 15, 10, 5, 2, 0.55};
    QVERIFY2(colore(prima.assi(m_f4, prima.cx(), 2), Nero, QStringLiteral("vertical axis")), qPrintable(m_motivo));
    QVERIFY2(colore(prima.assi(m_f4, 2, prima.cy()), Nero, QStringLiteral("horizontal axis")), qPrintable(m_motivo));
    for (int gradi : {0, 90, 180, 270, 360}) {
        const auto p = prima.punto(m_f4, gradi);
        QVERIFY2(p, "every dot of the first curve lies inside the axes");
        QVERIFY2(colore(*p, Tavolozza[1], QStringLiteral("first curve at %1 degrees").arg(gradi)), qPrintable(m_motivo));
    }

    // Back to the constants, a new ratio, and the next curve over the first, in the next colour.
    clic(m_f4(Form4_RIPRENDI));
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));
    sostituisci(m_f3(Form3_Text5), QStringLiteral("3"));
    clic(m_f3(Form3_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    const Curva seconda{20, 15, 10, 5, 3, 0.55};
    const QSet<QPoint> coperti = seconda.coperti(m_f4);
    int rimasti = 0;
    for (int gradi : {0, 90, 180, 270}) {
        const QPoint p = *seconda.punto(m_f4, gradi);
        QVERIFY2(colore(p, Tavolozza[2], QStringLiteral("second curve at %1 degrees").arg(gradi)), qPrintable(m_motivo));
    }
    for (int gradi = 0; gradi <= 360 && rimasti < 4; gradi += 7) {
        const QPoint p = *prima.punto(m_f4, gradi);
        if (coperti.contains(p) || seconda.sugliAssi(m_f4, p))
            continue;
        QVERIFY2(colore(p, Tavolozza[1], QStringLiteral("first curve kept at %1 degrees").arg(gradi)), qPrintable(m_motivo));
        ++rimasti;
    }
    QCOMPARE(rimasti, 4);
    salva(m_f4, QStringLiteral("form4.png"));

    clic(m_f4(Form4_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
    for (const char *titolo : {"Form1", "Form2", "Form3", "Form4"})
        QVERIFY2(!cerca(QString::fromLatin1(titolo)), titolo);
}

void TestProgramma::laTastieraPercorreLaStrada()
{
    avvia();
    QVERIFY2(schermo(QStringLiteral("Form1"), false, &m_f1), qPrintable(m_motivo));
    // The page holds the focus; Tab reaches "AVANTI", Space presses it.
    tasti({QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(schermo(QStringLiteral("Form2"), true, &m_f2), qPrintable(m_motivo));
    QVERIFY2(colore(Anello(0.51).punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.51")), qPrintable(m_motivo));

    // The scroll bar holds the focus: End takes it to its last position (factor 1.11);
    // then the factor box, then "OK - continua".
    tasti({QStringLiteral("End")});
    QVERIFY2(colore(Anello(1.11).punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 1.11")), qPrintable(m_motivo));
    tasti({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));

    // "AVANTI" holds the focus; Enter presses it.
    tasti({QStringLiteral("Return")});
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    const Curva prima{20, 15, 10, 5, 2, 1.11}, seconda{40, 15, 10, 5, 2, 1.11};
    QVERIFY2(colore(*prima.punto(m_f4, 0), Tavolozza[1], QStringLiteral("first curve")), qPrintable(m_motivo));

    // "ESCI", "Cancella e riprendi", "RIPRENDI": two Tabs reach "RIPRENDI".
    tasti({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));
    // "AVANTI", "ESCI", then the first box, whose text Tab selects; back to "AVANTI".
    tasti({QStringLiteral("Tab"), QStringLiteral("Tab")});
    scrivi(QStringLiteral("40"));
    tasti({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("Return")});
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    QVERIFY2(colore(*seconda.punto(m_f4, 0), Tavolozza[2], QStringLiteral("second curve")), qPrintable(m_motivo));
    // "RIPRENDI" kept the first curve.
    const QSet<QPoint> coperti = seconda.coperti(m_f4);
    int rimasti = 0;
    for (int gradi = 0; gradi <= 360 && rimasti < 4; gradi += 7) {
        const QPoint p = *prima.punto(m_f4, gradi);
        if (coperti.contains(p) || seconda.sugliAssi(m_f4, p))
            continue;
        QVERIFY2(colore(p, Tavolozza[1], QStringLiteral("first curve kept at %1 degrees").arg(gradi)), qPrintable(m_motivo));
        ++rimasti;
    }
    QCOMPARE(rimasti, 4);

    // From "RIPRENDI" Tab comes round to "ESCI".
    tasti({QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::calibrazioneRifiutoECancellazione()
{
    QVERIFY2(finoAForm2(), qPrintable(m_motivo));
    const Anello a051(0.51), a053(0.53), a055(0.55);

    // Right after the activation the factor is 0.51: refused.
    clic(m_f2(Form2_OK));
    QVERIFY2(messaggio(QStringLiteral("refusal at 0.51")), qPrintable(m_motivo));
    QVERIFY(!cerca(QStringLiteral("Form3")));
    QCOMPARE(attiva(), m_f2.id);

    // Up to 0.55, nothing cleared.
    clic(m_f2(Form2_FrecciaDestra));
    QVERIFY2(colore(a055.punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.55")), qPrintable(m_motivo));
    QVERIFY2(colore(a051.punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.51 kept")), qPrintable(m_motivo));

    // Down to 0.53: cleared, then only the ring for 0.53 and the axes.
    clic(m_f2(Form2_FrecciaSinistra));
    const QSet<QPoint> nuovo = a053.tutti(m_f2);
    QVERIFY2(colore(a053.punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.53")), qPrintable(m_motivo));
    const QColor sfondo = pixel(m_f2(QPoint(m_f2.area.width() - 3, m_f2.area.height() - 3)));
    int controllati = 0;
    for (int gradi : {40, 45, 50, 130, 135, 140}) {
        for (const Anello *vecchio : {&a051, &a055}) {
            const QPoint p = vecchio->punto(m_f2, gradi);
            if (nuovo.contains(p))
                continue;
            QVERIFY2(colore(p, sfondo, QStringLiteral("old ring at %1 degrees cleared").arg(gradi)), qPrintable(m_motivo));
            ++controllati;
        }
    }
    QVERIFY(controllati >= 6);
    QVERIFY2(colore(inPixel(m_f2, a053.larghezza, a053.altezza, a053.cx, 2), Nero, QStringLiteral("vertical axis")),
             qPrintable(m_motivo));
    QString fattore;
    QVERIFY2(testo(m_f2(Form2_Text1), &fattore), qPrintable(m_motivo));
    QCOMPARE(fattore, QStringLiteral("0,53"));

    // 0.53 is not above 0.53.
    clic(m_f2(Form2_OK));
    QVERIFY2(messaggio(QStringLiteral("refusal at 0.53")), qPrintable(m_motivo));
    QVERIFY(!cerca(QStringLiteral("Form3")));

    clic(m_f2(Form2_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::casellaRifiutata()
{
    QVERIFY2(finoAForm3(1), qPrintable(m_motivo));
    sostituisci(m_f3(Form3_Text3), QStringLiteral("abc"));
    sostituisci(m_f3(Form3_Text4), QStringLiteral("x"));
    clic(m_f3(Form3_AVANTI));
    // One message, for the first bad box only.
    QVERIFY2(messaggio(QStringLiteral("rejected Text3")), qPrintable(m_motivo));
    QVERIFY2(colore(m_f3(fondoCasella(Form3_Text3)), Rosso, QStringLiteral("rejected box")), qPrintable(m_motivo));
    QVERIFY(!cerca(QStringLiteral("Ordelio")));
    QVERIFY(!cerca(QStringLiteral("Form4")));
    QCOMPARE(pixel(m_f3(fondoCasella(Form3_Text4))), Bianco);
    QCOMPARE(pixel(m_f3(fondoCasella(Form3_Text2))), Bianco);
    QString letto;
    QVERIFY2(testo(m_f3(Form3_Text3), &letto), qPrintable(m_motivo));
    QCOMPARE(letto, QString());
    QVERIFY2(testo(m_f3(Form3_Text4), &letto), qPrintable(m_motivo));
    QCOMPARE(letto, QStringLiteral("x"));

    // The box is corrected and stays red; the next bad box is the fourth.
    sostituisci(m_f3(Form3_Text3), QStringLiteral("10"));
    clic(m_f3(Form3_AVANTI));
    QVERIFY2(messaggio(QStringLiteral("rejected Text4")), qPrintable(m_motivo));
    QVERIFY2(colore(m_f3(fondoCasella(Form3_Text4)), Rosso, QStringLiteral("second rejected box")), qPrintable(m_motivo));
    QCOMPARE(pixel(m_f3(fondoCasella(Form3_Text3))), Rosso);

    // With a fractional number in the user's format, the plot comes.
    sostituisci(m_f3(Form3_Text4), QStringLiteral("5"));
    sostituisci(m_f3(Form3_Text5), QStringLiteral("2,5"));
    clic(m_f3(Form3_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    const Curva curva{20, 15, 10, 5, 2.5, 0.55};
    for (int gradi : {0, 90, 180, 270, 360})
        QVERIFY2(colore(*curva.punto(m_f4, gradi), Tavolozza[1], QStringLiteral("curve with d 2,5 at %1").arg(gradi)),
                 qPrintable(m_motivo));

    // Switching back turns every box white again.
    attivaFinestra(m_f3);
    QVERIFY2(colore(m_f3(fondoCasella(Form3_Text3)), Bianco, QStringLiteral("Text3 white again")), qPrintable(m_motivo));
    QVERIFY2(colore(m_f3(fondoCasella(Form3_Text4)), Bianco, QStringLiteral("Text4 white again")), qPrintable(m_motivo));

    clic(m_f3(Form3_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::cancellaERiprendi()
{
    QVERIFY2(finoAForm4(), qPrintable(m_motivo));
    const Curva prima{20, 15, 10, 5, 2, 0.55}, seconda{40, 15, 10, 5, 2, 0.55};
    QVERIFY2(colore(*prima.punto(m_f4, 0), Tavolozza[1], QStringLiteral("first curve")), qPrintable(m_motivo));
    const QPoint angolo = m_f4(QPoint(m_f4.area.width() - 3, 3));
    const QColor sfondo = pixel(angolo);

    clic(m_f4(Form4_Cancella));
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));
    sostituisci(m_f3(Form3_Text1), QStringLiteral("40"));
    clic(m_f3(Form3_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    for (int gradi : {0, 90, 180, 270})
        QVERIFY2(colore(*seconda.punto(m_f4, gradi), Tavolozza[2], QStringLiteral("new curve at %1").arg(gradi)),
                 qPrintable(m_motivo));
    QVERIFY2(colore(seconda.assi(m_f4, seconda.cx(), 2), Nero, QStringLiteral("axes drawn again")), qPrintable(m_motivo));

    const QSet<QPoint> coperti = seconda.coperti(m_f4);
    int cancellati = 0;
    for (int gradi = 0; gradi <= 360 && cancellati < 6; gradi += 5) {
        const QPoint p = *prima.punto(m_f4, gradi);
        if (coperti.contains(p) || seconda.sugliAssi(m_f4, p))
            continue;
        QVERIFY2(colore(p, sfondo, QStringLiteral("old curve cleared at %1").arg(gradi)), qPrintable(m_motivo));
        ++cancellati;
    }
    QCOMPARE(cancellati, 6);

    clic(m_f4(Form4_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::cambiFinestreRipetuti()
{
    QVERIFY2(finoAForm4(), qPrintable(m_motivo));
    const Curva curva{20, 15, 10, 5, 2, 0.55};
    const QPoint p0 = *curva.punto(m_f4, 0);
    QVERIFY2(colore(p0, Tavolozza[1], QStringLiteral("first curve")), qPrintable(m_motivo));

    // Every return to Form4 draws one more curve in the next colour; after 15 comes 1.
    int indice = 1;
    for (int volta = 1; volta <= 17; ++volta) {
        attivaFinestra(m_f3);
        QVERIFY2(entro([&] { return attiva() == m_f3.id; }), "Form3 did not become active");
        attivaFinestra(m_f4);
        indice = indice == 15 ? 1 : indice + 1;
        QVERIFY2(colore(p0, Tavolozza[indice], QStringLiteral("curve after switch %1").arg(volta)), qPrintable(m_motivo));
    }
    QCOMPARE(indice, 3);

    // Back on Form2 the factor returns to 0.51, and the next curve on Form4 uses it.
    attivaFinestra(m_f2);
    QString fattore;
    QVERIFY2(testo(m_f2(Form2_Text1), &fattore), qPrintable(m_motivo));
    QCOMPARE(fattore, QStringLiteral("0,51"));
    attivaFinestra(m_f1);
    QVERIFY2(entro([&] { return attiva() == m_f1.id; }), "Form1 did not become active");
    attivaFinestra(m_f4);
    const Curva con051{20, 15, 10, 5, 2, 0.51};
    QVERIFY2(colore(*con051.punto(m_f4, 90), Tavolozza[4], QStringLiteral("curve with 0.51")), qPrintable(m_motivo));

    QCOMPARE(m_programma->state(), QProcess::Running);
    clic(m_f4(Form4_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::ritornoDaUnAltroProgramma()
{
    QVERIFY2(finoAForm4(), qPrintable(m_motivo));
    const Curva curva{20, 15, 10, 5, 2, 0.55};
    const QPoint p0 = *curva.punto(m_f4, 0);
    QVERIFY2(colore(p0, Tavolozza[1], QStringLiteral("first curve")), qPrintable(m_motivo));

    m_altro = std::make_unique<QProcess>();
    m_altro->setProcessEnvironment(ambiente());
    legaAlTest(*m_altro);
    m_altro->start(QStringLiteral("xmessage"), {QStringLiteral("-title"), QStringLiteral("Altro"), QStringLiteral("un altro programma")});
    Finestra altro;
    QVERIFY2(entro([&] { return cerca(QStringLiteral("Altro")).has_value(); }), "the other program's window did not appear");
    QVERIFY(leggi(*cerca(QStringLiteral("Altro")), &altro));

    for (int volta = 0; volta < 3; ++volta) {
        attivaFinestra(altro);
        QVERIFY2(entro([&] { return attiva() == altro.id; }), "the other program did not become active");
        attivaFinestra(m_f4);
        QVERIFY2(entro([&] { return attiva() == m_f4.id; }), "Form4 did not become active again");
    }
    // Had any return drawn, the colour index would have moved on and the next
    // curve after "AVANTI" would not be the second colour.
    clic(m_f4(Form4_RIPRENDI));
    QVERIFY2(schermo(QStringLiteral("Form3"), true, &m_f3), qPrintable(m_motivo));
    clic(m_f3(Form3_AVANTI));
    QVERIFY2(schermo(QStringLiteral("Form4"), true, &m_f4), qPrintable(m_motivo));
    QColor visto;
    QVERIFY2(coloreDiverso(p0, Tavolozza[1], &visto, QStringLiteral("second curve")), qPrintable(m_motivo));
    QCOMPARE(nomeColore(visto), nomeColore(Tavolozza[2]));

    // The same on the calibration screen: its factor is not reset by a return.
    attivaFinestra(m_f2);
    clic(m_f2(Form2_FrecciaDestra));
    QVERIFY2(colore(Anello(0.57).punto(m_f2, 45), Tavolozza[4], QStringLiteral("ring for 0.57")), qPrintable(m_motivo));
    attivaFinestra(altro);
    QVERIFY2(entro([&] { return attiva() == altro.id; }), "the other program did not become active");
    attivaFinestra(m_f2);
    QString fattore;
    QVERIFY2(testo(m_f2(Form2_Text1), &fattore), qPrintable(m_motivo));
    QCOMPARE(fattore, QStringLiteral("0,57"));

    clic(m_f2(Form2_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

void TestProgramma::chiusuraDiForm1()
{
    // Before "AVANTI" Form1 is the only screen: closing it ends the program.
    avvia();
    QVERIFY2(schermo(QStringLiteral("Form1"), false, &m_f1), qPrintable(m_motivo));
    tasti({QStringLiteral("alt+F4")});
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));

    // After it, the other screens stay and the program goes on.
    QVERIFY2(finoAForm2(), qPrintable(m_motivo));
    attivaFinestra(m_f1);
    QVERIFY2(entro([&] { return attiva() == m_f1.id; }), "Form1 did not become active");
    tasti({QStringLiteral("alt+F4")});
    QVERIFY2(scomparsa(QStringLiteral("Form1")), qPrintable(m_motivo));
    QCOMPARE(m_programma->state(), QProcess::Running);
    QVERIFY(cerca(QStringLiteral("Form2")));
    attivaFinestra(m_f2);
    clic(m_f2(Form2_FrecciaDestra));
    QVERIFY2(colore(Anello(0.55).punto(m_f2, 45), Tavolozza[4], QStringLiteral("Form2 still answers")), qPrintable(m_motivo));
    clic(m_f2(Form2_ESCI));
    QVERIFY2(finitoConEsito0(), qPrintable(m_motivo));
}

QTEST_GUILESS_MAIN(TestProgramma)
#include "tst_programma.moc"
