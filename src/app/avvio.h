// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The start of the run: the introduction; or, when the program is given a lesson file
// (`ordelio FILE`, a file dropped on the program, a double click on the file), the plot
// with the lesson's curves straight away, its calibration and colours taken. A file that
// holds no lesson is told to the user, and the run starts as usual.
void Avvio(const QStringList &argomenti);
