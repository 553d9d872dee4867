// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

bool SessioneWayland()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

namespace {

// On a busy machine mutter on X11 can miss what a window draws as it comes in front,
// its first frame or the figure of its activation, and keeps showing what it had until
// something in the window is drawn again: the program never draws by itself, so a
// window would stay black, or without its new curve. Nothing tells the program when
// mutter is ready, so a window shown or activated is drawn once more a moment later,
// and once more after that.
class DisegnaDiNuovo : public QObject
{
protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        const bool inFronte = evento->type() == QEvent::Show || evento->type() == QEvent::WindowActivate;
        if (inFronte && oggetto->isWidgetType() && static_cast<QWidget *>(oggetto)->isWindow()
            && QGuiApplication::platformName() == QLatin1String("xcb"))
            for (int ms : {1000, 3000})
                QTimer::singleShot(ms, static_cast<QWidget *>(oggetto), qOverload<>(&QWidget::update));
        return false;
    }
};

void DisegnaDiNuovoOgniFinestra()
{
    static DisegnaDiNuovo filtro;
    QCoreApplication::instance()->installEventFilter(&filtro);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(DisegnaDiNuovoOgniFinestra)
