// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the program, each figure side by side with the floor it is
// judged against, in one run. The drawing handlers run in this process on an
// offscreen 1920 by 1080 screen (gestori.cpp, against pavimenti.cpp); start-up and
// peak memory are taken from helper processes (processi.cpp); confronto.cpp reports.
// Exits 1 if a figure the report needs is missing.

#include "confronto.h"

#include "app/schermi.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    // The screen the figures are taken on, for this process and the helpers it starts.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORDELIO_SCHERMO_BENCH, 1);
    // The offscreen platform's notes on what it cannot do would bury the figures.
    setenv("QT_LOGGING_RULES", "default.warning=false;qt.qpa.*.warning=false", 1);
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Confronto confronto;
    benchmark::RunSpecifiedBenchmarks(&confronto);
    benchmark::Shutdown();
    app::ChiudiSchermi();
    return confronto.completo() ? 0 : 1;
}
