// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/esporta.h"

#include "surface/disegno.h"
#include "surface/messaggio.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
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
    return nome + '.' + SuffissoDelFiltro(scelto);
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
