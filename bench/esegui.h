// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks of this program on the offscreen 1920 by 1080 screen the figures
// are taken on, reported by `resoconto`. Returns 1 for arguments it does not know.
int EseguiBanco(int argc, char *argv[], benchmark::BenchmarkReporter &resoconto);
