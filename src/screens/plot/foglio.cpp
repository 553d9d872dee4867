// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/foglio.h"

#include "screens/plot/tracciati.h"
#include "surface/numeri.h"
#include "surface/palette.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

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
            voci.append({TestoCostanti(*t.curva), t.colore()});
    return voci;
}

using Riga = QList<Voce>;

// The heading's entries in lines as wide as the page.
QList<Riga> righeDellIntestazione(const QFontMetricsF &metrica, qreal larghezzaPagina, const QList<Voce> &voci)
{
    const qreal spazio = metrica.horizontalAdvance(QStringLiteral("    "));
    QList<Riga> righe{{}};
    qreal larghezza = 0;
    for (const Voce &voce : voci) {
        const qreal w = metrica.horizontalAdvance(voce.testo);
        if (!righe.last().isEmpty() && larghezza + spazio + w > larghezzaPagina) {
            righe.append(Riga());
            larghezza = 0;
        }
        larghezza += (righe.last().isEmpty() ? 0 : spazio) + w;
        righe.last().append(voce);
    }
    return righe;
}

// Writes the lines from the top of `pagina`, each centred.
void scriviRighe(QPainter &pittore, QRectF pagina, const QList<Riga> &righe)
{
    const QFontMetricsF metrica(pittore.font(), pittore.device());
    const qreal spazio = metrica.horizontalAdvance(QStringLiteral("    "));
    qreal y = pagina.top() + metrica.ascent();
    for (const Riga &riga : righe) {
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
}

void disegnaFigura(QPainter &pittore, QRectF pagina, const Tracciati &tracciati)
{
    const QSizeF area = tracciati.elenco().back().area;
    const QRectF posto = PostoDellaFigura(area, pagina);
    if (posto.isEmpty())
        return;
    const qreal s = posto.width() / area.width(); // page units for one pixel of the screen
    pittore.save();
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
        const QColor colore = t.colore();
        for (int Alfa = 0; Alfa <= 360; ++Alfa)
            if (const PuntoCurva p = t.punto(Alfa); p.dentro)
                pittore.fillRect(QRectF(in(p.x, p.y) - QPointF(lato, lato) / 2, QSizeF(lato, lato)), colore);
    }
    pittore.restore();
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
    const QFontMetricsF metrica(carattere, pittore.device());
    const QList<Voce> voci = vociDellIntestazione(tracciati);
    const QList<Riga> righe = intestazione && !voci.isEmpty() ? righeDellIntestazione(metrica, pagina.width(), voci)
                                                               : QList<Riga>();
    // The heading takes at most half the page, the figure the rest; what does not fit
    // follows on pages of its own, where the device has pages.
    const qsizetype perPagina = std::max(1, int(pagina.height() / metrica.lineSpacing()));
    const qsizetype sullaPrima = std::min(righe.size(), std::max<qsizetype>(1, perPagina / 2));
    QRectF figura = pagina;
    if (!righe.isEmpty()) {
        scriviRighe(pittore, pagina, righe.mid(0, sullaPrima));
        figura.setTop(pagina.top() + (sullaPrima + 0.5) * metrica.lineSpacing());
    }
    disegnaFigura(pittore, figura, tracciati);
    auto *fogli = dynamic_cast<QPagedPaintDevice *>(pittore.device());
    for (qsizetype i = sullaPrima; fogli && i < righe.size() && fogli->newPage(); i += perPagina)
        scriviRighe(pittore, pagina, righe.mid(i, perPagina));
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
