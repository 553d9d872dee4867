// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's ways out of the program: it shows no folders and has no printers, but
// takes downloads, and prints a PDF. A file is made in the page's memory first, then
// handed over.
#include "surface/esporta.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>

namespace {

QString InMemoria(const QString &nome)
{
    return QDir::temp().filePath(nome);
}

} // namespace

QString NomeDaSalvare(QWidget *sopra, const QString &titolo, const QString &proposta, const QString &filtri)
{
    // One type leaves nothing to choose.
    if (!filtri.contains(QStringLiteral(";;")))
        return InMemoria(proposta);
    QMessageBox scelta(QMessageBox::NoIcon, titolo, QStringLiteral("In quale formato vuoi salvare la figura?"),
                       QMessageBox::Cancel, sopra);
    QHash<QAbstractButton *, QString> suffissi;
    for (const QString &filtro : filtri.split(QStringLiteral(";;"))) {
        QPushButton *tipo = scelta.addButton(filtro.section(QStringLiteral(" ("), 0, 0), QMessageBox::AcceptRole);
        suffissi.insert(tipo, SuffissoDelFiltro(filtro));
        if (suffissi.size() == 1)
            scelta.setDefaultButton(tipo); // the first type, as on the desktops
    }
    scelta.exec();
    const QString suffisso = suffissi.value(scelta.clickedButton());
    return suffisso.isEmpty() ? QString() : InMemoria(QFileInfo(proposta).completeBaseName() + '.' + suffisso);
}

void ApriFile(QWidget *, const QString &, const QString &filtri, qint64,
              const std::function<void(const QString &nome, const QByteArray &contenuto)> &aperto)
{
    // The browser's chooser hands over the whole file, once the user has chosen.
    QFileDialog::getOpenFileContent(filtri, [aperto](const QString &nome, const QByteArray &contenuto) {
        if (!nome.isEmpty())
            aperto(nome, contenuto);
    });
}

bool ScegliStampante(QPrinter &stampante, QWidget *)
{
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(InMemoria(QStringLiteral("figura da stampare.pdf")));
    return true;
}

bool Consegna(const QString &nome, QString &perche)
{
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly)) {
        perche = MotivoInItaliano(nome, file.error(), file.errorString());
        return false;
    }
    QFileDialog::saveFileContent(file.readAll(), QFileInfo(nome).fileName());
    file.remove();
    return true;
}
