// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/esporta.h"

#include "surface/disegno.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
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
        QPainter pittore(&immagine);
        pittore.drawImage(QPoint(0, 0), disegno.immagine(), QRect(QPoint(0, 0), pixel));
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

QString NomeDaSalvare(QWidget *sopra, const QString &titolo, const QString &proposta, const QString &filtri,
                      const QString &suffisso)
{
    QFileDialog dialogo(sopra, titolo, CartellaDocumenti().filePath(proposta), filtri);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(suffisso);
    // A name typed without a suffix takes the one of the type chosen in the dialog.
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&dialogo](const QString &filtro) {
        const QRegularExpressionMatch tipo = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtro);
        if (tipo.hasMatch())
            dialogo.setDefaultSuffix(tipo.captured(1));
    });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().constFirst();
}

bool ScriviFile(const QString &nome, const QByteArray &contenuto)
{
    QSaveFile file(nome);
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() && file.commit();
}

QByteArray Png(const QImage &immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    // A drawing has a handful of colours: one byte a pixel and the fastest deflate
    // make the file five times faster, the same pixels in a file a little larger.
    immagine.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither).save(&buffer, "PNG", 80);
    return dati;
}
