// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/esporta.h"

#include "surface/disegno.h"
#include "surface/messaggio.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

QImage ImmagineDelDisegno(const Disegno &disegno)
{
    const QSize pixel = (QSizeF(disegno.area()) * disegno.dpr()).toSize().expandedTo(QSize(1, 1));
    QImage immagine(pixel, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    if (!disegno.immagine().isNull()) {
        // Pixel for pixel: the drawing's own ratio would shrink it by that much here.
        QImage pixelDelDisegno = disegno.immagine();
        pixelDelDisegno.setDevicePixelRatio(1);
        QPainter pittore(&immagine);
        pittore.drawImage(QPoint(0, 0), pixelDelDisegno, QRect(QPoint(0, 0), pixel));
    }
    immagine.setDevicePixelRatio(disegno.dpr());
    return immagine;
}

void CopiaImmagine(const QImage &immagine)
{
    QApplication::clipboard()->setImage(immagine);
}

QDir CartellaDocumenti()
{
    const QDir documenti(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documenti.exists() ? documenti : QDir::home();
}

namespace {

// The suffix that a filter such as "Immagine PNG (*.png)" names.
QString SuffissoDelFiltro(const QString &filtro)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtro).captured(1);
}

} // namespace

QString NomeConSuffisso(const QString &nome, const QString &filtri, const QString &scelto)
{
    const QString suffisso = QFileInfo(nome).suffix();
    for (const QString &filtro : filtri.split(QStringLiteral(";;")))
        if (!suffisso.isEmpty() && SuffissoDelFiltro(filtro).compare(suffisso, Qt::CaseInsensitive) == 0)
            return nome;
    return nome + '.' + SuffissoDelFiltro(scelto);
}

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

bool ScriviFile(const QString &nome, const QByteArray &contenuto, QString &perche)
{
    if (contenuto.isEmpty()) {
        perche = QStringLiteral("La figura non è stata convertita nel formato del file.");
        return false;
    }
    QSaveFile file(nome);
    if (file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() && file.commit())
        return true;
    perche = file.errorString();
    return false;
}

QByteArray Png(const QImage &immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    // A drawing has a handful of colours: one byte a pixel and the fastest deflate
    // make the file five times faster, the same pixels in a file a little larger.
    if (!immagine.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
             .save(&buffer, "PNG", 80))
        return QByteArray();
    return dati;
}
