// SPDX-License-Identifier: GPL-3.0-or-later
// The dots of many curves as the plot screen places them, a line for each curve: how
// many fall within the axes, and a hash of their 4-byte coordinates. The Windows build
// prints the same lines as the Linux one only if its sin and cos, which are MinGW's own
// code, put every dot on the same bits.
#include "screens/plot/curva.h"
#include "surface/gradi.h"

#include <bit>
#include <cstdio>
#include <random>

int main()
{
    std::mt19937_64 caso(20261207); // its numbers are the same on every platform
    const auto tra = [&caso](double da, double a) { return da + (a - da) * double(caso() >> 11) / double(1ULL << 53); };
    for (int curva = 0; curva < 3000; ++curva) {
        const float CX = 110, CY = float(100 * tra(0.3, 1.2)); // the plot screen's axes
        const double a = tra(-120, 120), b = tra(-120, 120), c = tra(-120, 120), d = tra(-120, 120);
        const double e = curva % 3 ? tra(0, 12) : double(curva % 40) / 4; // d: any, or in quarters
        unsigned long long hash = 14695981039346656037ULL, dentro = 0;
        for (std::int16_t Alfa = 0; Alfa <= 360; ++Alfa) {
            const PuntoCurva punto = Punto(Alfa, GradoInRadianti, {a, b, c, d, e, 0}, CX, CY);
            if (!punto.dentro)
                continue;
            ++dentro;
            hash = (hash ^ std::bit_cast<unsigned>(punto.x)) * 1099511628211ULL;
            hash = (hash ^ std::bit_cast<unsigned>(punto.y)) * 1099511628211ULL;
        }
        std::printf("curva %d: %llu punti, %016llx\n", curva, dentro, hash);
    }
}
