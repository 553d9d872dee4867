// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/foglio.h"

#include "screens/plot/curva.h"
#include "screens/plot/figura.h"
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

QList<Voce> vociDelTitolo(const Figura &figura)
{
    QList<Voce> voci;
    for (const Tracciato &t : figura.tracciati())
        if (const auto &c = t.curva) {
            const auto n = [](double v) { return Numeri::Testo(v); };
            voci.append(
                {QStringLiteral("A %1 e %2, B %3 e %4, d %5").arg(n(c->Va), n(c->Vb), n(c->Vc), n(c->Vd), n(c->Ve)),
                 QBColor(c->colore)});
        }
    return voci;
}

// The title's entries in lines as wide as the page, each line centred; returns the
// height it takes.
qreal scriviTitolo(QPainter &pittore, QRectF pagina, const QList<Voce> &voci)
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

QRectF PostoDellaFigura(QSizeF area, QRectF spazio)
{
    const QSizeF dimensione = area.scaled(spazio.size(), Qt::KeepAspectRatio);
    QRectF posto(QPointF(0, 0), dimensione);
    posto.moveCenter(spazio.center());
    return posto;
}

void DisegnaFoglio(QPainter &pittore, QRectF pagina, const Figura &figura, bool titolo)
{
    if (figura.tracciati().empty())
        return;
    pittore.save();
    QFont carattere = pittore.font();
    carattere.setPointSizeF(11);
    pittore.setFont(carattere);
    const QList<Voce> voci = vociDelTitolo(figura);
    if (titolo && !voci.isEmpty())
        pagina.setTop(pagina.top() + scriviTitolo(pittore, pagina, voci));
    const QSizeF area = figura.tracciati().back().area;
    const QRectF posto = PostoDellaFigura(area, pagina);
    const qreal s = posto.width() / area.width(); // page units for one pixel of the screen
    pittore.setClipRect(posto);
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.translate(posto.topLeft());
    for (const Tracciato &t : figura.tracciati()) {
        const qreal lato = t.DrawWidth * s;
        const auto in = [&](float x, float y) { return InPixel(t, x, y) * s; };
        pittore.setPen(QPen(QBColor(0), lato, Qt::SolidLine, Qt::SquareCap));
        pittore.drawLine(in(t.CX, 0), in(t.CX, t.ScaleHeight));
        pittore.drawLine(in(0, t.CY), in(t.ScaleWidth, t.CY));
        if (!t.curva)
            continue;
        const CostantiCurva &c = *t.curva;
        const QColor colore = QBColor(c.colore);
        for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
            const Scostamento punto = PuntoCurva(Alfa, t.P1, c.Va, c.Vb, c.Vc, c.Vd, c.Ve);
            if (DentroGliAssi(punto, t.CX, t.CY))
                pittore.fillRect(QRectF(in(float(t.CX + punto.X), float(t.CY + punto.Y)) - QPointF(lato, lato) / 2,
                                        QSizeF(lato, lato)),
                                 colore);
        }
    }
    pittore.restore();
}

void ImpostaPagina(QPagedPaintDevice &dispositivo)
{
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                          QPageLayout::Millimeter));
}

QByteArray FiguraInPdf(const Figura &figura, bool titolo)
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
    DisegnaFoglio(pittore, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()), figura,
                  titolo);
    return pittore.end() ? dati : QByteArray();
}
