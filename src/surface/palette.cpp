// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/palette.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

QColor QBColor(int indice)
{
    static constexpr std::array<QRgb, 16> colori = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (indice < 0 || indice >= int(colori.size()))
        throw std::out_of_range("indice di colore " + std::to_string(indice) + " fuori dalla tavolozza");
    return QColor::fromRgb(colori[std::size_t(indice)]);
}

QString NomeColore(int indice)
{
    static constexpr std::array<const char *, 16> nomi = {
        "nero",   "blu scuro", "verde",        "verde acqua", "rosso scuro", "viola",  "verde oliva", "grigio chiaro",
        "grigio", "blu",       "verde chiaro", "azzurro",     "rosso",       "fucsia", "giallo",      "bianco",
    };
    return QString::fromUtf8(nomi.at(std::size_t(indice))); // out of range throws, as QBColor does
}

double ContrastoSulBianco(QColor colore)
{
    const auto lineare = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminanza =
        0.2126 * lineare(colore.redF()) + 0.7152 * lineare(colore.greenF()) + 0.0722 * lineare(colore.blueF());
    return 1.05 / (luminanza + 0.05);
}

QColor ColoreDaProiettore(QColor colore)
{
    // A projector washes pale colours out on the white ground.
    QColor scuro = colore.toHsv();
    while (ContrastoSulBianco(scuro) < 4.5)
        scuro.setHsv(scuro.hsvHue(), scuro.hsvSaturation(), scuro.value() - 1);
    return scuro.toRgb();
}
