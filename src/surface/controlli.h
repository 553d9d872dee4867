// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QScrollBar>

class QLabel;
class QLineEdit;

// A push button that the focused user presses with Space or with Enter; a caption
// too long for one line wraps at blanks.
class Pulsante : public QPushButton
{
    Q_OBJECT
public:
    Pulsante(const QString &caption, QWidget *contenitore);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
};

// A horizontal scroll bar whose arrow keys go the way they point: Right raises the
// value, Left lowers it (Qt's scroll bars invert them, for the wheel's sake).
class BarraOrizzontale : public QScrollBar
{
    Q_OBJECT
public:
    explicit BarraOrizzontale(QWidget *contenitore);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
};

// A control with its caption or text, placed in its container.
template <typename Controllo>
Controllo *Crea(const QString &testo, QWidget *contenitore, QRect posto)
{
    auto *controllo = new Controllo(testo, contenitore);
    controllo->setGeometry(posto);
    return controllo;
}

// The face the screens were designed in, at this size.
QFont CarattereDiProgetto(qreal punti);

// The red heading of a screen, at 13.5 points.
enum class Peso { Normale, Grassetto };
void Intestazione(QLabel *label, Peso peso);

// The background colour of a text box.
void setBackColor(QLineEdit *casella, QColor colore);
