// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/schermi.h"

#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/intro/form1.h"
#include "screens/plot/form4.h"

#include <memory>

namespace {

std::unique_ptr<::Form1> s_form1;
std::unique_ptr<::Form2> s_form2;
std::unique_ptr<::Form3> s_form3;
std::unique_ptr<::Form4> s_form4;

template <typename Screen>
Screen &primoUso(std::unique_ptr<Screen> &riferimento)
{
    if (!riferimento)
        riferimento = std::make_unique<Screen>();
    return *riferimento;
}

} // namespace

namespace app {

::Form1 &Form1()
{
    return primoUso(s_form1);
}
::Form2 &Form2()
{
    return primoUso(s_form2);
}
::Form3 &Form3()
{
    return primoUso(s_form3);
}
::Form4 &Form4()
{
    return primoUso(s_form4);
}

void ChiudiSchermi()
{
    s_form4.reset();
    s_form3.reset();
    s_form2.reset();
    s_form1.reset();
}

} // namespace app
