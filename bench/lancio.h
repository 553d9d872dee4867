// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A helper's one-line report: when it first painted, its peak memory.
struct Rapporto
{
    long long dipintoNs = -1;
    long long piccoKb = -1;
};

// Launches a helper and reads its one-line report; `avvioNs` is when it was launched.
// False, with `errore` saying why, if it could not start, failed or did not report.
bool lancia(const char *programma, std::vector<std::string> argomenti, Rapporto &rapporto, long long &avvioNs,
            std::string &errore);
