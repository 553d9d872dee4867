// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/schermo.h"

#include <QString>

#include <cstdint>
#include <variant>

class Pulsante;
class QGroupBox;
class QLabel;
class QLineEdit;

// What a box that holds no number leaves in its constant, until it is read again.
struct Rifiutata
{
    bool operator==(const Rifiutata &) const = default;
};

// A constant as its box last left it: never read yet, accepted as a double, or rejected.
using Costante = std::variant<std::monostate, double, Rifiutata>;

// The constants screen: the axes of ellipses A and B and the ratio d of their angles.
class Form3 : public Schermo
{
    Q_OBJECT
public:
    Form3();

    Costante VALa, VALb, VALc, VALd, VALe;
    std::int16_t Miocolor = 0; // palette index of the most recent curve

    QLabel *Label1;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    Pulsante *Command1, *Command2;

    void Form_Activate() override;
    void Command2_Click();
    void Command1_Click();

private:
    // Each reads its box into its constant: true if it holds a number.
    bool LeggiText1();
    bool LeggiText2();
    bool LeggiText3();
    bool LeggiText4();
    bool LeggiText5();
    bool LeggiCasella(QLineEdit *casella, Costante &valore, const QString &messaggio);
};
