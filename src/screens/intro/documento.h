// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/intro/formule.h"

#include <QList>
#include <QString>

#include <variant>

// The explanatory page: seventeen paragraphs of body text and formulas, as the
// opening screen shows them.

// A run of body text (tabs included) or a typeset formula.
using Parte = std::variant<QString, formule::Pezzo>;

struct Paragrafo
{
    // Twips from the top of the page to the top of the paragraph's line.
    int alto = 0;
    QList<Parte> parti;

    // The paragraph as it reads aloud: tabs as blanks, each formula in its plain reading.
    QString lettura() const;
    QList<formule::Pezzo> formule() const;
};

QList<Paragrafo> Documento();
