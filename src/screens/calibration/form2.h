// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/schermo.h"

#include <optional>

class Pulsante;
class QLabel;
class QLineEdit;
class BarraOrizzontale;

// The calibration screen: the user moves the scroll bar until the ring of dots looks
// like a circle, which fixes the ratio Incr of the vertical to the horizontal scale.
class Form2 : public Schermo
{
    Q_OBJECT
public:
    Form2();

    // The figure in user units: the scale's width, the crossing's shift right of the
    // middle (so CX is 146367.36 / 2 + 20000, 93183.6796875) and the ring's radius.
    static constexpr float Larghezza = 146367.36f;
    static constexpr float Spostamento = 20000;
    static constexpr float R = 36367.363f;

    float P1 = 0;
    std::optional<double> Incr; // empty until the first activation
    float CX = 0, CY = 0;       // crossing of the axes, centre of the ring
    double XR = 0, YR = 0;      // offsets of the latest dot

    QLabel *Label1;
    BarraOrizzontale *HScroll1;
    Pulsante *Command2;
    QLineEdit *Text1;
    Pulsante *Command1, *Command3;

    void Form_Activate() override;
    void HScroll1_Change();
    void Command1_Click();
    void Command3_Click();

private:
    void COORDINATE();
    void TRACCIA();
};
