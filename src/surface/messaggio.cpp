#include "surface/messaggio.h"

#include <QMessageBox>

void MsgBox(const QString &testo, QWidget *sopra)
{
    QMessageBox box(QMessageBox::NoIcon, TitoloApplicazione, testo, QMessageBox::Ok, sopra);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
