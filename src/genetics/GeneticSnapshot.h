#pragma once
// A genetic code's 96 traits by value: copied freely, compared, kept after its picture, handed to other threads.

#include "genetics/clsGenSeq.h"

#include <array>
#include <memory>

using GeneticSnapshot = std::array<clsGene, clsGenSeq::GeneCount>;

// Every gene's traits as stored; untouched genes come into being with their initial values, as on any read.
GeneticSnapshot snapshotOf(clsGenSeq& code);
// A new genetic code holding exactly these traits.
std::unique_ptr<clsGenSeq> codeOf(const GeneticSnapshot& snapshot);

// Trait for trait, angles to the last bit.
bool sameTraits(const clsGene& a, const clsGene& b);
bool sameTraits(const GeneticSnapshot& a, const GeneticSnapshot& b);
