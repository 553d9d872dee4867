// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Numbers as the user writes them, in the regional format of QLocale()
// (the system locale unless a test has set another default).
namespace Numeri {

// Up to 15 significant digits with the user's decimal separator, no grouping.
QString Testo(double valore);

// With this many digits after the user's decimal separator, no grouping.
QString Testo(double valore, int decimali);

// Whether the whole text reads as a finite double. "inf", "nan" and values
// beyond the double range are not numbers here.
bool IsNumeric(const QString &testo);

// The value of a text that passed IsNumeric; 0 for any other text.
double CDbl(const QString &testo);

} // namespace Numeri
