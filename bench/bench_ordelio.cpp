// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the program, each figure side by side with the floor it is
// judged against, in one run. The drawing handlers run in this process on an
// offscreen 1920 by 1080 screen (gestori.cpp, against pavimenti.cpp); start-up and
// peak memory are taken from helper processes (processi.cpp); confronto.cpp reports.
// Exits 1 if a figure the report needs is missing.

#include "confronto.h"
#include "esegui.h"

int main(int argc, char *argv[])
{
    Confronto confronto;
    const int esito = EseguiBanco(argc, argv, confronto);
    return esito == 0 && confronto.completo() ? 0 : 1;
}
