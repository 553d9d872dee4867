// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// In a Wayland session, unless the user chose a platform: XWayland first, where the
// desktop activates a program's windows as the screens expect, else the native one.
// Runs before the application object is made.
void ScegliPiattaforma(int argc, char **argv);
