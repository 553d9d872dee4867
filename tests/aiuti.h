#pragma once

// What the widget tests share: a screen shown as the user would see it, the pixels of
// a colour in a drawing, and a user who answers the program's message boxes.
#include "surface/schermo.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

// Shows the screen and waits until it is active and `attivato` says its activation ran.
inline bool mostra(Schermo &schermo, const std::function<bool()> &attivato = [] { return true; })
{
    schermo.Show();
    return QTest::qWaitFor([&] { return schermo.isActiveWindow() && attivato(); });
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

// Presses OK on every message box the program shows, keeping what each said;
// `allaComparsa` runs while a box is still open.
class Messaggi : public QObject
{
public:
    explicit Messaggi(std::function<void()> allaComparsa = {})
    {
        connect(&m_controllo, &QTimer::timeout, this, [this, allaComparsa] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            testi << box->windowTitle() + QLatin1Char(':') + box->text();
            if (allaComparsa)
                allaComparsa();
            box->accept();
        });
        m_controllo.start(5);
    }
    QStringList testi; // "title:text" of each box

private:
    QTimer m_controllo;
};
