// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/palette.h"

#include <array>
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
