#include "genetics/GeneticSnapshot.h"

#include <bit>
#include <cstdint>

GeneticSnapshot snapshotOf(clsGenSeq& code)
{
    GeneticSnapshot snapshot;
    for (qint16 i = 0; i < clsGenSeq::GeneCount; ++i)
        snapshot[static_cast<std::size_t>(i)] = *code.GetGene(i);
    return snapshot;
}

std::unique_ptr<clsGenSeq> codeOf(const GeneticSnapshot& snapshot)
{
    auto code = std::make_unique<clsGenSeq>();
    for (qint16 i = 0; i < clsGenSeq::GeneCount; ++i)
        *code->GetGene(i) = snapshot[static_cast<std::size_t>(i)];
    return code;
}

bool sameTraits(const clsGene& a, const clsGene& b)
{
    return a.Length == b.Length && a.Width == b.Width
        && std::bit_cast<std::uint64_t>(a.Angle) == std::bit_cast<std::uint64_t>(b.Angle) && a.ColorRed == b.ColorRed
        && a.ColorGreen == b.ColorGreen && a.ColorBlue == b.ColorBlue && a.Done == b.Done && a.Draw == b.Draw;
}

bool sameTraits(const GeneticSnapshot& a, const GeneticSnapshot& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameTraits(a[i], b[i]))
            return false;
    return true;
}
