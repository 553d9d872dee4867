// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/messaggio.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

void MsgBox(const QString &testo, QWidget *sopra)
{
    QMessageBox box(QMessageBox::NoIcon, TitoloApplicazione, testo, QMessageBox::Ok, sopra);
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain OK, as the box has no icon either
    box.exec();
}
