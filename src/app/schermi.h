// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;
class Form2;
class Form3;
class Form4;

// The program-wide references to the four screens. Each screen is created on its
// first use, never twice, and lives until the end of the program.
namespace app {

::Form1 &Form1();
::Form2 &Form2();
::Form3 &Form3();
::Form4 &Form4();

// The end of the program: destroys the screens, the last one first.
void ChiudiSchermi();

} // namespace app
