#pragma once
// The genetic code a morph passes through between two others: numbers on their way, switches at the midpoint.

#include "core/genetics/GeneticCode.h"

namespace InBetween {

// t of the way from first to second, gene by gene: Length, Width, ColorRed, ColorGreen and ColorBlue are
// first + t (second - first) rounded half away from zero, Angle the same unrounded; Done and Draw are first's
// below t = 0.5 and second's from it. t = 0 gives first and t = 1 gives second, trait for trait.
clsGene gene(const clsGene& first, const clsGene& second, double t);
GeneticCode code(const GeneticCode& first, const GeneticCode& second, double t);

} // namespace InBetween
