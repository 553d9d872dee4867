// SPDX-License-Identifier: GPL-3.0-or-later
// The desktops' dialogs for a file or a printer: the file is written where the user chose.
#include "surface/esporta.h"

#include "surface/messaggio.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QString NomeDaSalvare(QWidget *sopra, const QString &titolo, const QString &proposta, const QString &filtri)
{
    QFileDialog dialogo(sopra, titolo, CartellaDocumenti().filePath(proposta), filtri);
#ifndef Q_OS_WIN
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(SuffissoDelFiltro(filtri));
    // A name typed without a suffix takes the one of the type chosen in the dialog.
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&dialogo](const QString &filtro) { dialogo.setDefaultSuffix(SuffissoDelFiltro(filtro)); });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    const QString scelto = dialogo.selectedFiles().constFirst();
    const QString nome = NomeConSuffisso(scelto, filtri, dialogo.selectedNameFilter());
    // The dialog asked before replacing the name it was given, not the one made here.
    if (nome != scelto && QFileInfo::exists(nome)
        && QMessageBox::question(sopra, TitoloApplicazione,
                                 QStringLiteral("Il file %1 esiste già.\nVuoi sostituirlo?")
                                     .arg(QDir::toNativeSeparators(nome)))
               != QMessageBox::Yes)
        return QString();
    return nome;
}

void ApriFile(QWidget *sopra, const QString &titolo, const QString &filtri, qint64 massimo,
              const std::function<void(const QString &nome, const QByteArray &contenuto)> &aperto)
{
    QFileDialog dialogo(sopra, titolo, CartellaDocumenti().path(), filtri);
#ifndef Q_OS_WIN
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return;
    const QString nome = dialogo.selectedFiles().constFirst();
    QByteArray contenuto;
    QString perche;
    if (LeggiFile(nome, massimo + 1, contenuto, perche))
        aperto(nome, contenuto);
    else
        MsgBox(perche, sopra);
}

bool ScegliStampante(QPrinter &stampante, QWidget *sopra)
{
    if (stampante.outputFormat() == QPrinter::PdfFormat) {
#ifdef Q_OS_WIN
        MsgBox(QStringLiteral("Non è stato possibile stampare la figura\n\nNon è installata nessuna stampante."), sopra);
        return false;
#endif
        stampante.setOutputFileName(CartellaDocumenti().filePath(QStringLiteral("figura.pdf")));
    }
    QPrintDialog dialogo(&stampante, sopra);
    return dialogo.exec() == QDialog::Accepted;
}

bool Consegna(const QString &, QString &)
{
    return true;
}
