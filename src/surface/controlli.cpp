// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/controlli.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

BarraOrizzontale::BarraOrizzontale(QWidget *contenitore) : QScrollBar(Qt::Horizontal, contenitore)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BarraOrizzontale::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Right || evento->key() == Qt::Key_Left) {
        const bool avanti = (evento->key() == Qt::Key_Right) != isRightToLeft();
        triggerAction(avanti ? SliderSingleStepAdd : SliderSingleStepSub);
        return;
    }
    QScrollBar::keyPressEvent(evento);
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

void setBackColor(QLineEdit *casella, QColor colore)
{
    QPalette tavolozza = casella->palette();
    tavolozza.setColor(QPalette::Base, colore);
    casella->setPalette(tavolozza);
}

QFont CarattereDiProgetto(qreal punti)
{
    // Liberation Sans has widths close enough to MS Sans Serif's for every caption to
    // fit the control it was placed in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont carattere(QStringLiteral("MS Sans Serif"));
    carattere.setPointSizeF(punti);
    return carattere;
}

void Intestazione(QLabel *label, Peso peso)
{
    QFont carattere = CarattereDiProgetto(13.5);
    carattere.setBold(peso == Peso::Grassetto);
    label->setFont(carattere);
    QPalette tavolozza = label->palette();
    tavolozza.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(tavolozza);
}
