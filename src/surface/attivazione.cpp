// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QEvent>
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
        m_attendeDimensione = m_apertura == Apertura::Massimizzata && !m_schermo->isMaximized();
        m_richiesteRipetute = 0;
        if (m_attendeDimensione)
            m_attesaDimensione.start();
        m_apertura == Apertura::Massimizzata ? m_schermo->showMaximized() : m_schermo->show();
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
        // mutter 45 to 48 through XWayland put off the maximize asked for with the map until
        // their frame holds the window, and 48 then forgets it: it writes a state without
        // it. Asked again once mutter has placed the window, it maximizes at once; asked
        // sooner, it is lost the same way. So the screen asks again, spaced out, while its
        // maximized size has not come; the user's own resize ends the wait, and the asking.
        if (m_attendeDimensione && !m_schermo->isMaximized() && !m_nuovaRichiesta.isActive())
            m_nuovaRichiesta.start();
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

void Attivazione::chiediMassimizzata()
{
    if (!m_attendeDimensione || m_richiesteRipetute == RichiesteRipetuteMassime) {
        m_nuovaRichiesta.stop();
        return;
    }
    ++m_richiesteRipetute;
    m_attesaDimensione.start();
    // A request that mutter lost leaves Qt believing the window maximized, and Qt sends
    // no request for the state it believes in: its opposite goes first.
    if (m_schermo->isMaximized())
        m_schermo->setWindowState(m_schermo->windowState() & ~Qt::WindowMaximized);
    m_schermo->setWindowState(m_schermo->windowState() | Qt::WindowMaximized);
}

void Attivazione::dimensioneRicevuta()
{
    m_nuovaRichiesta.stop();
    m_attesaDimensione.stop();
    m_attendeDimensione = false;
    if (m_sospesa) {
        m_sospesa = false;
        m_Form_Activate();
    }
}
