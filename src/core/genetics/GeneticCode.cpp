#include "core/genetics/GeneticCode.h"

#include <bit>
#include <cstdint>

bool sameTraits(const clsGene& a, const clsGene& b)
{
    return a.Length == b.Length && a.Width == b.Width
        && std::bit_cast<std::uint64_t>(a.Angle) == std::bit_cast<std::uint64_t>(b.Angle) && a.ColorRed == b.ColorRed
        && a.ColorGreen == b.ColorGreen && a.ColorBlue == b.ColorBlue && a.Done == b.Done && a.Draw == b.Draw;
}

bool sameTraits(const GeneticCode& a, const GeneticCode& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameTraits(a[i], b[i]))
            return false;
    return true;
}
