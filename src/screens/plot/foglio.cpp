// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/foglio.h"

#include "screens/plot/tracciati.h"
#include "surface/numeri.h"
#include "surface/palette.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

struct Voce
{
    QString testo;
    QColor colore;
};

QList<Voce> vociDellIntestazione(const Tracciati &tracciati)
{
    QList<Voce> voci;
    for (const Tracciato &t : tracciati.elenco())
        if (t.curva)
            voci.append({TestoCostanti(*t.curva), QBColor(t.curva->colore)});
    return voci;
}

// The heading's entries in lines as wide as the page, each line centred; returns the
// height it takes.
qreal scriviIntestazione(QPainter &pittore, QRectF pagina, const QList<Voce> &voci)
{
    const QFontMetricsF metrica(pittore.font(), pittore.device());
    const qreal spazio = metrica.horizontalAdvance(QStringLiteral("    "));
    QList<QList<Voce>> righe{{}};
    qreal larghezza = 0;
    for (const Voce &voce : voci) {
        const qreal w = metrica.horizontalAdvance(voce.testo);
        if (!righe.last().isEmpty() && larghezza + spazio + w > pagina.width()) {
            righe.append(QList<Voce>());
            larghezza = 0;
        }
        larghezza += (righe.last().isEmpty() ? 0 : spazio) + w;
        righe.last().append(voce);
    }
    qreal y = pagina.top() + metrica.ascent();
    for (const QList<Voce> &riga : righe) {
        qreal w = -spazio;
        for (const Voce &voce : riga)
            w += spazio + metrica.horizontalAdvance(voce.testo);
        qreal x = pagina.center().x() - w / 2;
        for (const Voce &voce : riga) {
            pittore.setPen(voce.colore);
            pittore.drawText(QPointF(x, y), voce.testo);
            x += metrica.horizontalAdvance(voce.testo) + spazio;
        }
        y += metrica.lineSpacing();
    }
    return righe.size() * metrica.lineSpacing() + metrica.lineSpacing() / 2;
}

} // namespace

QString TestoCostanti(const CostantiCurva &c)
{
    const auto n = [](double v) { return Numeri::Testo(v); };
    return QStringLiteral("A: %1 e %2; B: %3 e %4; d = %5").arg(n(c.Va), n(c.Vb), n(c.Vc), n(c.Vd), n(c.Ve));
}

QRectF PostoDellaFigura(QSizeF area, QRectF spazio)
{
    const QSizeF dimensione = area.scaled(spazio.size(), Qt::KeepAspectRatio);
    QRectF posto(QPointF(0, 0), dimensione);
    posto.moveCenter(spazio.center());
    return posto;
}

void DisegnaFoglio(QPainter &pittore, QRectF pagina, const Tracciati &tracciati, bool intestazione)
{
    if (tracciati.elenco().empty())
        return;
    pittore.save();
    QFont carattere = pittore.font();
    carattere.setPointSizeF(11);
    pittore.setFont(carattere);
    const QList<Voce> voci = vociDellIntestazione(tracciati);
    if (intestazione && !voci.isEmpty())
        pagina.setTop(pagina.top() + scriviIntestazione(pittore, pagina, voci));
    const QSizeF area = tracciati.elenco().back().area;
    const QRectF posto = PostoDellaFigura(area, pagina);
    const qreal s = posto.width() / area.width(); // page units for one pixel of the screen
    pittore.setClipRect(posto);
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.translate(posto.topLeft());
    for (const Tracciato &t : tracciati.elenco()) {
        const qreal lato = t.DrawWidth * s;
        const auto in = [&](float x, float y) { return t.pixel(x, y) * s; };
        pittore.setPen(QPen(QBColor(0), lato, Qt::SolidLine, Qt::SquareCap));
        pittore.drawLine(in(t.CX, 0), in(t.CX, t.ScaleHeight));
        pittore.drawLine(in(0, t.CY), in(t.ScaleWidth, t.CY));
        if (!t.curva)
            continue;
        const QColor colore = QBColor(t.curva->colore);
        for (int Alfa = 0; Alfa <= 360; ++Alfa)
            if (const PuntoCurva p = t.punto(Alfa); p.dentro)
                pittore.fillRect(QRectF(in(p.x, p.y) - QPointF(lato, lato) / 2, QSizeF(lato, lato)), colore);
    }
    pittore.restore();
}

void ImpostaPagina(QPagedPaintDevice &dispositivo)
{
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                          QPageLayout::Millimeter));
}

QRectF AreaStampabile(const QPagedPaintDevice &dispositivo)
{
    // The PDF writer's and the printer's own resolution is their logical dpi.
    return QRectF(QPointF(0, 0), dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX()).size());
}

QByteArray FiguraInPdf(const Tracciati &tracciati, bool intestazione)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Ordelio"));
    pdf.setTitle(QStringLiteral("Ordelio"));
    ImpostaPagina(pdf);
    QPainter pittore;
    if (!pittore.begin(&pdf))
        return QByteArray();
    DisegnaFoglio(pittore, AreaStampabile(pdf), tracciati, intestazione);
    return pittore.end() ? dati : QByteArray();
}
