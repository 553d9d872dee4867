// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

// The page activates the program's windows as the screens expect.
bool SessioneWayland()
{
    return false;
}
