// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson reader on any bytes: nothing crashes, a refused file always has its
// message naming it, and an accepted lesson written again reads as the same lesson.

#include "screens/plot/lezione.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fallo(const char *cosa, const QByteArray &dati)
{
    std::fprintf(stderr, "%s, file (percent-encoded) \"%s\"\n", cosa, dati.toPercentEncoding().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *byte, std::size_t lunghezza)
{
    const QByteArray dati(reinterpret_cast<const char *>(byte), qsizetype(lunghezza));
    const QString nome = QStringLiteral("prova.ordelio");
    QString messaggio;
    const std::optional<Lezione> lezione = Lezione::leggi(dati, nome, messaggio);
    if (!lezione) {
        if (!messaggio.contains(QStringLiteral("«prova.ordelio»")))
            fallo("a file refused without a message that names it", dati);
        return 0;
    }
    QString ancora;
    const std::optional<Lezione> riletta = Lezione::leggi(lezione->scrivi(), nome, ancora);
    if (!riletta || !(*riletta == *lezione))
        fallo("an accepted lesson written again reads otherwise", dati);
    return 0;
}
