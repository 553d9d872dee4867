// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QWidget>

namespace {

const QWidget *s_attivo = nullptr; // the program's active screen

// How long a window shown maximized waits for its maximized size before its
// activation runs at whatever size it has; counted again from each request asked again.
constexpr int AttesaMassimaMs = 1000;
// Maximized asked for again at most this many times, this far apart.
constexpr int RichiesteRipetuteMassime = 5;
constexpr int IntervalloRichiesteMs = 200;

} // namespace

Attivazione::Attivazione(QWidget *schermo, QSize area, Apertura apertura, std::function<void()> Form_Activate)
    : m_schermo(schermo), m_areaProgettata(area), m_apertura(apertura), m_Form_Activate(std::move(Form_Activate))
{
    m_attesaDimensione.setSingleShot(true);
    m_attesaDimensione.setInterval(AttesaMassimaMs);
    connect(&m_attesaDimensione, &QTimer::timeout, this, &Attivazione::dimensioneRicevuta);
    m_nuovaRichiesta.setInterval(IntervalloRichiesteMs);
    connect(&m_nuovaRichiesta, &QTimer::timeout, this, &Attivazione::chiediMassimizzata);
    schermo->installEventFilter(this);
}

Attivazione::~Attivazione()
{
    if (s_attivo == m_schermo)
        s_attivo = nullptr;
}

void Attivazione::mostra()
{
    // A Wayland desktop does not bring forward a window that is already mapped at a
    // program's request (weston natively, weston's window manager through XWayland);
    // every one brings forward a window mapped anew. What is drawn stays.
    if (m_schermo->isVisible() && m_schermo != s_attivo && SessioneWayland())
        m_schermo->hide();
    if (m_schermo->isHidden()) {
        // A screen the user has taken out of maximized comes back as the user left it.
        const bool massimizzata = m_apertura == Apertura::Massimizzata && !m_ripristinataDallUtente;
        m_attendeDimensione = massimizzata && !m_schermo->isMaximized();
        m_richiesteRipetute = 0;
        m_massimizzataDalDesktop = false;
        if (m_attendeDimensione)
            m_attesaDimensione.start();
        const Richiesta mia(m_chiedo);
        massimizzata ? m_schermo->showMaximized() : m_schermo->show();
    }
    if (m_schermo->isMinimized())
        m_schermo->setWindowState(m_schermo->windowState() & ~Qt::WindowMinimized);
    m_schermo->raise();
    m_schermo->activateWindow();
}

bool Attivazione::eventFilter(QObject *, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::WindowActivate:
        if (s_attivo != m_schermo) {
            s_attivo = m_schermo;
            if (m_attendeDimensione)
                m_sospesa = true;
            else
                m_Form_Activate();
        }
        break;
    case QEvent::Resize:
        // A size given before the window shows is not yet the desktop's: the browser gives
        // the whole screen to a window it has not framed yet, then takes its title bar off.
        if (m_attendeDimensione && m_schermo->isVisible() && m_schermo->size() != m_areaProgettata)
            dimensioneRicevuta();
        break;
    case QEvent::WindowStateChange:
        if (!m_chiedo)
            statoDalDesktop(static_cast<QWindowStateChangeEvent *>(evento)->oldState());
        break;
    case QEvent::Hide:
        // Hidden, the screen waits for nothing: a size that comes later is not for it.
        fineAttesa();
        break;
    case QEvent::Close:
        if (s_attivo == m_schermo)
            s_attivo = nullptr;
        break;
    default:
        break;
    }
    return false;
}

void Attivazione::statoDalDesktop(Qt::WindowStates prima)
{
    m_massimizzataDalDesktop = m_schermo->isMaximized();
    if (!m_attendeDimensione) {
        // Out of the wait the desktop's size has come: a change of state is the user's.
        if (prima & Qt::WindowMaximized && !m_massimizzataDalDesktop)
            m_ripristinataDallUtente = true;
        else if (m_massimizzataDalDesktop)
            m_ripristinataDallUtente = false;
        return;
    }
    // mutter 45 to 48 through XWayland put off the maximize asked for with the map until
    // their frame holds the window, and 48 then forgets it: it writes a state without it.
    // Asked again once mutter has placed the window, it maximizes at once; asked sooner,
    // it is lost the same way. So the screen asks again, spaced out, while its maximized
    // size has not come; that size, or the user's own resize, ends the wait.
    if (!m_massimizzataDalDesktop && !m_nuovaRichiesta.isActive())
        m_nuovaRichiesta.start();
}

void Attivazione::chiediMassimizzata()
{
    // Maximized by the desktop's own word: its size is on the way, and asking again
    // would take the window out of maximized first.
    const bool giaMassimizzata = m_massimizzataDalDesktop;
    if (!m_attendeDimensione || giaMassimizzata || m_richiesteRipetute == RichiesteRipetuteMassime) {
        m_nuovaRichiesta.stop();
        return;
    }
    ++m_richiesteRipetute;
    m_attesaDimensione.start();
    // A request that mutter lost leaves Qt believing the window maximized, and Qt sends
    // no request for the state it believes in: its opposite goes first.
    const Richiesta mia(m_chiedo);
    if (m_schermo->isMaximized())
        m_schermo->setWindowState(m_schermo->windowState() & ~Qt::WindowMaximized);
    m_schermo->setWindowState(m_schermo->windowState() | Qt::WindowMaximized);
}

void Attivazione::dimensioneRicevuta()
{
    // An activation put off for the size is the active screen's: if another screen has
    // come in front since, it is over, and this screen's next activation draws anew.
    const bool ancoraAttiva = m_sospesa && s_attivo == m_schermo && m_schermo->isVisible();
    fineAttesa();
    if (ancoraAttiva)
        m_Form_Activate();
}

void Attivazione::fineAttesa()
{
    m_nuovaRichiesta.stop();
    m_attesaDimensione.stop();
    m_attendeDimensione = false;
    m_sospesa = false;
}
