#pragma once
// Genetic codes for the drawing, export and view tests: a lone trunk, a full tree of wide pens, seeded trees.

#include "core/drawing/TreeDrawing.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>

#include <random>

namespace PictureCodes {

// Gene 0 straight up from the root; gene 1 is done, so nothing else is drawn while Done counts.
inline GeneticCode trunk(qint16 length, qint16 width, QColor colour)
{
    GeneticCode code;
    code[0].Length = length;
    code[0].Width = width;
    code[0].ColorRed = static_cast<qint16>(colour.red());
    code[0].ColorGreen = static_cast<qint16>(colour.green());
    code[0].ColorBlue = static_cast<qint16>(colour.blue());
    code[0].Draw = true;
    code[1].Done = true;
    return code;
}

// All 4095 segments, widths 16 down to 8 pixels, each level in its own colour.
inline GeneticCode wideTree()
{
    GeneticCode code;
    for (int i = 0; i < 12; ++i) {
        clsGene& gene = code[static_cast<std::size_t>(i)];
        gene.Length = static_cast<qint16>(400 - 25 * i);
        gene.Width = static_cast<qint16>(16 - 8 * i / 11);
        gene.Angle = 0.2 + 0.05 * i;
        gene.ColorRed = static_cast<qint16>(20 * i);
        gene.ColorGreen = static_cast<qint16>(255 - 20 * i);
        gene.ColorBlue = 128;
        gene.Draw = true;
    }
    return code;
}

// The wide tree cut off below gene `gene` while Done counts.
inline GeneticCode wideTreeDoneAt(int gene)
{
    GeneticCode code = wideTree();
    code[static_cast<std::size_t>(gene)].Done = true;
    return code;
}

// The wide tree whose trunk is hidden while Draw counts.
inline GeneticCode wideTreeWithHiddenTrunk()
{
    GeneticCode code = wideTree();
    code[0].Draw = false;
    return code;
}

// Gene 0 goes 10000 twips up, gene 1 10000 to each side: the whole tree is 20240 x 10240 twips with the
// 16-pixel pens, too big for an image at large scales.
inline GeneticCode hugeTree()
{
    GeneticCode code = trunk(10000, 16, Qt::red);
    code[0].Angle = -Drawing::StartAngle;
    code[1] = { 10000, 16, 0.0, 0, 0, 255, false, true };
    code[2].Done = true;
    return code;
}

// Traits in the ranges breeding gives them, from a fixed seed; about one gene in six is done.
inline GeneticCode seededTree(unsigned seed)
{
    std::mt19937 random(seed);
    const auto below
        = [&random](int n) { return static_cast<qint16>(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    GeneticCode code;
    for (clsGene& gene : code) {
        gene.Length = below(1000);
        gene.Width = static_cast<qint16>(below(16) + 1);
        gene.Angle = std::uniform_real_distribution<double>(0.0, 6.28318)(random);
        gene.ColorRed = below(256);
        gene.ColorGreen = below(256);
        gene.ColorBlue = below(256);
        gene.Done = below(6) == 0;
        gene.Draw = below(2) == 0;
    }
    code[0].Done = false;
    return code;
}

} // namespace PictureCodes
