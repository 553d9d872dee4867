// A long session: ten thousand activations of the plot screen, each followed by one
// of the constants screen, as a user going back and forth would cause. The program
// must stay up, the colour index in its range, and memory flat.

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"

#include <QtTest>

#include <unistd.h>

namespace {

constexpr int Attivazioni = 10000;
constexpr int Migliaio = 1000;

// Resident memory now, in kB.
long residenteKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed blocks back (256 MB by default) to catch their later
// use; memory would seem to grow by everything freed. A small hold fills within the
// first thousand activations and keeps some of that watch.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=4";
}
#endif

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { app::ChiudiSchermi(); }

    void diecimilaAttivazioni()
    {
        app::Form2().Incr = 0.57;
        Form3 &costanti = app::Form3();
        costanti.Show();
        QVERIFY(QTest::qWaitForWindowActive(&costanti));
        costanti.Command2_Click(); // "AVANTI" on the untouched boxes: 20, 15, 10, 5, 2
        Form4 &plot = app::Form4();
        QVERIFY(QTest::qWaitForWindowActive(&plot));
        plot.resize(1920, 1080);
        QCoreApplication::processEvents();
        // From here on every activation is one of ours.
        costanti.Miocolor = 0;

        long fineDelPrimo = 0;
        long piccoDelPrimo = 0, piccoDellUltimo = 0;
        for (int i = 1; i <= Attivazioni; ++i) {
            plot.Form_Activate();
            const int colore = costanti.Miocolor;
            QVERIFY2(colore >= 1 && colore <= 15, qPrintable(QStringLiteral("Miocolor %1 at activation %2").arg(colore).arg(i)));
            // The index steps 1 to 15 and round again: activation i drew in this colour.
            QCOMPARE(colore, (i - 1) % 15 + 1);
            costanti.Form_Activate();
            if (i % 100 == 0)
                QCoreApplication::processEvents(); // paints, as the event loop would between activations
            if (i % 50 == 0) {
                const long rss = residenteKb();
                QVERIFY(rss > 0);
                if (i <= Migliaio)
                    piccoDelPrimo = std::max(piccoDelPrimo, rss);
                if (i == Migliaio)
                    fineDelPrimo = rss;
                if (i > Attivazioni - Migliaio)
                    piccoDellUltimo = std::max(piccoDellUltimo, rss);
            }
        }

        // Alive: the screens are still up and the last curve is where it must be, the
        // dot for 0 degrees at (130, CY + 10) in the last colour.
        QVERIFY(plot.isVisible());
        QVERIFY(costanti.isVisible());
        QCOMPARE(plot.Point(130, plot.CY + 10), QBColor(costanti.Miocolor));
        QCOMPARE(plot.disegno().immagine().size(), QSize(1920, 1080));

        // Every activation draws into the same retained image: the last thousand may
        // not hold more memory than the first, bar allocator noise.
        const long tolleranzaKb = 1024;
        QVERIFY2(piccoDellUltimo <= std::max(piccoDelPrimo, fineDelPrimo) + tolleranzaKb,
                 qPrintable(QStringLiteral("first thousand up to %1 kB, last thousand up to %2 kB")
                                .arg(piccoDelPrimo)
                                .arg(piccoDellUltimo)));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
