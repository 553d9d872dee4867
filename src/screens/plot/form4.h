// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/constants/form3.h"
#include "surface/schermo.h"

class Pulsante;

// The plot screen: every activation draws the axes and one more curve over the
// earlier ones, in the next colour.
class Form4 : public Schermo
{
    Q_OBJECT
public:
    Form4();

    float P1 = 0; // degrees to radians
    float CX = 0; // crossing of the axes, user units
    float CY = 0;
    Costante Va, Vb, Vc, Vd, Ve; // copies of the constants, taken at activation

    Pulsante *Command1, *Command2, *Command3;

    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    void CALCOLA();
    void DescriviCurve(int dentro);
    void NessunaCurva();

    int m_curve = 0; // curves on the drawing since it was last cleared
};
