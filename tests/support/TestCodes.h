#pragma once
// Genetic codes for tests that keep and compare them: any values a code can hold, drawable ones.

#include "core/genetics/GeneticCode.h"

#include <cstdint>
#include <limits>

// Every trait differs from gene to gene; seed makes another code.
inline GeneticCode testCode(int seed)
{
    GeneticCode code;
    for (int i = 0; i < 12; ++i) {
        clsGene& gene = code[static_cast<std::size_t>(i)];
        gene.Length = static_cast<qint16>(100 + 13 * i + seed);
        gene.Width = static_cast<qint16>(1 + (i + seed) % 16);
        gene.Angle = 0.1 * i + 1e-3 * seed + 1.0 / 3.0;
        gene.ColorRed = static_cast<qint16>((20 * i + seed) % 256);
        gene.ColorGreen = static_cast<qint16>((255 - 7 * i + seed) % 256);
        gene.ColorBlue = static_cast<qint16>((90 + i * seed) % 256);
        gene.Done = (i + seed) % 5 == 4;
        gene.Draw = (i + seed) % 3 != 0;
    }
    return code;
}

// Values only an edited file can hold: the ends of every range, and angles that are hard to keep exact.
inline GeneticCode extremeCode()
{
    GeneticCode code = testCode(0);
    const double angles[]
        = { -0.0, 0.0, 4.9406564584124654e-324, std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
              0.1, 3.141592653589793, 1e-310, 9007199254740993.0, -1.5, 6.2831798623, 2.2250738585072014e-308 };
    for (std::size_t i = 0; i < code.size(); ++i) {
        code[i].Angle = angles[i];
        code[i].Length = i % 2 == 0 ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint16>::max();
        code[i].ColorRed = static_cast<qint16>(-1 - static_cast<int>(i));
        code[i].ColorBlue = 1000;
    }
    return code;
}
