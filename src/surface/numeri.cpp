// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/numeri.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

std::optional<double> leggi(const QString &testo)
{
    bool ok = false;
    const double valore = QLocale().toDouble(testo, &ok);
    // QLocale reads "inf" and "nan" as numbers; a constant must be a finite one.
    if (!ok || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

} // namespace

namespace Numeri {

QString Testo(double valore)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(valore, 'g', 15);
}

QString Testo(double valore, int decimali)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(valore, 'f', decimali);
}

bool IsNumeric(const QString &testo)
{
    return leggi(testo).has_value();
}

double CDbl(const QString &testo)
{
    return leggi(testo).value_or(0.0);
}

} // namespace Numeri
