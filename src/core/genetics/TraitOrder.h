#pragma once
// The eight traits in the order breeding and the genetic code file take them.

#include "core/genetics/clsGene.h"

#include <array>

struct Trait {
    const char* name;
    // The gene's random operation for this trait.
    void (clsGene::*randomise)(RandomSource& random);
    // Copies this trait of a parent's gene into the child's gene, as stored.
    void (*inherit)(clsGene& child, const clsGene& parent);
};

inline constexpr std::array<Trait, 8> TraitOrder { {
    { "Angle", &clsGene::RndAngle, [](clsGene& c, const clsGene& p) { c.Angle = p.Angle; } },
    { "ColorBlue", &clsGene::RndColorBlue, [](clsGene& c, const clsGene& p) { c.ColorBlue = p.ColorBlue; } },
    { "ColorGreen", &clsGene::RndColorGreen, [](clsGene& c, const clsGene& p) { c.ColorGreen = p.ColorGreen; } },
    { "ColorRed", &clsGene::RndColorRed, [](clsGene& c, const clsGene& p) { c.ColorRed = p.ColorRed; } },
    { "Done", &clsGene::RndDone, [](clsGene& c, const clsGene& p) { c.Done = p.Done; } },
    { "Draw", &clsGene::RndDraw, [](clsGene& c, const clsGene& p) { c.Draw = p.Draw; } },
    { "Length", &clsGene::RndLength, [](clsGene& c, const clsGene& p) { c.Length = p.Length; } },
    { "Width", &clsGene::RndWidth, [](clsGene& c, const clsGene& p) { c.Width = p.Width; } },
} };

// The order clsGene::Random draws the traits in, as places in TraitOrder: Length, Angle, ColorBlue, ColorGreen,
// ColorRed, Done, Draw, Width.
inline constexpr std::array<std::size_t, 8> RandomOrder { 6, 0, 1, 2, 3, 4, 5, 7 };
