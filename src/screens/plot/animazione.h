// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/plot/tracciati.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <optional>

class QPainter;

// How the last curve is made, shown over the plot: the angle Alfa going round in whole
// degrees, the two components of the point's position as vectors from the origin of the
// axes (the horizontal one from ellipse A, the vertical one from ellipse B), the point
// at the end of their sum with a short trail, and a readout. The screen paints it over
// its drawing and never into it; it draws no curve and changes nothing else.
class Animazione : public QObject
{
    Q_OBJECT
public:
    Animazione();

    // From 0 degrees, running, over this drawing's curve.
    void avvia(const Tracciato &tracciato);
    void ferma();
    bool attiva() const { return m_attiva; }
    bool inPausa() const { return m_inPausa; }
    int Alfa() const { return m_Alfa; }
    int millisecondiPerGrado() const { return m_orologio.interval(); }

    void pausa();          // pauses a running animation, or runs a paused one on (from 0 after 360)
    void passo(int gradi); // pauses, and moves this many degrees within 0 to 360
    void avanza();         // one degree on, as the clock does; at 360 it stops there, paused
    void piuVeloce();
    void piuLento();

    // Where the point is now, logical pixels of the plot; none where the plot has no dot.
    std::optional<QPointF> punto() const;
    // What the readout shows, and a screen reader reads: "α₁ = 137°; x = 12,3; y = −4,1",
    // or that the point is beyond the axes or cannot be computed.
    QString lettura() const;
    void disegna(QPainter &pittore) const;

signals:
    // The part of the plot to paint again.
    void cambiata(const QRect &zona);
    // The description, at most four times a second.
    void descritta(const QString &testo);

private:
    // Where the point is at Alfa, logical pixels; none where the plot has no dot for it: a
    // point beyond the axes, or not finite, has no place to be shown, nor have its vectors.
    std::optional<QPointF> pixelAl(int Alfa) const;
    void disegnaIlPunto(QPainter &pittore, QPointF P) const; // the vectors and the point at P
    void disegnaLaLettura(QPainter &pittore) const;
    QFont carattereDellaLettura() const; // larger in the projector mode
    QRect riquadro() const;              // the readout's box
    QRect zona() const;                  // all that the animation covers now
    void vaiA(int Alfa);

    bool m_attiva = false;
    bool m_inPausa = false;
    int m_Alfa = 0;
    int m_velocita = 2; // index into the milliseconds a degree takes
    Tracciato m_tracciato{};
    QTimer m_orologio;
    QTimer m_lettore;
    QString m_detto;
};
