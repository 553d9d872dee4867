#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the program's message boxes as a user would, pressing OK, and keeps what
// each one said. `allaComparsa` runs while a box is shown, before it is closed.
class Messaggi : public QObject
{
public:
    explicit Messaggi(std::function<void()> allaComparsa = {}) : m_allaComparsa(std::move(allaComparsa))
    {
        connect(&m_controllo, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            titoli << box->windowTitle();
            testi << box->text();
            pulsanti << box->buttons().size();
            icone << (box->icon() != QMessageBox::NoIcon || !box->buttons().value(0)->icon().isNull());
            if (m_allaComparsa)
                m_allaComparsa();
            box->accept();
        });
        m_controllo.start(5);
    }

    QStringList titoli;
    QStringList testi;
    QList<qsizetype> pulsanti;
    QList<bool> icone; // whether the box, or its button, showed an icon

private:
    std::function<void()> m_allaComparsa;
    QTimer m_controllo;
};
