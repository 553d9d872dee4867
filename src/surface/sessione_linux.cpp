// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/attivazione.h"

#include <QtGlobal>

bool SessioneWayland()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
