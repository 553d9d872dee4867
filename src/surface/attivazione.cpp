// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QEvent>
#include <QWidget>

namespace {

const QWidget *s_attivo = nullptr; // the program's active screen

// How long a window shown maximized waits for its maximized size before its
// activation runs at whatever size it has.
constexpr int AttesaMassimaMs = 1000;

} // namespace

Attivazione::Attivazione(QWidget *schermo, QSize area, Apertura apertura, std::function<void()> Form_Activate)
    : m_schermo(schermo), m_areaProgettata(area), m_apertura(apertura), m_Form_Activate(std::move(Form_Activate))
{
    m_attesaDimensione.setSingleShot(true);
    m_attesaDimensione.setInterval(AttesaMassimaMs);
    connect(&m_attesaDimensione, &QTimer::timeout, this, &Attivazione::dimensioneRicevuta);
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
        m_richiestaRipetuta = false;
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
        if (m_attendeDimensione && m_schermo->size() != m_areaProgettata)
            dimensioneRicevuta();
        break;
    case QEvent::WindowStateChange:
        // mutter 48 through XWayland maps a window asked for maximized, then drops the
        // state; asked again once the window is mapped, it maximizes it.
        if (m_attendeDimensione && !m_richiestaRipetuta && !m_schermo->isMaximized()) {
            m_richiestaRipetuta = true;
            QTimer::singleShot(0, this,
                               [this] { m_schermo->setWindowState(m_schermo->windowState() | Qt::WindowMaximized); });
        }
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

void Attivazione::dimensioneRicevuta()
{
    m_attesaDimensione.stop();
    m_attendeDimensione = false;
    if (m_sospesa) {
        m_sospesa = false;
        m_Form_Activate();
    }
}
