// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QLineEdit;

// The face the screens were designed in, at this size.
QFont CarattereDiProgetto(qreal punti);

// The red heading of a screen, at 13.5 points.
enum class Peso { Normale, Grassetto };
void Intestazione(QLabel *label, Peso peso);

// The background colour of a text box.
void setBackColor(QLineEdit *casella, QColor colore);
