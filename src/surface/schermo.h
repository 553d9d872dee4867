// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/attivazione.h"
#include "surface/disegno.h"
#include "surface/scala.h"

#include <QWidget>

#include <utility>

// A screen of the program: a top-level window titled with its own name, with its
// controls at fixed places and a drawing surface under them that keeps what is
// drawn. Form_Activate runs whenever the active screen of the program changes to
// this one (see Attivazione).
class Schermo : public QWidget
{
    Q_OBJECT
public:
    using Apertura = Attivazione::Apertura;

    // `area` is the designed client area in logical pixels.
    Schermo(const QString &nome, QSize area, Apertura apertura);

    // Modeless show: visible, in front and active. Returns at once; Form_Activate
    // follows when the window system makes the screen active.
    void Show();

    // The drawing surface.
    int ScaleMode() const { return m_scala.ScaleMode(); }
    void setScaleMode(int modo);
    float ScaleWidth() const;
    void setScaleWidth(float larghezza);
    float ScaleHeight() const;
    void setScaleHeight(float altezza);
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixel);
    void PSet(float x, float y, QColor colore);
    void Line(float x1, float y1, float x2, float y2, QColor colore);
    void Cls();
    // The colour drawn at a point in the current scale, invalid where nothing is.
    QColor Point(float x, float y) const;
    // The user scale a figure is drawn in: `larghezza` units across and `larghezza` times
    // `rapporto` down, each read back as the surface keeps it, and the axes in black,
    // crossing `spostamento` units right of the middle and half way down. Returns the
    // crossing (CX, CY), each rounded to a 4-byte float.
    std::pair<float, float> ScalaEAssi(float larghezza, double rapporto, float spostamento);
    // Tells assistive technology what the drawing shows now, without moving the focus.
    void DescriviDisegno(const QString &descrizione);

    const Disegno &disegno() const { return m_disegno; }

protected:
    virtual void Form_Activate() {}

    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    QSizeF area() const { return QSizeF(size()); }
    void preparaDisegno();
    void ridisegna();

    Attivazione m_attivazione;
    Scala m_scala;
    int m_drawWidth = 1;
    Disegno m_disegno;
    QWidget *m_disegnoAccessibile = nullptr; // the drawing as assistive technology sees it
    // A repaint already asked for covers every dot drawn before it happens.
    bool m_ridisegnoChiesto = false;
};

// Ends the program, the one way it ends: every window closes at once, `messaggio` (if
// any) is shown alone, and the event loop returns `esito`.
void End(int esito = 0, const QString &messaggio = {});
