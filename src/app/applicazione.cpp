// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicazione.h"

#include "surface/aspetto.h"
#include "surface/messaggio.h"
#include "surface/schermo.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <exception>

Applicazione::Applicazione(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(TitoloApplicazione);
    setFont(CarattereDiProgetto(8));
    // The program speaks Italian whatever the user's locale, Qt's own menus included;
    // numbers still follow the user's regional format.
    // The Windows program carries them; on Linux they are the system's.
    auto *traduzioni = new QTranslator(this);
    if (traduzioni->load(QStringLiteral("qtbase_it"), QStringLiteral(":/traduzioni"))
        || traduzioni->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(traduzioni);
}

bool Applicazione::notify(QObject *destinatario, QEvent *evento)
{
    try {
        return QApplication::notify(destinatario, evento);
    } catch (const std::bad_alloc &) {
        ErroreFatale(QStringLiteral("la memoria non basta"));
    } catch (const std::exception &errore) {
        ErroreFatale(QString::fromUtf8(errore.what()));
    } catch (...) {
        ErroreFatale(QString());
    }
    return false;
}

void ErroreFatale(const QString &cosa)
{
    // One report is enough: what fails while the first is shown is the same failure.
    static bool segnalato = false;
    if (segnalato)
        return;
    segnalato = true;
    End(1, cosa.isEmpty() ? QStringLiteral("Si è verificato un errore imprevisto.\nIl programma verrà chiuso.")
                          : QStringLiteral("Si è verificato un errore: %1.\nIl programma verrà chiuso.").arg(cosa));
}
