// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/schermo.h"

class Pagina;
class Pulsante;

// The opening screen: the explanatory page and the button that leads on.
class Form1 : public Schermo
{
    Q_OBJECT
public:
    Form1();

    Pagina *OLE1;
    Pulsante *Command1;

    void Command1_Click();
};
