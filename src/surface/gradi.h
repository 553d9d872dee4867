// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One degree in radians, as both figures turn their angles into radians: pi to the
// digits a 4-byte float holds, divided by 180 on 4-byte floats (bits 3C8EFA35, a
// little less than the exact pi / 180). Each screen copies it into its `P1`.
constexpr float GradoInRadianti = 3.1415927f / 180;
