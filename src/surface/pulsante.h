// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button that the focused user presses with Space or with Enter; a caption
// too long for one line wraps at blanks.
class Pulsante : public QPushButton
{
    Q_OBJECT
public:
    Pulsante(const QString &caption, QWidget *contenitore);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
};
