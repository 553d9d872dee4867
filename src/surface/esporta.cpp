// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/esporta.h"

#include "surface/disegno.h"
#include "surface/messaggio.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
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

QString SuffissoDelFiltro(const QString &filtro)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtro).captured(1);
}

QString NomeConSuffisso(const QString &nome, const QString &filtri, const QString &scelto)
{
    const QString suffisso = QFileInfo(nome).suffix();
    for (const QString &filtro : filtri.split(QStringLiteral(";;")))
        if (!suffisso.isEmpty() && SuffissoDelFiltro(filtro).compare(suffisso, Qt::CaseInsensitive) == 0)
            return nome;
    // "figura." is "figura" with the dot typed before the suffix, not a name with two.
    QString radice = nome;
    while (radice.endsWith('.'))
        radice.chop(1);
    return radice + '.' + SuffissoDelFiltro(scelto);
}

QString MotivoInItaliano(const QString &nome, QFileDevice::FileError errore, const QString &testoDelSistema,
                         qint64 daScrivere)
{
    const QFileInfo cartella(QFileInfo(nome).absolutePath());
    QString motivo;
    if (!cartella.isDir())
        motivo = QStringLiteral("La cartella %1 non esiste.").arg(QDir::toNativeSeparators(cartella.filePath()));
    else if (errore == QFileDevice::PermissionsError || !cartella.isWritable())
        motivo = QStringLiteral("Non si ha il permesso di scrivere nella cartella %1.")
                     .arg(QDir::toNativeSeparators(cartella.filePath()));
    else if (QStorageInfo(cartella.filePath()).bytesAvailable() < daScrivere)
        motivo = QStringLiteral("Il disco è pieno.");
    if (motivo.isEmpty())
        return testoDelSistema;
    return testoDelSistema.isEmpty() ? motivo : motivo + QStringLiteral(" (%1)").arg(testoDelSistema);
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
    perche = MotivoInItaliano(nome, file.error(), file.errorString(), contenuto.size());
    return false;
}

bool LeggiFile(const QString &nome, qint64 massimo, QByteArray &contenuto, QString &perche)
{
    QFile file(nome);
    const QString breve = QFileInfo(nome).fileName();
    if (!file.exists()) {
        perche = QStringLiteral("Il file «%1» non esiste.").arg(breve);
        return false;
    }
    if (file.open(QIODevice::ReadOnly)) {
        contenuto = file.read(massimo);
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    perche = QStringLiteral("Non è stato possibile leggere il file «%1»: %2.").arg(breve, file.errorString());
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
