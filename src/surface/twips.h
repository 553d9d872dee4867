// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Positions and sizes are designed in twips; at 96 dots per inch a logical pixel
// is 15 twips, and Qt's high-DPI scaling takes it from there.
constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect Twips(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}
