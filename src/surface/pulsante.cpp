// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/pulsante.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

Pulsante::Pulsante(const QString &caption, QWidget *contenitore) : QPushButton(caption, contenitore)
{
    setAutoDefault(false);
}

void Pulsante::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void Pulsante::paintEvent(QPaintEvent *)
{
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    const QString caption = opzione.text;
    opzione.text.clear();
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const QRect interno = style()->subElementRect(QStyle::SE_PushButtonContents, &opzione, this);
    pittore.drawItemText(interno, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}
