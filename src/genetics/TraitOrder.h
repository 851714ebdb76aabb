#pragma once
// The eight traits in the order breeding and the genetic code file take them.

#include "genetics/clsGenSeq.h"

#include <array>

struct Trait {
    const char* name;
    // The gene's random operation for this trait.
    void (clsGene::*randomise)();
    // Copies this trait of gene tvNo of a parent into the child's gene, as stored.
    void (*inherit)(clsGene& child, clsGenSeq& parent, qint16 tvNo);
};

inline constexpr std::array<Trait, 8> TraitOrder { {
    { "Angle", &clsGene::RndAngle, [](clsGene& c, clsGenSeq& p, qint16 i) { c.Angle = p.GetGAngle(i); } },
    { "ColorBlue", &clsGene::RndColorBlue,
        [](clsGene& c, clsGenSeq& p, qint16 i) { c.ColorBlue = p.GetGColorBlue(i); } },
    { "ColorGreen", &clsGene::RndColorGreen,
        [](clsGene& c, clsGenSeq& p, qint16 i) { c.ColorGreen = p.GetGColorGreen(i); } },
    { "ColorRed", &clsGene::RndColorRed, [](clsGene& c, clsGenSeq& p, qint16 i) { c.ColorRed = p.GetGColorRed(i); } },
    { "Done", &clsGene::RndDone, [](clsGene& c, clsGenSeq& p, qint16 i) { c.Done = p.GetGDone(i); } },
    { "Draw", &clsGene::RndDraw, [](clsGene& c, clsGenSeq& p, qint16 i) { c.Draw = p.GetGDraw(i); } },
    { "Length", &clsGene::RndLength, [](clsGene& c, clsGenSeq& p, qint16 i) { c.Length = p.GetGLength(i); } },
    { "Width", &clsGene::RndWidth, [](clsGene& c, clsGenSeq& p, qint16 i) { c.Width = p.GetGWidth(i); } },
} };
