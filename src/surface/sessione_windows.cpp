// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

// Windows activates a program's windows as the screens expect.
bool SessioneWayland()
{
    return false;
}
