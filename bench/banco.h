// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screens as the in-process figures take them: shown on the offscreen 1920 by 1080
// screen, the calibration bar at 3 (factor 0.57), the typical constants.

#include "screens/calibration/form2.h"
#include "screens/plot/form4.h"

#include <benchmark/benchmark.h>

namespace banco {

constexpr int Larghezza = 1920, Altezza = 1080;
constexpr double Incr = 0.57; // the bar at 3: the closest factor to 1080 / 1920

// Each shown once, active and at the screen's size; then left as it is.
Form2 &mostraForm2();
Form4 &mostraForm4();

// True, with the benchmark skipped as failed, if the screen is not of the screen's size.
bool inFallo(benchmark::State &stato, const Schermo &schermo);

} // namespace banco
