// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

#include <memory>

class QPainter;

// A small typesetter for the page's formulas. Every piece is a box measured on the
// ink of its glyphs (QFontMetricsF), with its origin on the baseline at its left:
// `su` is how far it reaches above the baseline, `giu` how far below.
namespace formule {

class Box
{
public:
    virtual ~Box() = default;

    qreal larghezza() const { return m_larghezza; }
    qreal su() const { return m_su; }
    qreal giu() const { return m_giu; }

    virtual void disegna(QPainter &pittore, QPointF origine) const = 0;
    // A plain reading of the formula, for screen readers: "OA₁²", "α₂/α₁", "a, b;".
    virtual QString testo() const = 0;

protected:
    qreal m_larghezza = 0;
    qreal m_su = 0;
    qreal m_giu = 0;
};

using Pezzo = std::shared_ptr<const Box>;

// The size the formulas are set at, in logical pixels (12 pt).
constexpr qreal Em = 16;

// A run of text in one face.
Pezzo Testo(const QString &testo, const QFont &carattere);
// Blank room, as between an operator and its operands; it reads as nothing.
Pezzo Spazio(qreal larghezza);
// Pieces side by side on one baseline.
Pezzo Riga(QList<Pezzo> pezzi);
// A base with a subscript, a superscript or both (either may be null).
Pezzo Indici(Pezzo base, Pezzo pedice, Pezzo apice);
// A bar over its content.
Pezzo Barra(Pezzo contenuto);
// Lines stacked one above the other, grouped by a left brace and centred on the
// formula's axis.
Pezzo Graffa(QList<Pezzo> righe);
// A built-up fraction.
Pezzo Frazione(Pezzo numeratore, Pezzo denominatore);
// Square brackets sized to the height of their content.
Pezzo Quadre(Pezzo contenuto);

// The height of the fraction bar and of the middle of "=" above the baseline.
qreal Asse();

} // namespace formule
