// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A horizontal scroll bar whose arrow keys go the way they point: Right raises the
// value, Left lowers it (Qt's scroll bars invert them, for the wheel's sake).
class BarraOrizzontale : public QScrollBar
{
    Q_OBJECT
public:
    explicit BarraOrizzontale(QWidget *contenitore);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
};
