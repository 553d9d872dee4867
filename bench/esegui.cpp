// SPDX-License-Identifier: GPL-3.0-or-later
#include "esegui.h"

#include "app/schermi.h"

#include <QApplication>

#include <cstdlib>

int EseguiBanco(int argc, char *argv[], benchmark::BenchmarkReporter &resoconto)
{
    // The screen the figures are taken on, for this process and the helpers it starts.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORDELIO_SCHERMO_BENCH, 1);
    // The offscreen platform's notes on what it cannot do would bury the figures.
    setenv("QT_LOGGING_RULES", "default.warning=false;qt.qpa.*.warning=false", 1);
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(&resoconto);
    benchmark::Shutdown();
    app::ChiudiSchermi();
    return 0;
}
