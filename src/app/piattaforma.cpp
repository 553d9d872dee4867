// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/piattaforma.h"

#include "surface/attivazione.h"

#include <QByteArray>

void ScegliPiattaforma(int argc, char **argv)
{
    if (!SessioneWayland() || qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0)
            return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland"); // Qt takes the first that starts
}
