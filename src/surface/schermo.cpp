// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/schermo.h"

#include "surface/messaggio.h"
#include "surface/palette.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

#include <stdexcept>

Schermo::Schermo(const QString &nome, QSize area, Apertura apertura)
    : m_attivazione(this, area, apertura, [this] { Form_Activate(); }), m_scala(QPointF(logicalDpiX(), logicalDpiY()))
{
    setObjectName(nome);
    setWindowTitle(nome);
    resize(area);
}

void Schermo::Show()
{
    m_attivazione.mostra();
}

void Schermo::paintEvent(QPaintEvent *evento)
{
    m_ridisegnoChiesto = false;
    // Moved to a screen of another pixel ratio: the image follows before it is shown.
    if (!m_disegno.immagine().isNull() && m_disegno.dpr() != devicePixelRatioF())
        preparaDisegno();
    QPainter pittore(this);
    const QImage &immagine = m_disegno.immagine();
    const qreal dpr = immagine.devicePixelRatio();
    // Whole device pixels, one for one: at a fractional ratio a part that starts between
    // two of them would be sampled half a pixel off, and differ from the same part painted
    // with the rest.
    const QRect r = evento->rect();
    const QRect pixel = QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr).toAlignedRect();
    pittore.drawImage(QRectF(QPointF(pixel.topLeft()) / dpr, QSizeF(pixel.size()) / dpr), immagine, pixel);
}

void Schermo::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    if (m_disegnoAccessibile)
        m_disegnoAccessibile->resize(size());
    // A screen that has drawn nothing yet holds no image: most never draw.
    if (!m_disegno.immagine().isNull())
        preparaDisegno();
}

void Schermo::closeEvent(QCloseEvent *evento)
{
    // A screen closed from its window loses its drawing; its values live on.
    m_disegno.cancella();
    QWidget::closeEvent(evento);
}

void Schermo::preparaDisegno()
{
    m_disegno.copri(size(), devicePixelRatioF());
}

void Schermo::setScaleMode(int modo)
{
    m_scala.setScaleMode(modo, area());
}

float Schermo::ScaleWidth() const
{
    return m_scala.ScaleWidth(area());
}

void Schermo::setScaleWidth(float larghezza)
{
    m_scala.setScaleWidth(larghezza, area());
}

float Schermo::ScaleHeight() const
{
    return m_scala.ScaleHeight(area());
}

void Schermo::setScaleHeight(float altezza)
{
    m_scala.setScaleHeight(altezza, area());
}

void Schermo::setDrawWidth(int pixel)
{
    if (pixel < 1)
        throw std::invalid_argument("spessore del tratto non valido");
    m_drawWidth = pixel;
}

void Schermo::PSet(float x, float y, QColor colore)
{
    if (m_disegno.area() != size())
        preparaDisegno();
    m_disegno.punto(m_scala.inPixel(x, y, area()), m_drawWidth, colore);
    ridisegna();
}

void Schermo::Line(float x1, float y1, float x2, float y2, QColor colore)
{
    if (m_disegno.area() != size())
        preparaDisegno();
    m_disegno.linea(m_scala.inPixel(x1, y1, area()), m_scala.inPixel(x2, y2, area()), m_drawWidth, colore);
    ridisegna();
}

void Schermo::ridisegna()
{
    // Asking Qt again for each of thousands of dots costs more than drawing them. A
    // hidden screen is painted whole when it is shown, so it needs no request.
    if (m_ridisegnoChiesto || !isVisible())
        return;
    m_ridisegnoChiesto = true;
    update();
}

void Schermo::Cls()
{
    m_disegno.cancella();
    update();
}

std::pair<float, float> Schermo::ScalaEAssi(float larghezza, double rapporto, float spostamento)
{
    setScaleWidth(larghezza);
    setScaleHeight(float(double(ScaleWidth()) * rapporto));
    const float CX = float(ScaleWidth() / 2.0 + spostamento);
    const float CY = float(ScaleHeight() / 2.0);
    Line(CX, 0, CX, ScaleHeight(), QBColor(0));
    Line(0, CY, ScaleWidth(), CY, QBColor(0));
    return {CX, CY};
}

QColor Schermo::Point(float x, float y) const
{
    return m_disegno.colore(m_scala.inPixel(x, y, area()));
}

void Schermo::DescriviDisegno(const QString &descrizione)
{
    if (!m_disegnoAccessibile) {
        // Under the controls, over the whole area, seen through and clicked through.
        m_disegnoAccessibile = new QWidget(this);
        m_disegnoAccessibile->setObjectName(QStringLiteral("disegno"));
        m_disegnoAccessibile->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_disegnoAccessibile->setGeometry(rect());
        m_disegnoAccessibile->lower();
        m_disegnoAccessibile->show();
    }
    m_disegnoAccessibile->setAccessibleName(descrizione);
    QAccessibleEvent cambio(m_disegnoAccessibile, QAccessible::NameChanged); // read out where the focus is
    QAccessible::updateAccessibility(&cambio);
}

void End(int esito, const QString &messaggio)
{
    for (QWidget *finestra : QApplication::topLevelWidgets())
        finestra->hide();
    if (!messaggio.isEmpty())
        MsgBox(messaggio);
    QCoreApplication::exit(esito);
#ifdef Q_OS_WASM
    // In the browser the event loop never returns to main, and the page stays: it is told
    // that the program has ended, and says so.
    EM_ASM({ dispatchEvent(new CustomEvent('ordelio-fine')); });
#endif
}
