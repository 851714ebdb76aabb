#pragma once
// Two full trees of wide pens to morph between: the wide tree and one that differs from it in every trait.

#include "core/drawing/DrawFlags.h"
#include "support/PictureCodes.h"

namespace MorphCodes {

// Done and Draw count for nothing: both trees draw all 4095 segments.
inline constexpr Drawing::Flags FullTrees { false, false };

// Every trait of every gene other than the wide tree's: shorter, wider, bent the other way, in other colours,
// done and not drawn (neither of which counts with FullTrees).
inline GeneticCode otherWideTree()
{
    GeneticCode code = PictureCodes::wideTree();
    for (int i = 0; i < GeneCount; ++i) {
        clsGene& gene = code[static_cast<std::size_t>(i)];
        gene.Length = static_cast<qint16>(380 - 28 * i);
        gene.Width = static_cast<qint16>(gene.Width + 4);
        gene.Angle = -0.3 - 0.04 * i;
        gene.ColorRed = static_cast<qint16>(255 - 20 * i);
        gene.ColorGreen = static_cast<qint16>(10 + 20 * i);
        gene.ColorBlue = 40;
        gene.Done = true;
        gene.Draw = false;
    }
    return code;
}

} // namespace MorphCodes
