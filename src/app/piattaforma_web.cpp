// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/piattaforma.h"

// The browser has one platform, its own.
void ScegliPiattaforma(int, char **) {}
