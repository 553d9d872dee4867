// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <emscripten.h>

#include <algorithm>

// The page activates the program's windows as the screens expect.
bool SessioneWayland()
{
    return false;
}

namespace {

// Two of the page's ways differ from a desktop's, and are mended for every window here.
class ComeSulDesktop : public QObject
{
protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        // A key's shortcut runs once the key has been handled. A window that waits for the
        // user (the type chooser) returns to the browser at once, and the browser would
        // take the key as unhandled and act on it too: Ctrl+S would save the page.
        if (evento->type() == QEvent::Shortcut && qobject_cast<QAction *>(oggetto)) {
            QTimer::singleShot(0, static_cast<QAction *>(oggetto), &QAction::trigger);
            return true;
        }
        // The page activates a window while it is being shown, before its controls are
        // visible, and Qt then passes the focus on to the control after the one the window
        // gave it: the factor's box instead of the bar, "Documento PDF" instead of the
        // default button. Once the window shows, the focus goes back where it was given.
        if (evento->type() == QEvent::WindowActivate && oggetto->isWidgetType()) {
            QWidget *voluto = static_cast<QWidget *>(oggetto)->focusWidget();
            if (voluto && !voluto->isVisible())
                QTimer::singleShot(0, voluto, [voluto] {
                    if (voluto->isVisible() && voluto->isActiveWindow())
                        voluto->setFocus(Qt::ActiveWindowFocusReason);
                });
        }
        // The last window closed from its frame ends the program as ESCI does: the
        // page is told, and says so.
        if (evento->type() == QEvent::Close && oggetto->isWidgetType()
            && static_cast<QWidget *>(oggetto)->isWindow() && nessunaAltraFinestra(oggetto))
            EM_ASM({ dispatchEvent(new CustomEvent('ordelio-fine')); });
        return false;
    }

private:
    static bool nessunaAltraFinestra(QObject *chiusa)
    {
        const QWidgetList finestre = QApplication::topLevelWidgets();
        return std::none_of(finestre.begin(), finestre.end(),
                            [chiusa](QWidget *w) { return w != chiusa && w->isVisible(); });
    }
};

void ComeSulDesktopInOgniFinestra()
{
    QCoreApplication::instance()->installEventFilter(new ComeSulDesktop);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(ComeSulDesktopInOgniFinestra)
