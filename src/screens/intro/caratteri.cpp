// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/caratteri.h"

#include <QFontDatabase>
#include <QString>

#include <stdexcept>

namespace {

const char *const FileCaratteri[] = {
    ":/caratteri/LiberationMono-Regular.ttf", ":/caratteri/LiberationSerif-Regular.ttf",
    ":/caratteri/LiberationSerif-Italic.ttf", ":/caratteri/LiberationSans-Regular.ttf",
    ":/caratteri/LiberationSans-Bold.ttf",
};

QFont carattere(const QString &famiglia, qreal punti, Forma forma)
{
    QFont risultato(famiglia);
    risultato.setPixelSize(qRound(punti * 96 / 72));
    risultato.setItalic(forma == Forma::Corsiva);
    // Unhinted glyphs keep their fractional advances, so tab stops and widths
    // come out the same at every size.
    risultato.setHintingPreference(QFont::PreferNoHinting);
    return risultato;
}

} // namespace

void RegistraCaratteri()
{
    // The resources live in a static library: name them so the linker keeps them.
    Q_INIT_RESOURCE(caratteri);
    for (const char *file : FileCaratteri) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
            throw std::runtime_error(QStringLiteral("impossibile caricare il tipo di carattere %1")
                                         .arg(QString::fromLatin1(file).mid(12))
                                         .toStdString());
    }
}

QFont CarattereCorpo(qreal punti)
{
    return carattere(QStringLiteral("Liberation Mono"), punti, Forma::Diritta);
}

QFont CarattereFormule(qreal punti, Forma forma)
{
    return carattere(QStringLiteral("Liberation Serif"), punti, forma);
}
