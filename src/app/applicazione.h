// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object. A failure that reaches the event loop (the window system
// refusing something, memory running out) is reported to the user in Italian and
// ends the program with a non-zero status: nothing fails silently.
class Applicazione : public QApplication
{
    Q_OBJECT
public:
    Applicazione(int &argc, char **argv);

    bool notify(QObject *destinatario, QEvent *evento) override;
};

// Reports what failed in a message box and ends the program with status 1.
void ErroreFatale(const QString &cosa);
