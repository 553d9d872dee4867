// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/plot/curva.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A lesson kept in a file: the calibration, the colour of the latest curve and every
// curve on the plot in order, each with the calibration it was drawn at. The file is
// small UTF-8 JSON:
//   {"formato": "ordelio-lezione", "versione": 1, "calibrazione": 0.71, "colore": 2,
//    "curve": [{"a": 20, "b": 15, "c": 10, "d": 5, "e": 2, "colore": 1, "calibrazione": 0.71}, ...]}
// Keys it does not know are left alone, so that a later version 1 may add some.
class Lezione
{
public:
    struct Curva
    {
        CostantiCurva costanti;
        double calibrazione; // the plot's height over its width when it was drawn
        bool operator==(const Curva &) const = default;
    };

    double calibrazione = 0; // the calibration screen's factor
    std::int16_t colore = 0; // the palette index of the latest curve
    std::vector<Curva> curve;
    bool operator==(const Lezione &) const = default;

    // Larger than this is no lesson: some ten thousand curves.
    static constexpr qsizetype DimensioneMassima = 2 * 1024 * 1024;

    QByteArray scrivi() const;
    // The lesson in `dati`, or none with `messaggio` saying in Italian, to the user,
    // why the file called `nome` is no lesson that can be opened.
    static std::optional<Lezione> leggi(const QByteArray &dati, const QString &nome, QString &messaggio);
};
