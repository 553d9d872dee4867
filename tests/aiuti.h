// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the widget tests share: the screens, a screen shown as the user would see it,
// the pixels of a colour in a drawing, and a user who answers the message boxes.
#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/form4.h"
#include "surface/palette.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include <functional>

// Shows the screen and waits until it is active and `attivato` says its activation ran.
inline bool mostra(
    Schermo &schermo, const std::function<bool()> &attivato = [] { return true; })
{
    schermo.Show();
    return QTest::qWaitFor([&] { return schermo.isActiveWindow() && attivato(); });
}

Q_DECLARE_METATYPE(Costante)

// The constants screen's first entries.
const QList<Costante> Tipiche{20.0, 15.0, 10.0, 5.0, 2.0};

// The plot at 1000 by 510 pixels, activated once with these constants: at the factor
// 0.51 one user unit is 5 pixels across and down.
inline Form4 &attiva(const QList<Costante> &v, double Incr = 0.51)
{
    app::Form2().Incr = Incr;
    Form3 &c = app::Form3();
    std::tie(c.VALa, c.VALb, c.VALc, c.VALd, c.VALe) = std::tie(v[0], v[1], v[2], v[3], v[4]);
    app::Form4().resize(1000, 510);
    app::Form4().Form_Activate();
    return app::Form4();
}

// How many pixels of the image have exactly this colour, within `dove` if given.
inline int conta(const QImage &immagine, QColor colore, QRect dove = {})
{
    const QRect r = dove.isNull() ? immagine.rect() : dove & immagine.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += immagine.pixelColor(x, y) == colore;
    return n;
}

// Presses OK on each message box, keeping "title:text".
struct Messaggi : QTimer
{
    QStringList testi;
    Messaggi()
    {
        connect(this, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->isVisible())
                testi << box->windowTitle() + ':' + box->text(), box->accept();
        });
        start(5);
    }
};
