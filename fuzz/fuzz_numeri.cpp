// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric test and the text-to-double conversion on any text, in the C and the
// Italian formats: nothing crashes, every accepted text is a finite double, the test
// accepts exactly what the conversion converts, and a number the program writes back
// reads as the same number.

#include "surface/numeri.h"

#include <QLocale>
#include <QString>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fallo(const char *cosa, const QString &testo, const QLocale &locale)
{
    std::fprintf(stderr, "%s, locale %s, text (UTF-8) \"%s\"\n", cosa, qPrintable(locale.name()),
                 testo.toUtf8().toPercentEncoding().constData());
    std::abort();
}

void verifica(const QString &testo, const QLocale &locale)
{
    QLocale::setDefault(locale);
    const bool accettato = Numeri::IsNumeric(testo);
    const double valore = Numeri::CDbl(testo);
    if (Numeri::IsNumeric(testo) != accettato)
        fallo("the numeric test changed its mind", testo, locale);
    if (!accettato) {
        if (std::bit_cast<std::uint64_t>(valore) != 0)
            fallo("a rejected text converted to something other than 0", testo, locale);
        return;
    }
    if (!std::isfinite(valore))
        fallo("an accepted text converted to a value that is not finite", testo, locale);
    bool ok = false;
    const double atteso = locale.toDouble(testo, &ok);
    if (!ok || std::bit_cast<std::uint64_t>(atteso) != std::bit_cast<std::uint64_t>(valore))
        fallo("an accepted text converted to another value than the locale reads", testo, locale);

    // Fifteen digits of the largest doubles round up past the double range; below
    // that, what is written reads back.
    if (std::fabs(valore) > 1.79769313486231e308)
        return;
    const QString scritto = Numeri::Testo(valore);
    if (!Numeri::IsNumeric(scritto))
        fallo("a number written by the program is not read back", testo, locale);
    const double riletto = Numeri::CDbl(scritto);
    if (std::fabs(riletto - valore) > 1e-14 * std::fabs(valore))
        fallo("a number written by the program reads back as another", testo, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t lunghezza)
{
    static const QLocale locali[] = {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy)};
    // Typed or pasted text, as UTF-8; and the same bytes as UTF-16, which reaches
    // characters (lone surrogates among them) that valid UTF-8 never gives.
    const QString daUtf8 = QString::fromUtf8(reinterpret_cast<const char *>(dati), qsizetype(lunghezza));
    QString daUtf16(qsizetype(lunghezza / 2), Qt::Uninitialized);
    std::memcpy(daUtf16.data(), dati, lunghezza / 2 * 2); // the bytes need not be aligned for char16_t
    for (const QLocale &locale : locali) {
        verifica(daUtf8, locale);
        verifica(daUtf16, locale);
    }
    return 0;
}
