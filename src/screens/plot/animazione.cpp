// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/animazione.h"

#include "screens/plot/curva.h"
#include "surface/numeri.h"

#include <QApplication>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Milliseconds a degree takes, slowest first: a whole turn in 36, 18, 9 or 4.5 seconds.
constexpr std::array<int, 4> Velocita = {100, 50, 25, 12};
constexpr int Scia = 24;           // degrees of trail behind the point
constexpr int Margine = 28;        // pixels round the construction: arrowheads, letters
const QColor ColoreA(200, 30, 30); // the component from ellipse A
const QColor ColoreB(20, 90, 210); // the component from ellipse B

QFont carattere(qreal punti, bool grassetto)
{
    QFont f = QApplication::font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void freccia(QPainter &pittore, QPointF da, QPointF a, QColor colore, int spessore)
{
    const QLineF linea(a, da);
    pittore.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap));
    pittore.drawLine(da, a);
    if (linea.length() < 12)
        return;
    QLineF ala1 = linea, ala2 = linea;
    ala1.setLength(12), ala2.setLength(12);
    ala1.setAngle(linea.angle() + 25), ala2.setAngle(linea.angle() - 25);
    pittore.setBrush(colore);
    pittore.setPen(Qt::NoPen);
    pittore.drawPolygon(QPolygonF({a, ala1.p2(), ala2.p2()}));
}

// One decimal, and the minus sign of the opening page's formulas.
QString numero(double valore)
{
    return Numeri::Testo(valore, 1).replace(QLatin1Char('-'), QChar(0x2212));
}

QString Lettura(int Alfa, Scostamento s)
{
    return QStringLiteral("α₁ = %1°; x = %2; y = %3").arg(Alfa).arg(numero(s.X), numero(s.Y));
}

// What the readout says of a point that the plot has no dot for.
QString LetturaSenzaPunto(int Alfa, Scostamento s)
{
    if (!std::isfinite(s.X) || !std::isfinite(s.Y))
        return QStringLiteral("α₁ = %1°: il punto non si può calcolare").arg(Alfa);
    return QStringLiteral("α₁ = %1°: il punto cade fuori dal disegno").arg(Alfa);
}

// The keys under the readout, which change with the pause.
const QString TastiInPausa = QStringLiteral("In pausa. Frecce: un grado; barra spaziatrice: riprende");
const QString TastiInCorsa = QStringLiteral("Barra spaziatrice: pausa; + e -: più veloce, più lenta");

} // namespace

Animazione::Animazione()
{
    connect(&m_orologio, &QTimer::timeout, this, &Animazione::avanza);
    m_lettore.setInterval(250);
    connect(&m_lettore, &QTimer::timeout, this, [this] {
        if (const QString testo = lettura(); testo != m_detto)
            emit descritta(m_detto = testo);
    });
}

void Animazione::avvia(const Tracciato &tracciato)
{
    m_tracciato = tracciato;
    m_attiva = true;
    m_inPausa = false;
    m_Alfa = 0;
    m_orologio.start(Velocita[std::size_t(m_velocita)]);
    m_lettore.start();
    emit descritta(m_detto = lettura());
    emit cambiata(zona());
}

void Animazione::ferma()
{
    if (!m_attiva)
        return;
    const QRect prima = zona();
    m_attiva = false;
    m_orologio.stop();
    m_lettore.stop();
    emit cambiata(prima);
}

void Animazione::pausa()
{
    m_inPausa = !m_inPausa && m_attiva;
    if (m_inPausa)
        m_orologio.stop();
    else if (m_attiva)
        m_orologio.start(Velocita[std::size_t(m_velocita)]);
    if (m_attiva && !m_inPausa && m_Alfa == 360) // run on from the end: round again
        vaiA(0);
    emit cambiata(riquadro());
}

void Animazione::passo(int gradi)
{
    m_inPausa = true;
    m_orologio.stop();
    vaiA(std::clamp(m_Alfa + gradi, 0, 360));
}

void Animazione::avanza()
{
    vaiA(std::min(m_Alfa + 1, 360));
    if (m_Alfa == 360)
        passo(0);
}

void Animazione::vaiA(int Alfa)
{
    const QRect prima = zona();
    m_Alfa = Alfa;
    emit cambiata(prima | zona());
}

void Animazione::piuVeloce()
{
    m_velocita = std::min(m_velocita + 1, int(Velocita.size()) - 1);
    m_orologio.setInterval(Velocita[std::size_t(m_velocita)]);
}

void Animazione::piuLento()
{
    m_velocita = std::max(m_velocita - 1, 0);
    m_orologio.setInterval(Velocita[std::size_t(m_velocita)]);
}

std::optional<QPointF> Animazione::pixelAl(int Alfa) const
{
    // The point as CALCOLA places it, so that it lands on its dot.
    const PuntoCurva p = m_tracciato.punto(Alfa);
    if (!p.dentro)
        return std::nullopt;
    return m_tracciato.pixel(p.x, p.y);
}

std::optional<QPointF> Animazione::punto() const
{
    return pixelAl(m_Alfa);
}

QString Animazione::lettura() const
{
    const PuntoCurva p = m_tracciato.punto(m_Alfa);
    return (p.dentro ? Lettura : LetturaSenzaPunto)(m_Alfa, p.scostamento);
}

QRect Animazione::riquadro() const
{
    const QFontMetrics grande(carattereDellaLettura()), piccolo(carattere(9, false));
    // As wide as the widest text it may show: a point within the axes has at most four digits.
    const int larghezza = std::max({grande.horizontalAdvance(Lettura(360, {-8888.8, -8888.8})),
                                    grande.horizontalAdvance(LetturaSenzaPunto(360, {0, 0})),
                                    grande.horizontalAdvance(LetturaSenzaPunto(360, {NAN, 0})),
                                    piccolo.horizontalAdvance(TastiInPausa), piccolo.horizontalAdvance(TastiInCorsa)});
    const QSize dimensione(larghezza + 24, grande.lineSpacing() + piccolo.lineSpacing() * 2 + 20);
    return QRect(QPoint(int(m_tracciato.area.width()) - dimensione.width() - 16, 16), dimensione);
}

QRect Animazione::zona() const
{
    if (!m_attiva)
        return QRect();
    const QPointF O = m_tracciato.pixel(m_tracciato.CX, m_tracciato.CY);
    QRectF r(O, O);
    for (int a = std::max(m_Alfa - Scia, 0); a <= m_Alfa; ++a) {
        const std::optional<QPointF> p = pixelAl(a);
        if (!p)
            continue;
        r |= QRectF(*p, *p);
        r |= QRectF(O, QPointF(p->x(), O.y())).normalized() | QRectF(O, QPointF(O.x(), p->y())).normalized();
    }
    // The readout's border is drawn half outside its box.
    return r.toAlignedRect().adjusted(-Margine, -Margine, Margine, Margine) | riquadro().adjusted(-2, -2, 2, 2);
}

void Animazione::disegna(QPainter &pittore) const
{
    if (!m_attiva)
        return;
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);

    // The trail: the last degrees the point went through, where the plot has their dots.
    QColor scia = m_tracciato.colore();
    std::optional<QPointF> da = pixelAl(std::max(m_Alfa - Scia, 0));
    for (int a = std::max(m_Alfa - Scia, 0); a < m_Alfa; ++a) {
        const std::optional<QPointF> fin = pixelAl(a + 1);
        if (da && fin) {
            scia.setAlphaF(0.15 + 0.6 * (a - m_Alfa + Scia) / Scia);
            pittore.setPen(QPen(scia, 5, Qt::SolidLine, Qt::RoundCap));
            pittore.drawLine(*da, *fin);
        }
        da = fin;
    }
    if (const std::optional<QPointF> P = punto())
        disegnaIlPunto(pittore, *P);
    disegnaLaLettura(pittore);
    pittore.restore();
}

void Animazione::disegnaIlPunto(QPainter &pittore, QPointF P) const
{
    const Scostamento s = m_tracciato.punto(m_Alfa).scostamento;
    const QPointF O = m_tracciato.pixel(m_tracciato.CX, m_tracciato.CY);
    const QPointF A(P.x(), O.y()), B(O.x(), P.y()); // the ends of the two components

    // The two components, their sum, and the lines that close the parallelogram.
    const bool proiettore = m_tracciato.proiettore; // wider pens, to be seen from the back of the room
    pittore.setPen(QPen(Qt::darkGray, proiettore ? 3 : 1, Qt::DashLine));
    pittore.drawLine(A, P);
    pittore.drawLine(B, P);
    const int spessore = proiettore ? 5 : 3;
    freccia(pittore, O, A, ColoreA, spessore);
    freccia(pittore, O, B, ColoreB, spessore);
    freccia(pittore, O, P, Qt::black, spessore);
    pittore.setFont(carattere(11, true));
    pittore.setPen(ColoreA);
    pittore.drawText(QRectF(A.x() - 20, O.y() + (s.Y > 0 ? -24 : 4), 40, 20), Qt::AlignCenter, QStringLiteral("A"));
    pittore.setPen(ColoreB);
    pittore.drawText(QRectF(O.x() + (s.X > 0 ? -32 : 12), B.y() - 10, 20, 20), Qt::AlignCenter, QStringLiteral("B"));

    // The point.
    pittore.setPen(QPen(Qt::black, 1.5));
    pittore.setBrush(m_tracciato.colore());
    pittore.drawEllipse(P, 6, 6);
}

void Animazione::disegnaLaLettura(QPainter &pittore) const
{
    const QRect r = riquadro();
    pittore.setPen(QPen(Qt::darkGray, 1));
    pittore.setBrush(QColor(255, 255, 255, 235));
    pittore.drawRoundedRect(r, 6, 6);
    pittore.setPen(Qt::black);
    pittore.setFont(carattereDellaLettura());
    const int riga = QFontMetrics(carattereDellaLettura()).lineSpacing();
    pittore.drawText(r.adjusted(12, 8, -12, 0), Qt::AlignLeft | Qt::AlignTop, lettura());
    pittore.setFont(carattere(9, false));
    pittore.drawText(r.adjusted(12, 12 + riga, -12, -8), Qt::AlignLeft | Qt::AlignTop,
                     (m_inPausa ? TastiInPausa : TastiInCorsa) + QStringLiteral("\nF5 o Esc: fine"));
}

QFont Animazione::carattereDellaLettura() const
{
    QFont f = carattere(14, true);
    if (m_tracciato.proiettore)
        f.setPixelSize(24);
    return f;
}
