#pragma once

#include "surface/disegno.h"
#include "surface/scala.h"

#include <QTimer>
#include <QWidget>

// A screen of the program: a top-level window titled with its own name, with its
// controls at fixed places and a drawing surface under them that keeps what is
// drawn. Form_Activate runs whenever the active screen of the program changes to
// this one; coming back from another program, or from one of the program's message
// boxes, to the screen that was already active is no activation.
class Schermo : public QWidget
{
    Q_OBJECT
public:
    enum class Apertura { Normale, Massimizzata };

    // `area` is the designed client area in logical pixels.
    Schermo(const QString &nome, QSize area, Apertura apertura);
    ~Schermo() override;

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
    // Tells assistive technology what the drawing shows now, without moving the focus.
    void DescriviFigura(const QString &descrizione);

    const Disegno &disegno() const { return m_disegno; }

protected:
    virtual void Form_Activate() {}

    bool event(QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    QSizeF area() const { return QSizeF(size()); }
    void preparaDisegno();
    void ridisegna();
    void dimensioneRicevuta();

    Apertura m_apertura;
    QSize m_areaProgettata;
    // A window shown maximized can be activated before the window system has given it
    // its maximized size; its first figure must fill that size, so the activation
    // waits for it.
    bool m_attendeDimensione = false;
    QTimer m_attesaDimensione; // gives up waiting, should the size never come
    bool m_attivazioneSospesa = false;
    Scala m_scala;
    int m_drawWidth = 1;
    Disegno m_disegno;
    QWidget *m_figura = nullptr; // the drawing as assistive technology sees it
    // A repaint already asked for covers every dot drawn before it happens.
    bool m_ridisegnoChiesto = false;
};

// Ends the program: every screen closes at once and the event loop returns 0.
void End();
