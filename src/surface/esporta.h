// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFileDevice>
#include <QImage>
#include <QString>

#include <functional>

class Disegno;
class QPrinter;
class QWidget;

// Taking a drawing out of the program: to the clipboard, or to a file the user names.

// The drawing at its pixels over the client area, on white: what is pasted or saved.
QImage ImmagineDelDisegno(const Disegno &disegno);

// Puts the image on the clipboard; other programs paste it (as image/png and the like).
void CopiaImmagine(const QImage &immagine);

// Where files the user makes go first: the documents folder, or home when there is none.
QDir CartellaDocumenti();

// Asks for the name of a file to write. On Windows it is the dialog every Windows user
// knows; on the other desktops Qt's own, which speaks the program's Italian on every
// desktop and comes up the same under a bare window manager. It opens on `proposta` in
// the documents folder; `filtri` as QFileDialog takes them, the first one's suffix by
// default. In the browser the user chooses only the type, if there are several: the browser asks where the
// download goes. Empty when the user gives up.
QString NomeDaSalvare(QWidget *sopra, const QString &titolo, const QString &proposta, const QString &filtri);

// Asks for a file to open, of the types `filtri` names, and hands its name and its
// first `massimo` + 1 bytes (so that one too large is seen to be) to `aperto`. On the
// desktops the dialog is the one NomeDaSalvare opens; the browser has its own file
// chooser, and answers later. A file that cannot be read is told to the user, and
// `aperto` does not run; nor does it when the user gives up.
void ApriFile(QWidget *sopra, const QString &titolo, const QString &filtri, qint64 massimo,
              const std::function<void(const QString &nome, const QByteArray &contenuto)> &aperto);

// Reads at most `massimo` bytes of the file; false with `perche`, a whole sentence in
// Italian that names the file, when it cannot be read.
bool LeggiFile(const QString &nome, qint64 massimo, QByteArray &contenuto, QString &perche);

// The suffix that a filter such as "Immagine PNG (*.png)" names.
QString SuffissoDelFiltro(const QString &filtro);

// The name with a suffix that one of the filters names: any other gets the suffix of the
// filter chosen, so that the file's type is the one its name says.
QString NomeConSuffisso(const QString &nome, const QString &filtri, const QString &scelto);

// Asks the user for the printer and its settings, in the system's own print dialog.
// Where no printer is installed, Qt's dialog offers a PDF file, with a name ready;
// Windows' dialog has nothing to offer, and the user is told. The browser prints a PDF:
// the page goes to one, handed over by Consegna. False when there is nothing to print on.
bool ScegliStampante(QPrinter &stampante, QWidget *sopra);

// Hands a file just written to the user: on a desktop it is already where the user
// chose; the browser gets it as a download, and the program keeps no copy.
bool Consegna(const QString &nome, QString &perche);

// Writes the whole file or nothing: a file already there stays as it was when the
// write fails (no permission, disk full, a folder that is gone). Nothing to write is a
// failure too, as it means the figure could not be made. `perche` says why it failed.
bool ScriviFile(const QString &nome, const QByteArray &contenuto, QString &perche);

// Why a file could not be written, in the user's words where the usual causes are seen
// (no such folder, no permission, the disk full), the system's own text after them.
QString MotivoInItaliano(const QString &nome, QFileDevice::FileError errore, const QString &testoDelSistema,
                         qint64 daScrivere = 0);

// The image as PNG bytes; none when it cannot be encoded.
QByteArray Png(const QImage &immagine);
