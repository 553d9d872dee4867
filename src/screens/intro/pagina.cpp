// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/pagina.h"

#include "screens/intro/caratteri.h"
#include "screens/intro/paginaaccessibile.h"
#include "surface/twips.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace {

// Lines start 600 twips in from the left; tab stops every half inch from there.
constexpr qreal Margine = 600.0 / TwipsPerPixel;
constexpr qreal PassoTab = 720.0 / TwipsPerPixel;

// Positions are compared in whole twips, so text that ends on a stop moves on to
// the next one ("\tDove \t" ends exactly on the third).
qreal prossimoTab(qreal x)
{
    const qreal twips = std::round((x - Margine) * TwipsPerPixel);
    return Margine + (std::floor(twips / (PassoTab * TwipsPerPixel)) + 1) * PassoTab;
}

} // namespace

// The page is laid out once: its faces are its own, whatever the widget's font, and
// it is drawn at its natural size, whatever the widget's size.
Pagina::Pagina(QWidget *contenitore) : QFrame(contenitore), m_documento(Documento()), m_posti(disponi(m_documento))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFocusPolicy(Qt::StrongFocus);
    // Before anything asks for the page's accessible interface, which is then kept.
    static const bool installata = (QAccessible::installFactory(InterfacciaPagina), true);
    Q_UNUSED(installata);
    setAccessibleName(QStringLiteral("Pagina introduttiva"));
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, Qt::white);
    tavolozza.setColor(QPalette::WindowText, Qt::black);
    setPalette(tavolozza);
}

QList<Pagina::Posto> Pagina::disponi(const QList<Paragrafo> &documento)
{
    const QFontMetricsF metrica(CarattereCorpo());
    QList<Posto> posti;
    for (const Paragrafo &paragrafo : documento) {
        // The line is as tall as its tallest formula, and at least as the body text.
        qreal su = metrica.ascent();
        for (const formule::Pezzo &formula : paragrafo.formule())
            su = std::max(su, formula->su());
        const qreal base = paragrafo.alto / qreal(TwipsPerPixel) + su;

        qreal x = Margine;
        for (const Parte &parte : paragrafo.parti) {
            if (const auto *formula = std::get_if<formule::Pezzo>(&parte)) {
                posti.append({QPointF(x, base), {}, *formula});
                x += (*formula)->larghezza();
                continue;
            }
            const QStringList campi = std::get<QString>(parte).split(QLatin1Char('\t'));
            for (qsizetype n = 0; n < campi.size(); ++n) {
                if (n > 0)
                    x = prossimoTab(x);
                if (!campi[n].isEmpty())
                    posti.append({QPointF(x, base), campi[n], nullptr});
                x += metrica.horizontalAdvance(campi[n]);
            }
        }
    }
    return posti;
}

QString Pagina::lettura() const
{
    QStringList paragrafi;
    for (const Paragrafo &paragrafo : m_documento)
        if (const QString testo = paragrafo.lettura(); !testo.isEmpty())
            paragrafi << testo;
    return paragrafi.join(QLatin1Char('\n'));
}

void Pagina::disegna(QPainter &pittore) const
{
    pittore.save();
    pittore.setPen(Qt::black);
    const QFont corpo = CarattereCorpo();
    for (const Posto &posto : m_posti) {
        if (posto.formula) {
            posto.formula->disegna(pittore, posto.origine);
        } else {
            pittore.setFont(corpo);
            pittore.drawText(posto.origine, posto.testo);
        }
    }
    pittore.restore();
}

void Pagina::paintEvent(QPaintEvent *evento)
{
    {
        QPainter pittore(this);
        pittore.setClipRect(rect());
        disegna(pittore);
    }
    QFrame::paintEvent(evento);
}

void Pagina::keyPressEvent(QKeyEvent *evento)
{
    // The page is only shown: Enter on it does nothing, and goes no further.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->accept();
        return;
    }
    QFrame::keyPressEvent(evento);
}
