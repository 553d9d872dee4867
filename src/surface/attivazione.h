// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

#include <functional>

class QWidget;

// When a screen's activation runs: each time the program's active screen changes to
// it. Coming back from another program, or from one of the program's message boxes,
// to the screen that was already active is no activation. A screen shown maximized
// runs its first activation once it has its maximized size, so that its first figure
// fills it. A screen shown again comes in front and becomes active on every desktop,
// Wayland ones included.
class Attivazione : public QObject
{
public:
    enum class Apertura { Normale, Massimizzata };

    // `Form_Activate` runs at each activation of `schermo`, whose designed size is `area`.
    Attivazione(QWidget *schermo, QSize area, Apertura apertura, std::function<void()> Form_Activate);
    ~Attivazione() override;

    // Visible, in front and active; the activation follows when the desktop grants it.
    void mostra();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void dimensioneRicevuta();
    void fineAttesa();
    void statoDalDesktop(Qt::WindowStates prima);
    void chiediMassimizzata();

    // Marks the states that the program itself asks for, so as to tell them from the desktop's.
    struct Richiesta
    {
        explicit Richiesta(bool &inCorso) : m_inCorso(inCorso) { m_inCorso = true; }
        ~Richiesta() { m_inCorso = false; }
        bool &m_inCorso;
    };

    QWidget *m_schermo;
    QSize m_areaProgettata;
    Apertura m_apertura;
    std::function<void()> m_Form_Activate;
    bool m_attendeDimensione = false;
    bool m_sospesa = false;           // activated while waiting for the maximized size
    int m_richiesteRipetute = 0;      // maximized asked for again, as the desktop dropped it
    bool m_chiedo = false;            // a state of the program's own asking is being set
    bool m_massimizzataDalDesktop = false; // the desktop's last word on the state
    bool m_ripristinataDallUtente = false; // taken out of maximized by the user
    QTimer m_attesaDimensione;        // gives up waiting, should the size never come
    QTimer m_nuovaRichiesta;          // spaces out the requests asked again
};

// A Wayland desktop, whether the program runs on it natively or through XWayland;
// never on Windows (sessione_linux.cpp, sessione_windows.cpp).
bool SessioneWayland();
