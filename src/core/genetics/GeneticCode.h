#pragma once
// A genetic code as a value: twelve genes, gene n governing level n of the tree. Copied freely, compared,
// kept after its picture, handed to other threads.

#include "core/genetics/clsGene.h"

#include <array>

inline constexpr int GeneCount = 12;

using GeneticCode = std::array<clsGene, GeneCount>;

// Trait for trait, angles to the last bit.
bool sameTraits(const clsGene& a, const clsGene& b);
bool sameTraits(const GeneticCode& a, const GeneticCode& b);
