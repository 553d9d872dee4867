// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

class Disegno;
class QWidget;

// Taking a drawing out of the program: to the clipboard, or to a file the user names.

// The drawing at its pixels over the client area, on white: what is pasted or saved.
QImage ImmagineDelDisegno(const Disegno &disegno);

// Puts the image on the clipboard; other programs paste it (as image/png and the like).
void CopiaImmagine(const QImage &immagine);

// Where files the user makes go first: the documents folder, or home when there is none.
QDir CartellaDocumenti();

// Asks for the name of a file to write, with Qt's own dialog: it speaks the program's
// Italian on every desktop, and the same dialog comes up under a bare window manager.
// It opens on `proposta` in the documents folder. `filtri` as QFileDialog takes them; the name gets `suffisso` when it has none of the
// filters' suffixes. Empty when the user gives up.
QString NomeDaSalvare(QWidget *sopra, const QString &titolo, const QString &proposta, const QString &filtri,
                      const QString &suffisso);

// Writes the whole file or nothing: a file already there stays as it was when the
// write fails (no permission, disk full, a folder that is gone).
bool ScriviFile(const QString &nome, const QByteArray &contenuto);

// The image as PNG bytes.
QByteArray Png(const QImage &immagine);
