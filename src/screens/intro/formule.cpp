// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/formule.h"

#include "screens/intro/caratteri.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace formule {

namespace {

// Gaps and strokes, as fractions of the formula size.
constexpr qreal Spessore = 1;           // fraction bar and overbar, one pixel
constexpr qreal Stacco = 0.07 * Em;     // between a bar and what it covers
constexpr qreal Interlinea = 0.05 * Em; // between lines grouped by a brace

// An index as a screen reader can say it: digits as sub- or superscript digits,
// anything else after a mark ("α_n").
QString indice(const QString &testo, const char16_t *cifre, QChar segno)
{
    QString risultato;
    for (QChar c : testo) {
        if (!c.isDigit())
            return segno + testo;
        risultato += QChar(cifre[c.digitValue()]);
    }
    return risultato;
}

// A bar lands on whole pixels, so it is as sharp as the glyphs beside it.
void disegnaBarra(QPainter &pittore, qreal sinistra, qreal alto, qreal larghezza)
{
    pittore.fillRect(QRectF(sinistra, std::round(alto), larghezza, Spessore), pittore.pen().color());
}

class Testo_ : public Box
{
public:
    Testo_(const QString &testo, const QFont &carattere) : m_testo(testo), m_carattere(carattere)
    {
        const QFontMetricsF metrica(carattere);
        m_larghezza = metrica.horizontalAdvance(testo);
        const QRectF inchiostro = metrica.tightBoundingRect(testo);
        m_su = std::max(0.0, -inchiostro.top());
        m_giu = std::max(0.0, inchiostro.bottom());
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        pittore.setFont(m_carattere);
        pittore.drawText(origine, m_testo);
    }
    QString testo() const override { return m_testo; }

private:
    QString m_testo;
    QFont m_carattere;
};

class Spazio_ : public Box
{
public:
    explicit Spazio_(qreal larghezza) { m_larghezza = larghezza; }
    void disegna(QPainter &, QPointF) const override {}
    QString testo() const override { return QStringLiteral(" "); }
};

class Riga_ : public Box
{
public:
    explicit Riga_(QList<Pezzo> pezzi) : m_pezzi(std::move(pezzi))
    {
        for (const Pezzo &pezzo : m_pezzi) {
            m_larghezza += pezzo->larghezza();
            m_su = std::max(m_su, pezzo->su());
            m_giu = std::max(m_giu, pezzo->giu());
        }
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        for (const Pezzo &pezzo : m_pezzi) {
            pezzo->disegna(pittore, origine);
            origine.rx() += pezzo->larghezza();
        }
    }
    QString testo() const override
    {
        QString risultato;
        for (const Pezzo &pezzo : m_pezzi)
            risultato += pezzo->testo();
        return risultato;
    }

private:
    QList<Pezzo> m_pezzi;
};

class Indici_ : public Box
{
public:
    Indici_(Pezzo base, Pezzo pedice, Pezzo apice)
        : m_base(std::move(base)), m_pedice(std::move(pedice)), m_apice(std::move(apice))
    {
        // A superscript rises with a tall base and clears a bar; a subscript hangs
        // a fixed depth below the baseline.
        m_salita = std::max(SalitaMinima, m_base->su() - SottoLaCima);
        m_discesa = Discesa;
        m_larghezza = m_base->larghezza();
        m_su = m_base->su();
        m_giu = m_base->giu();
        qreal indici = 0;
        if (m_pedice) {
            indici = m_pedice->larghezza();
            m_su = std::max(m_su, m_pedice->su() - m_discesa);
            m_giu = std::max(m_giu, m_pedice->giu() + m_discesa);
        }
        if (m_apice) {
            indici = std::max(indici, m_apice->larghezza());
            m_su = std::max(m_su, m_apice->su() + m_salita);
        }
        m_larghezza += indici + DopoGliIndici;
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        m_base->disegna(pittore, origine);
        const qreal x = origine.x() + m_base->larghezza();
        if (m_pedice)
            m_pedice->disegna(pittore, QPointF(x, origine.y() + m_discesa));
        if (m_apice)
            m_apice->disegna(pittore, QPointF(x, origine.y() - m_salita));
    }
    QString testo() const override
    {
        QString risultato = m_base->testo();
        if (m_pedice)
            risultato += indice(m_pedice->testo(), u"₀₁₂₃₄₅₆₇₈₉", QLatin1Char('_'));
        if (m_apice)
            risultato += indice(m_apice->testo(), u"⁰¹²³⁴⁵⁶⁷⁸⁹", QLatin1Char('^'));
        return risultato;
    }

private:
    static constexpr qreal SalitaMinima = 0.4 * Em; // a superscript's baseline above the base's
    static constexpr qreal SottoLaCima = 0.12 * Em; // a superscript's baseline below a tall base's top
    static constexpr qreal Discesa = 0.18 * Em;     // a subscript's baseline below the base's
    static constexpr qreal DopoGliIndici = 0.05 * Em;

    Pezzo m_base, m_pedice, m_apice;
    qreal m_salita = 0, m_discesa = 0;
};

class Barra_ : public Box
{
public:
    explicit Barra_(Pezzo contenuto) : m_contenuto(std::move(contenuto))
    {
        m_larghezza = m_contenuto->larghezza();
        m_su = m_contenuto->su() + Stacco + Spessore;
        m_giu = m_contenuto->giu();
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        m_contenuto->disegna(pittore, origine);
        // Italic capitals lean right: the bar starts a little in from the left.
        disegnaBarra(pittore, origine.x() + Rientro, origine.y() - m_su, m_larghezza - Rientro);
    }
    // A vector reads as its name.
    QString testo() const override { return m_contenuto->testo(); }

private:
    static constexpr qreal Rientro = 0.1 * Em;
    Pezzo m_contenuto;
};

class Graffa_ : public Box
{
public:
    explicit Graffa_(QList<Pezzo> righe) : m_righe(std::move(righe))
    {
        qreal altezza = 0;
        qreal larghezzaRighe = 0;
        for (const Pezzo &riga : m_righe) {
            altezza += riga->su() + riga->giu();
            larghezzaRighe = std::max(larghezzaRighe, riga->larghezza());
        }
        altezza += Interlinea * (m_righe.size() - 1);
        m_su = Asse() + altezza / 2;
        m_giu = altezza - m_su;
        m_larghezza = LarghezzaGraffa + larghezzaRighe;
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        // The stroke's round ends stay inside the box.
        const qreal margine = Tratto / 2;
        disegnaGraffa(pittore, QRectF(origine.x() + margine, origine.y() - m_su + margine,
                                      LarghezzaGraffa - StaccoRighe - 2 * margine, m_su + m_giu - 2 * margine));
        qreal alto = origine.y() - m_su;
        for (const Pezzo &riga : m_righe) {
            riga->disegna(pittore, QPointF(origine.x() + LarghezzaGraffa, alto + riga->su()));
            alto += riga->su() + riga->giu() + Interlinea;
        }
    }
    QString testo() const override
    {
        QStringList righe;
        for (const Pezzo &riga : m_righe)
            righe << riga->testo();
        return righe.join(QStringLiteral(", ")) + QLatin1Char(';');
    }

private:
    static constexpr qreal LarghezzaGraffa = 0.5 * Em; // the brace and the room after it
    static constexpr qreal StaccoRighe = 0.12 * Em;    // that room
    static constexpr qreal Tratto = 0.07 * Em;

    static void disegnaGraffa(QPainter &pittore, const QRectF &r)
    {
        const qreal destra = r.right(), centro = r.center().x(), sinistra = r.left();
        const qreal curva = std::min(r.width() / 2, r.height() / 8);
        const qreal mezzo = r.center().y();
        QPainterPath tratto(QPointF(destra, r.top()));
        tratto.quadTo(QPointF(centro, r.top()), QPointF(centro, r.top() + curva));
        tratto.lineTo(QPointF(centro, mezzo - curva));
        tratto.quadTo(QPointF(centro, mezzo), QPointF(sinistra, mezzo));
        tratto.quadTo(QPointF(centro, mezzo), QPointF(centro, mezzo + curva));
        tratto.lineTo(QPointF(centro, r.bottom() - curva));
        tratto.quadTo(QPointF(centro, r.bottom()), QPointF(destra, r.bottom()));
        pittore.save();
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(QPen(pittore.pen().color(), Tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawPath(tratto);
        pittore.restore();
    }

    QList<Pezzo> m_righe;
};

class Frazione_ : public Box
{
public:
    Frazione_(Pezzo numeratore, Pezzo denominatore)
        : m_numeratore(std::move(numeratore)), m_denominatore(std::move(denominatore))
    {
        m_larghezza = std::max(m_numeratore->larghezza(), m_denominatore->larghezza()) + 2 * Margine;
        m_su = Asse() + Spessore / 2 + Stacco + m_numeratore->giu() + m_numeratore->su();
        m_giu = m_denominatore->su() + m_denominatore->giu() + Stacco + Spessore / 2 - Asse();
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        const qreal barra = origine.y() - Asse();
        const auto centrato = [&](const Pezzo &pezzo) { return origine.x() + (m_larghezza - pezzo->larghezza()) / 2; };
        m_numeratore->disegna(pittore,
                              QPointF(centrato(m_numeratore), barra - Spessore / 2 - Stacco - m_numeratore->giu()));
        m_denominatore->disegna(
            pittore, QPointF(centrato(m_denominatore), barra + Spessore / 2 + Stacco + m_denominatore->su()));
        disegnaBarra(pittore, origine.x() + Margine / 2, barra - Spessore / 2, m_larghezza - Margine);
    }
    QString testo() const override { return m_numeratore->testo() + QLatin1Char('/') + m_denominatore->testo(); }

private:
    static constexpr qreal Margine = 0.1 * Em;
    Pezzo m_numeratore, m_denominatore;
};

class Quadre_ : public Box
{
public:
    explicit Quadre_(Pezzo contenuto) : m_contenuto(std::move(contenuto))
    {
        // The brackets' ink spans the content and a little more on either side:
        // pick the size at which it does, never smaller than the text around.
        const qreal altezza = m_contenuto->su() + m_contenuto->giu() + 2 * Eccedenza;
        const QFont campione = CarattereFormule(72, Forma::Diritta);
        const QRectF inchiostro = QFontMetricsF(campione).tightBoundingRect(QStringLiteral("["));
        const qreal punti = std::max(12.0, 72 * altezza / inchiostro.height());
        m_carattere = CarattereFormule(punti, Forma::Diritta);
        const QFontMetricsF metrica(m_carattere);
        const QRectF aperta = metrica.tightBoundingRect(QStringLiteral("["));
        // Centre the brackets' ink on the content's.
        const qreal centro = (m_contenuto->su() - m_contenuto->giu()) / 2;
        m_abbassa = -centro - aperta.center().y();
        m_larghezzaQuadra = metrica.horizontalAdvance(QStringLiteral("["));
        m_su = std::max(m_contenuto->su(), -(aperta.top() + m_abbassa));
        m_giu = std::max(m_contenuto->giu(), aperta.bottom() + m_abbassa);
        m_larghezza = 2 * m_larghezzaQuadra + m_contenuto->larghezza() + 2 * Margine;
    }

    void disegna(QPainter &pittore, QPointF origine) const override
    {
        const QPointF quadre(origine.x(), origine.y() + m_abbassa);
        pittore.setFont(m_carattere);
        pittore.drawText(quadre, QStringLiteral("["));
        m_contenuto->disegna(pittore, origine + QPointF(m_larghezzaQuadra + Margine, 0));
        pittore.setFont(m_carattere);
        pittore.drawText(quadre + QPointF(m_larghezza - m_larghezzaQuadra, 0), QStringLiteral("]"));
    }
    QString testo() const override { return QStringLiteral("[%1]").arg(m_contenuto->testo()); }

private:
    static constexpr qreal Eccedenza = 0.12 * Em; // the brackets' ink above and below the content
    static constexpr qreal Margine = 0.12 * Em;   // between each bracket and the content
    Pezzo m_contenuto;
    QFont m_carattere;
    qreal m_abbassa = 0;
    qreal m_larghezzaQuadra = 0;
};

} // namespace

qreal Asse()
{
    static const qreal asse =
        -QFontMetricsF(CarattereFormule(12, Forma::Diritta)).tightBoundingRect(QStringLiteral("=")).center().y();
    return asse;
}

Pezzo Testo(const QString &testo, const QFont &carattere)
{
    return std::make_shared<Testo_>(testo, carattere);
}
Pezzo Spazio(qreal larghezza)
{
    return std::make_shared<Spazio_>(larghezza);
}
Pezzo Riga(QList<Pezzo> pezzi)
{
    return std::make_shared<Riga_>(std::move(pezzi));
}
Pezzo Indici(Pezzo base, Pezzo pedice, Pezzo apice)
{
    return std::make_shared<Indici_>(std::move(base), std::move(pedice), std::move(apice));
}
Pezzo Barra(Pezzo contenuto)
{
    return std::make_shared<Barra_>(std::move(contenuto));
}
Pezzo Graffa(QList<Pezzo> righe)
{
    return std::make_shared<Graffa_>(std::move(righe));
}
Pezzo Frazione(Pezzo numeratore, Pezzo denominatore)
{
    return std::make_shared<Frazione_>(std::move(numeratore), std::move(denominatore));
}
Pezzo Quadre(Pezzo contenuto)
{
    return std::make_shared<Quadre_>(std::move(contenuto));
}

} // namespace formule
